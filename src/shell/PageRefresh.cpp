// The routines that change what several pages show at once: the statistics, the unit
// labels, the colour mode and the filter status.
#include "flights/frmAloftra.h"
#include "lists/frmGliders.h"
#include "lists/frmSiteList.h"
#include "shell/App.h"
#include "stats/StatisticsEngine.h"
#include "stats/frmSummary.h"

namespace aloftra {

void App::RecomputeStatistics() {
  if (!ComputeStatistics(logbook_, platform_.Now())) return;
  if (Gliders().State == EditState::kClean) Gliders().GlidersDisplayEntry();
  if (SiteList().State == EditState::kClean) SiteList().SiteListDisplayEntry();
  Aloftra().RefreshFlightNumber();
  Summary().SummaryDisplayInfo();
}

void App::ApplyUnitLabels() {
  Aloftra().ApplyUnitLabels();
}

void App::ApplyColorMode() {
  Aloftra().ApplyColorMode();
}

void App::FilterOff() {
  filter_.SetPassAll();
  Aloftra().PassPosition = 0;
  Aloftra().ShowFilterStatus();
}

}  // namespace aloftra
