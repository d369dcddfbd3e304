// The glider page's controls: their captions, places (in twips of the page) and events.
// The details of the glider take the left column, its type, class and statistics the right;
// New, Enter and Delete sit at the bottom right as on the flight page.
#include <initializer_list>

#include "lists/frmGliders.h"

namespace aloftra {

namespace {

constexpr Color kDisplayOnlyGrey = Rgb(220, 220, 220);

void PlaceLabel(aloftra::Label& label, const char* caption, int left, int top, int width,
                int height = 240) {
  label.SetCaption(caption);
  label.Move(left, top, width, height);
}

void PlaceUnitLabel(aloftra::Label& label, int left, int top) {
  label.Move(left, top, 405, 240);
}

// A box of the statistics: shown, never typed into.
void MakeDisplayOnly(TextBox& box) {
  box.SetLocked(true);
  box.SetBackColor(kDisplayOnlyGrey);
  box.SetTextAlignment(Alignment::kCenter);
}

}  // namespace

frmGliders::frmGliders(PageHost& host)
    : Page(host, PageId::kGliders, "frmGliders"),
      WeightFrame(*this, "WeightFrame"),
      TypeFrame(*this, "TypeFrame"),
      PlacesFrame(*this, "PlacesFrame"),
      RatingFrame(*this, "RatingFrame"),
      StatsFrame(*this, "StatsFrame"),
      GliderNameLabel(*this, "GliderNameLabel"),
      ManufacturerLabel(*this, "ManufacturerLabel"),
      ModelLabel(*this, "ModelLabel"),
      GliderSizeLabel(*this, "GliderSizeLabel"),
      DateOfMfgLabel(*this, "DateOfMfgLabel"),
      GliderColorLabel(*this, "GliderColorLabel"),
      SerialNoLabel(*this, "SerialNoLabel"),
      WeightMinLabel(*this, "WeightMinLabel"),
      WeightMaxLabel(*this, "WeightMaxLabel"),
      PreAirtimeLabel(*this, "PreAirtimeLabel"),
      NotesLabel(*this, "NotesLabel"),
      TotalGlidersLabel(*this, "TotalGlidersLabel"),
      DhvLabel(*this, "DhvLabel"),
      AfnorLabel(*this, "AfnorLabel"),
      LongestLabel(*this, "LongestLabel"),
      HighestLabel(*this, "HighestLabel"),
      OverLaunchLabel(*this, "OverLaunchLabel"),
      DistanceLabel(*this, "DistanceLabel"),
      FlyingDaysLabel(*this, "FlyingDaysLabel"),
      FlightsLabel(*this, "FlightsLabel"),
      TotalAirtimeLabel(*this, "TotalAirtimeLabel"),
      Alt1(*this, "Alt1"),
      Alt2(*this, "Alt2"),
      Dist1(*this, "Dist1"),
      Weight1(*this, "Weight1"),
      Weight2(*this, "Weight2"),
      GliderName(*this, "GliderName"),
      Manufacturer(*this, "Manufacturer"),
      Model(*this, "Model"),
      GliderSize(*this, "GliderSize"),
      DateOfMfg(*this, "DateOfMfg"),
      GliderColor(*this, "GliderColor"),
      SerialNo(*this, "SerialNo"),
      WeightMin(*this, "WeightMin"),
      WeightMax(*this, "WeightMax"),
      PreAirtime(*this, "PreAirtime"),
      Notes(*this, "Notes"),
      GliderType(*this, "GliderType", 2),
      Places(*this, "Places", 2),
      DHV(*this, "DHV", kDhvClasses),
      AFNOR(*this, "AFNOR", kAfnorClasses),
      TotalGliders(*this, "TotalGliders"),
      Longest(*this, "Longest"),
      Highest(*this, "Highest"),
      OverLaunch(*this, "OverLaunch"),
      Distance(*this, "Distance"),
      FlyingDays(*this, "FlyingDays"),
      Flights(*this, "Flights"),
      TotalAirtime(*this, "TotalAirtime"),
      Details(*this, "Details", 4),
      NewGlider(*this, "NewGlider"),
      Enter(*this, "Enter"),
      Delete(*this, "Delete") {
  BuildLayout();
  WireEvents();
  SetTabOrder();
}

void frmGliders::BuildLayout() {
  BuildDetailControls();
  BuildClassControls();
  BuildStatsControls();

  NewGlider.SetCaption("New");
  NewGlider.Move(3900, 5760, 1080, 375);
  Enter.SetCaption("Enter");
  Enter.Move(5190, 5760, 1080, 375);
  Delete.SetCaption("Delete");
  Delete.Move(6480, 5760, 1080, 375);
}

void frmGliders::BuildDetailControls() {
  PlaceLabel(GliderNameLabel, "Glider Name:", 90, 600, 1500);
  GliderName.Move(90, 840, 3600, 315);
  GliderName.SetSorted(true);
  GliderName.SetComboStyle(ComboBox::Style::kDropDownCombo);

  struct Row {
    aloftra::Label* label;
    const char* caption;
    TextBox* box;
  };
  int top = 1260;
  for (Row row : {Row{&ManufacturerLabel, "Manufacturer:", &Manufacturer},
                  Row{&ModelLabel, "Model:", &Model}, Row{&GliderSizeLabel, "Size:", &GliderSize},
                  Row{&DateOfMfgLabel, "Date of Mfg:", &DateOfMfg},
                  Row{&GliderColorLabel, "Color:", &GliderColor},
                  Row{&SerialNoLabel, "Serial No:", &SerialNo}}) {
    PlaceLabel(*row.label, row.caption, 90, top + 30, 1200);
    row.box->Move(1320, top, 2370, 300);
    top += 360;
  }

  WeightFrame.SetCaption("Recommended Total Takeoff Weight");
  WeightFrame.Move(90, 3450, 3600, 1050);
  PlaceLabel(WeightMinLabel, "Minimum:", 210, 3750, 960);
  WeightMin.Move(1230, 3720, 900, 300);
  PlaceUnitLabel(Weight1, 2190, 3750);
  PlaceLabel(WeightMaxLabel, "Maximum:", 210, 4110, 960);
  WeightMax.Move(1230, 4080, 900, 300);
  PlaceUnitLabel(Weight2, 2190, 4110);
  for (Control* control : std::initializer_list<Control*>{&WeightMinLabel, &WeightMin, &Weight1,
                                                          &WeightMaxLabel, &WeightMax, &Weight2}) {
    control->SetContainer(&WeightFrame);
  }

  PlaceLabel(PreAirtimeLabel, "Prev. Airtime:", 90, 4650, 1200);
  PreAirtime.Move(1320, 4620, 900, 300);
  PreAirtime.SetToolTipText(
      "Enter any airtime on this glider which is not accounted for in the Aloftra");

  PlaceLabel(NotesLabel, "Glider Notes:", 90, 5010, 1500);
  Notes.SetMultiLine(true);
  Notes.Move(90, 5250, 3600, 900);
}

void frmGliders::BuildClassControls() {
  PlaceLabel(TotalGlidersLabel, "Total Number of Gliders:", 3900, 630, 2550);
  TotalGliders.Move(6540, 600, 1020, 300);
  MakeDisplayOnly(TotalGliders);

  TypeFrame.SetCaption("Glider Type");
  TypeFrame.Move(3900, 1020, 1500, 1050);
  GliderType[0].SetCaption("Hang Glider");
  GliderType[0].Move(4020, 1290, 1320, 300);
  GliderType[1].SetCaption("Paraglider");
  GliderType[1].Move(4020, 1650, 1320, 300);
  GliderType.ForEach([this](OptionButton& option) { option.SetContainer(&TypeFrame); });

  // The places buttons need a frame of their own to be a group apart from the type.
  PlacesFrame.Move(3900, 2130, 1500, 810);
  Places[0].SetCaption("Solo");
  Places[0].Move(4020, 2280, 1320, 300);
  Places[1].SetCaption("Tandem");
  Places[1].Move(4020, 2580, 1320, 300);
  Places.ForEach([this](OptionButton& option) { option.SetContainer(&PlacesFrame); });

  // A new page holds a solo hang glider until the pilot chooses otherwise; New keeps
  // whatever was chosen last.
  GliderType[0].SetValue(true);
  Places[0].SetValue(true);

  RatingFrame.SetCaption("DHV / AFNOR Rating");
  RatingFrame.Move(5490, 1020, 2070, 1920);
  PlaceLabel(DhvLabel, "DHV", 5610, 1260, 600);
  PlaceLabel(AfnorLabel, "AFNOR", 6270, 1260, 1200);
  const char* dhv[kDhvClasses] = {"1", "1-2", "2", "2-3", "3"};
  for (int i = 0; i < kDhvClasses; ++i) {
    DHV[i].SetCaption(dhv[i]);
    DHV[i].Move(5610, 1500 + 270 * i, 600, 255);
    DHV[i].SetContainer(&RatingFrame);
  }
  const char* afnor[kAfnorClasses] = {"Standard", "Performance", "Competition", "Tandem"};
  for (int i = 0; i < kAfnorClasses; ++i) {
    AFNOR[i].SetCaption(afnor[i]);
    AFNOR[i].Move(6270, 1500 + 270 * i, 1230, 255);
    AFNOR[i].SetContainer(&RatingFrame);
  }
  DhvLabel.SetContainer(&RatingFrame);
  AfnorLabel.SetContainer(&RatingFrame);
}

void frmGliders::BuildStatsControls() {
  StatsFrame.SetCaption("Glider Stats");
  StatsFrame.Move(3900, 3030, 3660, 2610);

  struct Row {
    aloftra::Label* label;
    const char* caption;
    TextBox* box;
    aloftra::Label* unit;
  };
  int top = 3300;
  int detail = 0;
  for (Row row : {Row{&LongestLabel, "Longest Flight:", &Longest, nullptr},
                  Row{&HighestLabel, "Highest Flight MSL:", &Highest, &Alt1},
                  Row{&OverLaunchLabel, "Highest Over Launch:", &OverLaunch, &Alt2},
                  Row{&DistanceLabel, "Greatest Distance:", &Distance, &Dist1},
                  Row{&FlyingDaysLabel, "Flying Days:", &FlyingDays, nullptr},
                  Row{&FlightsLabel, "Flights:", &Flights, nullptr},
                  Row{&TotalAirtimeLabel, "Total Airtime:", &TotalAirtime, nullptr}}) {
    PlaceLabel(*row.label, row.caption, 4020, top + 30, 1650);
    row.label->SetContainer(&StatsFrame);
    row.box->Move(5700, top, 780, 300);
    row.box->SetContainer(&StatsFrame);
    MakeDisplayOnly(*row.box);
    if (row.unit != nullptr) {
      PlaceUnitLabel(*row.unit, 6510, top + 30);
      row.unit->SetContainer(&StatsFrame);
    }
    // The four best values have a button that shows their flight.
    if (detail < 4) {
      Details[detail].SetCaption("Details");
      Details[detail].Move(6930, top, 600, 300);
      Details[detail].SetContainer(&StatsFrame);
      ++detail;
    }
    top += 330;
  }
}

void frmGliders::WireEvents() {
  GliderName.onChange = [this] { GliderName_Change(); };
  GliderName.onClick = [this] { GliderName_Click(); };
  for (TextBox* box : {&Manufacturer, &Model, &GliderSize, &DateOfMfg, &GliderColor, &SerialNo,
                       &WeightMin, &WeightMax, &PreAirtime, &Notes}) {
    box->onChange = [this] { MarkChanged(); };
  }
  GliderType.ForEach([this](OptionButton& option) { option.onClick = [this] { MarkChanged(); }; });
  Places.ForEach([this](OptionButton& option) { option.onClick = [this] { MarkChanged(); }; });
  // A click of the pilot toggles the box; what the release of the mouse then does follows.
  for (int i = 0; i < kDhvClasses; ++i)
    DHV[i].onClick = [this, i] { DHV_MouseUp(i); };
  for (int i = 0; i < kAfnorClasses; ++i)
    AFNOR[i].onClick = [this, i] { AFNOR_MouseUp(i); };

  DateOfMfg.onLostFocus = [this] { DateOfMfg_LostFocus(); };
  WeightMin.onLostFocus = [this] { WeightMin_LostFocus(); };
  WeightMax.onLostFocus = [this] { WeightMax_LostFocus(); };
  PreAirtime.onLostFocus = [this] { PreAirtime_LostFocus(); };

  for (int i = 0; i < 4; ++i)
    Details[i].onClick = [this, i] { Details_Click(i); };
  NewGlider.onClick = [this] { NewGlider_Click(); };
  Enter.onClick = [this] { Enter_Click(); };
  Delete.onClick = [this] { Delete_Click(); };
}

void frmGliders::SetTabOrder() {
  // The left column top to bottom, the type, places and class on the right, the buttons of
  // the statistics and the three commands; the locked boxes come last, Tab passes over them.
  int order = 0;
  std::initializer_list<Control*> details = {
      &GliderName,  &Manufacturer,  &Model,         &GliderSize, &DateOfMfg,
      &GliderColor, &SerialNo,      &WeightMin,     &WeightMax,  &PreAirtime,
      &Notes,       &GliderType[0], &GliderType[1], &Places[0],  &Places[1]};
  for (Control* control : details)
    control->SetTabIndex(order++);
  for (int i = 0; i < kDhvClasses; ++i)
    DHV[i].SetTabIndex(order++);
  for (int i = 0; i < kAfnorClasses; ++i)
    AFNOR[i].SetTabIndex(order++);
  for (int i = 0; i < 4; ++i)
    Details[i].SetTabIndex(order++);
  for (Control* control : std::initializer_list<Control*>{
           &NewGlider, &Enter, &Delete, &TotalGliders, &Longest, &Highest, &OverLaunch, &Distance,
           &FlyingDays, &Flights, &TotalAirtime}) {
    control->SetTabIndex(order++);
  }
  for (Control* control : Controls()) {
    if (control->Kind() == ControlKind::kCommandButton && control->Name().rfind("Goto", 0) == 0) {
      control->SetTabIndex(order++);
    }
  }
}

}  // namespace aloftra
