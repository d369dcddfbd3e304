#include "stats/frmGraphs.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/DateTime.h"
#include "form/Platform.h"
#include "pagekit/MenuItems.h"
#include "units/DisplayText.h"
#include "views/FilterTest.h"

namespace aloftra {

namespace {

constexpr const char* kFlightsGroup = "graph.flights";
constexpr const char* kAirtimeGroup = "graph.airtime";
// The standard 16-colour palette: dark grey (8) grid lines, light blue (9) bars.
constexpr Color kGridGrey = Rgb(128, 128, 128);
constexpr Color kBarBlue = Rgb(0, 0, 255);
constexpr Color kDisplayOnlyGrey = Rgb(220, 220, 220);
constexpr int kAirtimeGridParts = 8;
constexpr const char* kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
// The day slot each month starts at on the fixed 366-day calendar.
constexpr int kMonthFirstSlot[12] = {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335};

int ChartBottom(const ChartArea& area) {
  return area.top + area.height - 15;
}

int ChartSpan(const ChartArea& area) {
  return area.height - 15;
}

int SlotX(const ChartArea& area, int slot) {
  return area.left + 150 + 15 * slot;
}

bool InChart(const ChartArea& area, double x, double y) {
  return x >= area.left && x <= area.left + area.width && y >= area.top &&
         y <= area.top + area.height;
}

void PlaceLabel(aloftra::Label& label, const std::string& caption, int left, int top, int width,
                int height = 210) {
  label.SetCaption(caption);
  label.Move(left, top, width, height);
}

// The scale labels and the origin of a chart, right-aligned beside its left edge at the
// height of their fraction.
void PlaceScale(ControlArray<aloftra::Label>& scale, aloftra::Label& origin,
                const ChartArea& area) {
  int bottom = ChartBottom(area);
  for (int quarter = 1; quarter <= 4; ++quarter) {
    int y = std::max(area.top, bottom - quarter * ChartSpan(area) / 4 - 105);
    PlaceLabel(scale[quarter], "", area.left - 690, y, 600);
    scale[quarter].SetTextAlignment(Alignment::kRight);
  }
  PlaceLabel(origin, "0", area.left - 690, bottom - 210, 600);
  origin.SetTextAlignment(Alignment::kRight);
}

void PlaceMonths(ControlArray<aloftra::Label>& months, const ChartArea& area) {
  for (int month = 1; month <= 12; ++month) {
    PlaceLabel(months[month], kMonthNames[month - 1], SlotX(area, kMonthFirstSlot[month - 1]),
               area.top + area.height + 15, 435);
    months[month].SetFont(Font{7, false});
  }
}

}  // namespace

frmGraphs::frmGraphs(PageHost& host)
    : Page(host, PageId::kGraphs, "frmGraphs"),
      YearCaption(*this, "YearCaption"),
      YearDec(*this, "YearDec"),
      Year(*this, "Year"),
      YearInc(*this, "YearInc"),
      FlightsTitle(*this, "FlightsTitle"),
      AirtimeTitle(*this, "AirtimeTitle"),
      FlightsOrigin(*this, "FlightsOrigin"),
      AirtimeOrigin(*this, "AirtimeOrigin"),
      FScale(*this, "FScale", 1, 4),
      AScale(*this, "AScale", 1, 4),
      FMonth(*this, "FMonth", 1, 12),
      AMonth(*this, "AMonth", 1, 12),
      TotalFlightsCaption(*this, "TotalFlightsCaption"),
      TotalAirtimeCaption(*this, "TotalAirtimeCaption"),
      TotalFlights(*this, "TotalFlights"),
      TotalAirtime(*this, "TotalAirtime"),
      DisplayDate(*this, "DisplayDate"),
      FilterStatus1(*this, "FilterStatus1"),
      FilterStatus2(*this, "FilterStatus2") {
  BuildLayout();
  onPaint = [this] { Form_Paint(); };
  onMouseMove = [this](int button, int shift, double x, double y) {
    Form_MouseMove(button, shift, x, y);
  };
  onMouseUp = [this](int button, int shift, double x, double y) {
    Form_MouseUp(button, shift, x, y);
  };
  YearDec.onClick = [this] { YearDec_Click(); };
  YearInc.onClick = [this] { YearInc_Click(); };
  auto filterLabel = [this](int button, int, double, double) { FilterStatus_MouseUp(button); };
  FilterStatus1.onMouseUp = filterLabel;
  FilterStatus2.onMouseUp = filterLabel;
}

void frmGraphs::BuildLayout() {
  PlaceLabel(FlightsTitle, "Flights", 90, 1500, 900, 240);
  PlaceLabel(AirtimeTitle, "Airtime", 90, 4170, 900, 240);
  for (aloftra::Label* title : {&FlightsTitle, &AirtimeTitle})
    title->SetFont(Font{9.75, true});
  PlaceScale(FScale, FlightsOrigin, kFlightsGraph);
  PlaceScale(AScale, AirtimeOrigin, kAirtimeGraph);
  PlaceMonths(FMonth, kFlightsGraph);
  PlaceMonths(AMonth, kAirtimeGraph);

  PlaceLabel(TotalFlightsCaption, "Total:", 5640, 2910, 600);
  TotalFlights.Move(6270, 2880, 1200, 285);
  PlaceLabel(TotalAirtimeCaption, "Total:", 5640, 5550, 600);
  TotalAirtime.Move(6270, 5520, 1200, 285);
  for (aloftra::Label* caption : {&TotalFlightsCaption, &TotalAirtimeCaption})
    caption->SetTextAlignment(Alignment::kRight);

  PlaceLabel(FilterStatus1, "Filter", 90, 5910, 600);
  PlaceLabel(FilterStatus2, "Off", 690, 5910, 450);
  for (aloftra::Label* status : {&FilterStatus1, &FilterStatus2})
    status->SetFont(Font{7, false});
  PlaceLabel(YearCaption, "Select the year to display:", 1680, 5910, 2400);
  YearCaption.SetTextAlignment(Alignment::kRight);
  YearDec.SetCaption("<");
  YearDec.SetToolTipText("Previous year");
  YearDec.Move(4140, 5850, 360, 300);
  PlaceLabel(Year, "", 4560, 5895, 600, 240);
  Year.SetTextAlignment(Alignment::kCenter);
  YearInc.SetCaption(">");
  YearInc.SetToolTipText("Next year");
  YearInc.Move(5220, 5850, 360, 300);
  DisplayDate.Move(5760, 5850, 1710, 285);
  DisplayDate.SetTextAlignment(Alignment::kCenter);

  for (TextBox* box : {&TotalFlights, &TotalAirtime, &DisplayDate}) {
    box->SetLocked(true);
    box->SetBackColor(kDisplayOnlyGrey);
  }
  TotalFlights.SetTextAlignment(Alignment::kRight);
  TotalAirtime.SetTextAlignment(Alignment::kRight);
}

void frmGraphs::SetYear(int year) {
  year_ = year;
  Year.SetCaption(std::to_string(year));
}

void frmGraphs::OnLogbookReset() {
  SetYear(SplitDateTime(host_.GetPlatform().Now()).year);
}

void frmGraphs::OnFilterChanged() {
  ShowFilterStatus();
}

void frmGraphs::OnColorModeChanged() {
  Color back = host_.Book().doc.COLOR_MODE != 0 ? kDisplayOnlyGrey : kWhite;
  for (TextBox* box : {&TotalFlights, &TotalAirtime, &DisplayDate})
    box->SetBackColor(back);
}

void frmGraphs::ShowFilterStatus() {
  bool on = host_.Filter().On();
  FilterStatus2.SetCaption(on ? "On" : "Off");
  FilterStatus2.SetForeColor(on ? kRed : kBlack);
}

void frmGraphs::FilterStatus_MouseUp(int Button) {
  if (Button != kRightButton) return;
  host_.RunMenuCommand(*this, MenuId::kOptions, kOptionsFilter);
}

void frmGraphs::Form_Paint() {
  ShowFilterStatus();
  DrawGraphs();
}

void frmGraphs::YearDec_Click() {
  if (year_ <= kFirstGraphYear) return;
  SetYear(year_ - 1);
  DrawGraphs();
}

void frmGraphs::YearInc_Click() {
  if (year_ >= kLastGraphYear) return;
  SetYear(year_ + 1);
  DrawGraphs();
}

void frmGraphs::DrawChart(const ChartArea& area, const char* group,
                          const std::array<std::int32_t, kDaySlots>& values, std::int32_t scale,
                          int gridParts) {
  int right = area.left + area.width - 15;
  int bottom = ChartBottom(area);
  int span = ChartSpan(area);
  std::vector<DrawItem> items;
  items.push_back(DrawItem::Rectangle(area.left, area.top, right, bottom, kBlack, true, kWhite));
  if (scale > 0) {
    for (int k = 1; k < gridParts; ++k) {
      int y = bottom - k * span / gridParts;
      items.push_back(DrawItem::Line(area.left + 15, y, right, y, kGridGrey));
    }
    for (int slot = 0; slot < kDaySlots; ++slot) {
      if (values[slot] <= 0) continue;
      int x = SlotX(area, slot);
      items.push_back(
          DrawItem::Line(x, bottom, x, bottom - BarHeight(values[slot], scale, span), kBarBlue));
    }
  }
  Drawing().Replace(group, std::move(items));
}

void frmGraphs::DrawGraphs() {
  TotalFlights.SetText("");
  TotalAirtime.SetText("");
  for (int quarter = 1; quarter <= 4; ++quarter) {
    FScale[quarter].SetCaption("");
    AScale[quarter].SetCaption("");
  }
  static const std::array<std::int32_t, kDaySlots> kNoDays{};
  DrawChart(kFlightsGraph, kFlightsGroup, kNoDays, 0, 0);
  DrawChart(kAirtimeGraph, kAirtimeGroup, kNoDays, 0, 0);
  GraphState = -1;
  if (year_ < kFirstGraphYear || year_ > kLastGraphYear) return;

  const Logbook& book = host_.Book();
  const FilterSettings& filter = host_.Filter();
  YearTally tally = TallyYear(book, year_, [&book, &filter](int flightIndex) {
    return FlightPassesFilter(book, filter, flightIndex);
  });
  if (tally.maxFlights == 0) return;

  int flightScale = FlightScale(tally.maxFlights);
  for (int quarter = 1; quarter <= 4; ++quarter)
    FScale[quarter].SetCaption(std::to_string(ScaleAtQuarter(flightScale, quarter)));
  DrawChart(kFlightsGraph, kFlightsGroup, tally.flights, flightScale, FlightGridParts(flightScale));

  // A year whose counted flights have no airtime leaves the airtime chart empty.
  std::int32_t airtimeScale = AirtimeScale(tally.maxAirtime);
  if (airtimeScale > 0) {
    for (int quarter = 1; quarter <= 4; ++quarter)
      AScale[quarter].SetCaption(FormatAirtime(ScaleAtQuarter(airtimeScale, quarter)));
    DrawChart(kAirtimeGraph, kAirtimeGroup, tally.airtime, airtimeScale, kAirtimeGridParts);
  }

  TotalFlights.SetText(std::to_string(tally.totalFlights));
  if (tally.totalAirtime != 0)
    TotalAirtime.SetText(FormatAirtime(static_cast<long>(tally.totalAirtime)));
  GraphState = 0;
}

void frmGraphs::Form_MouseMove(int Button, int Shift, double X, double Y) {
  (void)Button;
  (void)Shift;
  DisplayDate.SetText("");
  shownDay_ = 0;
  if (!InChart(kFlightsGraph, X, Y) && !InChart(kAirtimeGraph, X, Y)) return;
  if (GraphState != 0 || year_ < kFirstGraphYear || year_ > kLastGraphYear) return;
  int day = DayOfYearAt(year_, X, kFlightsGraph.left);
  shownDay_ = DaySerial(year_, 1, 1) + day - 1;
  DisplayDate.SetText(FormatLongDate(static_cast<DateTime>(shownDay_)));
}

void frmGraphs::Form_MouseUp(int Button, int Shift, double X, double Y) {
  (void)Button;
  (void)Shift;
  (void)X;
  (void)Y;
  if (DisplayDate.Text().empty()) return;
  int flight = NearestFlightByDay(host_.Book(), shownDay_);
  if (flight < 0) return;
  JumpToFlight(flight);
}

}  // namespace aloftra
