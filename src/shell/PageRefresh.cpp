// What changes several pages at once: the statistics, the unit labels, the colour mode and
// the filter. Every page hears of it through its hooks, in page order; the shell names none
// of them.
#include "pagekit/Page.h"
#include "shell/App.h"
#include "stats/StatisticsEngine.h"

namespace aloftra {

void App::RecomputeStatistics() {
  if (!ComputeStatistics(logbook_, platform_.Now())) return;
  TellEveryPage(&Page::OnStatisticsChanged);
}

void App::ApplyUnitLabels() {
  TellEveryPage(&Page::OnUnitsChanged);
}

void App::ApplyColorMode() {
  TellEveryPage(&Page::OnColorModeChanged);
}

void App::FilterOff() {
  filter_.SetPassAll();
  ApplyFilter();
}

void App::ApplyFilter() {
  TellEveryPage(&Page::OnFilterChanged);
}

}  // namespace aloftra
