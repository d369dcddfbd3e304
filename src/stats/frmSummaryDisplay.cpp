// Showing the pilot totals: counts and airtimes of the table, the best flights, the counts
// of gliders and sites, and the days since the last flight.
#include <algorithm>
#include <climits>

#include "core/Logbook.h"
#include "core/Numbers.h"
#include "stats/frmSummary.h"
#include "units/BestFlightTexts.h"
#include "units/ConvertUnit.h"
#include "units/DisplayText.h"
#include "units/UnitChoice.h"

namespace aloftra {

namespace {

// A sum of stored figures as the display routines take it; a damaged file may hold figures
// whose sum leaves their own range.
long Sum(std::initializer_list<long long> figures) {
  long long total = 0;
  for (long long figure : figures)
    total += figure;
  return static_cast<long>(std::clamp<long long>(total, LONG_MIN, LONG_MAX));
}

// A count shown only from 1 on.
std::string PositiveCount(long value) {
  return value >= 1 ? FormatInteger(value) : "";
}

}  // namespace

void frmSummary::Show(TextBox& box, const std::string& text) {
  const bool wasFilling = filling_;
  filling_ = true;
  box.SetText(text);
  filling_ = wasFilling;
}

void frmSummary::SummaryDisplayInfo() {
  DisplaySide(kHangGliding);
  DisplaySide(kParagliding);
}

void frmSummary::DisplaySide(WingType wing) {
  const Logbook& book = host_.Book();
  const PilotTotals& totals = book.totals[wing];
  Side s = SideOf(wing);

  Show(s.DaysPrev, FormatCount(totals.DAYS_PREV));
  Show(s.DaysSolo, FormatCount(totals.DAYS_SOLO));
  Show(s.DaysTandem, FormatCount(totals.DAYS_TANDEM));
  // Distinct days: a day with both a solo and a tandem flight counts once.
  Show(s.DaysTotal, FormatCount(Sum({totals.DAYS_PREV, totals.DAYS_TOTAL})));
  Show(s.FlightsPrev, FormatCount(totals.FLIGHTS_PREV));
  Show(s.FlightsSolo, FormatCount(totals.FLIGHTS_SOLO));
  Show(s.FlightsTandem, FormatCount(totals.FLIGHTS_TANDEM));
  Show(s.FlightsTotal,
       FormatCount(Sum({totals.FLIGHTS_PREV, totals.FLIGHTS_SOLO, totals.FLIGHTS_TANDEM})));
  // What the pilot is typing into the previous airtime stays until the box is left.
  if (!airtimeEdited_[wing]) Show(s.AirtimePrev, FormatAirtime(totals.AIRTIME_PREV));
  Show(s.AirtimeSolo, FormatAirtime(totals.AIRTIME_SOLO));
  Show(s.AirtimeTandem, FormatAirtime(totals.AIRTIME_TANDEM));
  Show(s.AirtimeTotal,
       FormatAirtime(Sum({totals.AIRTIME_PREV, totals.AIRTIME_SOLO, totals.AIRTIME_TANDEM})));

  const BestFlightTexts best = BestFlightTextsOf(book, totals.best);
  Show(s.Longest, best.longestMinutes ? FormatAirtime(*best.longestMinutes) : "");
  Show(s.Highest, best.highest);
  Show(s.OverLaunch, best.overLaunch);
  Show(s.Distance, best.distance);

  Show(s.GlidersFlown, PositiveCount(totals.GLIDERS_FLOWN));
  Show(s.SitesFlown, PositiveCount(totals.SITES_FLOWN));
  // 0 days (a flight today) shows 0; a negative count (a flight dated later) nothing.
  Show(s.HowLong, totals.DAYS_SINCE_LAST >= 0 ? FormatInteger(totals.DAYS_SINCE_LAST) : "");
}

void frmSummary::ApplyUnitLabels() {
  const UnitFlags& flags = host_.Book().UNIT_FLAGS;
  for (aloftra::Label* label : {&Alt1, &Alt2, &Alt3, &Alt4}) {
    label->SetCaption(UnitCaption(UnitKind::kAltitude, flags));
  }
  for (aloftra::Label* label : {&Dist1, &Dist2}) {
    label->SetCaption(UnitCaption(UnitKind::kDistance, flags));
  }
}

void frmSummary::OnUnitsChanged() {
  ApplyUnitLabels();
  SummaryDisplayInfo();
}

void frmSummary::OnLogbookReset() {
  // What was typed belonged to the logbook before.
  airtimeEdited_ = {};
  RecomputePending = false;
  SummaryDisplayInfo();
}

void frmSummary::OnLogbookLoaded() {
  airtimeEdited_ = {};
  SummaryDisplayInfo();
}

}  // namespace aloftra
