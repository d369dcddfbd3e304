#include "views/frmFilters.h"

#include <vector>

#include "core/DateTime.h"
#include "core/Logbook.h"
#include "form/Platform.h"
#include "pagekit/FlightPage.h"
#include "views/FilterSettings.h"
#include "views/FilterTest.h"

namespace aloftra {

namespace {

constexpr const char* kAll = "All";

// "All" and the name of every live entry of a table, for a list that sorts them.
template <class Table, class NameOf>
std::vector<ListItem> NameChoices(const Table& table, NameOf nameOf) {
  std::vector<ListItem> items{{kAll, 0}};
  for (int i = 0; i < table.SlotCount(); ++i) {
    if (const auto* record = table.Live(i)) items.push_back({nameOf(*record), 0});
  }
  return items;
}

// The slot of the last live entry named exactly text; -1 for "All" or an unknown name.
template <class Table, class NameOf>
std::int16_t ChosenIndex(const Table& table, const std::string& text, NameOf nameOf) {
  int chosen = -1;
  if (text == kAll) return -1;
  for (int i = 0; i < table.SlotCount(); ++i) {
    const auto* record = table.Live(i);
    if (record != nullptr && nameOf(*record) == text) chosen = i;
  }
  return static_cast<std::int16_t>(chosen);
}

// Selects the entry named text, or "All" when there is none.
void SelectChoice(ComboBox& list, const std::string& text) {
  int index = text.empty() ? -1 : list.FindItem(text);
  list.SetListIndex(index >= 0 ? index : list.FindItem(kAll));
}

const std::string& GliderNameOf(const GliderRecord& glider) {
  return glider.GLIDER_NAME;
}
const std::string& SiteNameOf(const SiteRecord& site) {
  return site.SITE_NAME;
}

}  // namespace

frmFilters::frmFilters(PageHost& host)
    : Dialog(host, DialogId::kFilters, "frmFilters", "Aloftra Filter", 5400, 5400),
      Heading(*this, "Heading"),
      Filter(*this, "Filter", kFilterFlagCount),
      DateFrame(*this, "DateFrame"),
      BetweenLabel(*this, "BetweenLabel"),
      StartDate(*this, "StartDate"),
      AndLabel(*this, "AndLabel"),
      EndDate(*this, "EndDate"),
      SiteLabel(*this, "SiteLabel"),
      SiteName(*this, "SiteName"),
      GliderLabel(*this, "GliderLabel"),
      GliderName(*this, "GliderName"),
      Ok(*this, "Ok"),
      Cancel(*this, "Cancel"),
      Reset(*this, "Reset") {
  Heading.SetCaption("Select Entries to Display");
  Heading.Move(240, 180, 4920, 255);

  struct BoxPlace {
    const char* caption;
    int left, top, width;
  };
  const BoxPlace places[kFilterFlagCount] = {
      {"Hang Glider Flights", 360, 540, 2400},
      {"Paraglider Flights", 360, 870, 2400},
      {"Non-Flying Entries", 360, 1200, 2400},
      {"Solo Flights", 2880, 540, 2160},
      {"Tandem Flights", 2880, 870, 2160},
      {"Highlighted Entries Only", 360, 1560, 4680},
      {"All", 480, 2610, 1200},
      {"Cross-Country Flights Only", 360, 1890, 4680},
  };
  // Tab walks the flight kinds, then the dates, the lists and the buttons.
  const int tabOf[kFilterFlagCount] = {0, 1, 2, 3, 4, 5, 7, 6};
  for (int i = 0; i < kFilterFlagCount; ++i) {
    Filter[i].SetCaption(places[i].caption);
    Filter[i].Move(places[i].left, places[i].top, places[i].width, 285);
    Filter[i].SetTabIndex(tabOf[i]);
    Filter[i].onMouseUp = [this, i](int button, int shift, double x, double y) {
      Filter_MouseUp(i, button, shift, x, y);
    };
    // A box toggled from the keyboard (Space) keeps the same rules as one clicked.
    Filter[i].onClick = [this, i] {
      if (!settingBoxes_) Filter_MouseUp(i, 0, 0, 0, 0);
    };
  }

  DateFrame.SetCaption("Date");
  DateFrame.Move(240, 2280, 4920, 1110);
  Filter[kFilterAllDates].SetContainer(&DateFrame);
  BetweenLabel.SetCaption("Between:");
  BetweenLabel.Move(480, 3000, 840, 255);
  StartDate.Move(1380, 2970, 1560, 315);
  AndLabel.SetCaption("and");
  AndLabel.Move(3030, 3000, 360, 255);
  EndDate.Move(3450, 2970, 1560, 315);
  for (Control* inFrame :
       std::initializer_list<Control*>{&BetweenLabel, &StartDate, &AndLabel, &EndDate}) {
    inFrame->SetContainer(&DateFrame);
  }
  StartDate.SetTabIndex(8);
  EndDate.SetTabIndex(9);

  SiteLabel.SetCaption("Site");
  SiteLabel.Move(240, 3510, 720, 255);
  SiteName.Move(1080, 3480, 4080, 315);
  GliderLabel.SetCaption("Glider");
  GliderLabel.Move(240, 3930, 720, 255);
  GliderName.Move(1080, 3900, 4080, 315);
  for (ComboBox* list : {&SiteName, &GliderName}) {
    list->SetComboStyle(ComboBox::Style::kDropDownList);
    list->SetSorted(true);
  }
  SiteName.SetTabIndex(10);
  GliderName.SetTabIndex(11);

  Ok.SetCaption("Ok");
  Ok.Move(360, 4560, 1320, 375);
  Ok.SetDefault(true);
  Ok.SetTabIndex(12);
  Cancel.SetCaption("Cancel");
  Cancel.Move(2040, 4560, 1320, 375);
  Cancel.SetCancel(true);
  Cancel.SetTabIndex(13);
  Reset.SetCaption("Reset");
  Reset.Move(3720, 4560, 1320, 375);
  Reset.SetTabIndex(14);

  onLoad = [this] { Form_Load(); };
  StartDate.onLostFocus = [this] { StartDate_LostFocus(); };
  EndDate.onLostFocus = [this] { EndDate_LostFocus(); };
  Ok.onClick = [this] { Ok_Click(); };
  Cancel.onClick = [this] { Cancel_Click(); };
  Reset.onClick = [this] { Reset_Click(); };
}

void frmFilters::Form_Load() {
  SettingBoxes setting(settingBoxes_);
  const FilterSettings& filter = host_.Filter();
  const Logbook& book = host_.Book();
  // The dialog opens as freshly made: what an earlier opening left in its boxes is gone.
  for (int i = 0; i < kFilterFlagCount; ++i) {
    Filter[i].SetEnabled(true);
    Filter[i].SetValue(filter.Flags[i] != 0 ? CheckBox::kChecked : CheckBox::kUnchecked);
  }
  StartDate.SetText("");
  EndDate.SetText("");
  ApplySoloTandemRule();

  GliderName.SetItems(NameChoices(book.gliders, GliderNameOf));
  const GliderRecord* glider =
      filter.GliderIndex >= 0 ? book.gliders.Live(filter.GliderIndex) : nullptr;
  SelectChoice(GliderName, glider != nullptr ? glider->GLIDER_NAME : "");
  SiteName.SetItems(NameChoices(book.sites, SiteNameOf));
  const SiteRecord* site = filter.SiteIndex >= 0 ? book.sites.Live(filter.SiteIndex) : nullptr;
  SelectChoice(SiteName, site != nullptr ? site->SITE_NAME : "");

  if (filter.Flags[kFilterAllDates] != 0) {
    SetDateBoxesEnabled(false);
    return;
  }
  SetDateBoxesEnabled(true);
  if (filter.RangeStart > 0) {
    ShowDate(StartDate, filter.RangeStart);
    StartDate_LostFocus();
  }
  if (filter.RangeEnd > 0) {
    ShowDate(EndDate, filter.RangeEnd);
    EndDate_LostFocus();
  }
}

void frmFilters::ApplySoloTandemRule() {
  bool onlyNonFlying = Filter[kFilterNonFlying].Checked() && !Filter[kFilterHangGlider].Checked() &&
                       !Filter[kFilterParaglider].Checked();
  if (onlyNonFlying) {
    for (int i : {kFilterSolo, kFilterTandem}) {
      Filter[i].SetChecked(false);
      Filter[i].SetEnabled(false);
    }
  } else if (!Filter[kFilterSolo].Enabled()) {
    for (int i : {kFilterSolo, kFilterTandem}) {
      Filter[i].SetChecked(true);
      Filter[i].SetEnabled(true);
    }
  }
}

void frmFilters::SetDateBoxesEnabled(bool enabled) {
  for (TextBox* box : {&StartDate, &EndDate}) {
    box->SetEnabled(enabled);
    box->SetBackColor(enabled ? kWhite : kButtonFace);
  }
}

void frmFilters::ShowDate(TextBox& box, double value) {
  box.SetText(FormatGeneralDate(value));
}

void frmFilters::Filter_MouseUp(int Index, int Button, int Shift, double X, double Y) {
  (void)Button;
  (void)Shift;
  (void)X;
  (void)Y;
  SettingBoxes setting(settingBoxes_);
  if (!Filter[kFilterHangGlider].Checked() && !Filter[kFilterParaglider].Checked() &&
      !Filter[kFilterNonFlying].Checked()) {
    Filter[Index == kFilterHangGlider ? kFilterParaglider : kFilterHangGlider].SetChecked(true);
  }
  ApplySoloTandemRule();
  if (Index == kFilterSolo && !Filter[kFilterSolo].Checked()) {
    Filter[kFilterTandem].SetChecked(true);
  }
  if (Index == kFilterTandem && !Filter[kFilterTandem].Checked()) {
    Filter[kFilterSolo].SetChecked(true);
  }
  if (Index == kFilterAllDates) ApplyAllDatesRule();
}

void frmFilters::ApplyAllDatesRule() {
  if (Filter[kFilterAllDates].Checked()) {
    StartDate.SetText("");
    EndDate.SetText("");
    SetDateBoxesEnabled(false);
    return;
  }
  SetDateBoxesEnabled(true);
  FilterSettings& filter = host_.Filter();
  const Logbook& book = host_.Book();
  // Without a stored date the range opens on the earliest and the latest flight.
  const int last = book.LastPosition();
  const FlightRecord* earliest =
      last >= 0 ? book.flights.Live(book.order.At(0, kSortDate)) : nullptr;
  const FlightRecord* latest =
      last >= 0 ? book.flights.Live(book.order.At(last, kSortDate)) : nullptr;
  if (filter.RangeStart <= 0 && earliest != nullptr) filter.RangeStart = earliest->DATE;
  if (filter.RangeEnd <= 0 && latest != nullptr) filter.RangeEnd = latest->DATE;
  if (filter.RangeStart > 0) ShowDate(StartDate, filter.RangeStart);
  if (filter.RangeEnd > 0) ShowDate(EndDate, filter.RangeEnd);
  StartDate_LostFocus();
  EndDate_LostFocus();
}

void frmFilters::DateBoxLeft(TextBox& box, double& field) {
  if (box.Text().empty()) {
    field = 0;
    return;
  }
  Platform& platform = host_.GetPlatform();
  std::optional<DateTime> value = ParseDateTime(box.Text(), SplitDateTime(platform.Now()).year);
  if (value && *value != 0) {
    box.SetText(FormatLongDate(*value));
    field = *value;
    return;
  }
  platform.Beep();
  box.SetText("");
  SetFocus(box);
}

void frmFilters::StartDate_LostFocus() {
  DateBoxLeft(StartDate, host_.Filter().RangeStart);
}

void frmFilters::EndDate_LostFocus() {
  DateBoxLeft(EndDate, host_.Filter().RangeEnd);
}

void frmFilters::Reset_Click() {
  SettingBoxes setting(settingBoxes_);
  for (int i :
       {kFilterHangGlider, kFilterParaglider, kFilterNonFlying, kFilterSolo, kFilterTandem}) {
    Filter[i].SetChecked(true);
    Filter[i].SetEnabled(true);
  }
  Filter[kFilterHighlightedOnly].SetChecked(false);
  Filter[kFilterAllDates].SetChecked(true);
  ApplyAllDatesRule();
  Filter[kFilterCrossCountryOnly].SetChecked(false);
  SelectChoice(GliderName, kAll);
  SelectChoice(SiteName, kAll);
}

int frmFilters::PassingFlights() const {
  const Logbook& book = host_.Book();
  const FilterSettings& filter = host_.Filter();
  int passes = 0;
  for (int position = 0; position <= book.LastPosition(); ++position) {
    if (FlightPassesFilter(book, filter, book.FlightAtPosition(position))) ++passes;
  }
  return passes;
}

void frmFilters::Ok_Click() {
  Platform& platform = host_.GetPlatform();
  if (!Filter[kFilterAllDates].Checked() && (StartDate.Text().empty() || EndDate.Text().empty())) {
    platform.Message("Invalid date.");
    return;
  }
  FilterSettings& filter = host_.Filter();
  for (int i = 0; i < kFilterFlagCount; ++i)
    filter.Flags[i] = Filter[i].Checked() ? 1 : 0;

  bool on = SiteName.Text() != kAll || GliderName.Text() != kAll ||
            filter.Flags[kFilterCrossCountryOnly] != 0 || filter.Flags[kFilterHighlightedOnly] != 0;
  for (int i : {kFilterHangGlider, kFilterParaglider, kFilterNonFlying, kFilterSolo, kFilterTandem,
                kFilterAllDates}) {
    if (filter.Flags[i] == 0) on = true;
  }
  filter.PassCount = on ? 0 : -1;
  const Logbook& book = host_.Book();
  filter.GliderIndex = ChosenIndex(book.gliders, GliderName.Text(), GliderNameOf);
  filter.SiteIndex = ChosenIndex(book.sites, SiteName.Text(), SiteNameOf);
  host_.ApplyFilter();

  FlightPage& flights = host_.Flights();
  if (!filter.On() || book.LastPosition() < 0) {
    flights.RedisplayCurrentEntry();
    Close();
    return;
  }
  filter.PassCount = static_cast<std::int16_t>(PassingFlights());
  if (filter.PassCount == 0) {
    platform.MsgBox("No Aloftra entries pass the current filter settings.", MsgBoxButtons::kOk,
                    MsgBoxIcon::kExclamation, kProgramTitle);
    return;
  }
  flights.ViewEntry_Click(0);
  Close();
}

void frmFilters::Cancel_Click() {
  Close();
}

}  // namespace aloftra
