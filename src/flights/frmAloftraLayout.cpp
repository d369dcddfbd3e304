// The flight page's controls: their captions, places (in twips of the page) and events.
#include "flights/frmAloftra.h"

namespace aloftra {

namespace {

void PlaceLabel(aloftra::Label& label, const char* caption, int left, int top, int width,
                int height = 240) {
  label.SetCaption(caption);
  label.Move(left, top, width, height);
}

void PlaceUnitLabel(aloftra::Label& label, int left, int top) {
  label.Move(left, top, 450, 240);
}

}  // namespace

frmAloftra::frmAloftra(PageHost& host)
    : Page(host, PageId::kAloftra, "frmAloftra"),
      GliderFrame(*this, "GliderFrame"),
      SiteFrame(*this, "SiteFrame"),
      CrossCountryFrame(*this, "CrossCountryFrame"),
      AltitudeFrame(*this, "AltitudeFrame"),
      Label(*this, "Label", 5),
      FlightDateLabel(*this, "FlightDateLabel"),
      TimeOfDayLabel(*this, "TimeOfDayLabel"),
      PeakWindLabel(*this, "PeakWindLabel"),
      MaxLiftLabel(*this, "MaxLiftLabel"),
      MaxSinkLabel(*this, "MaxSinkLabel"),
      LaunchLabel(*this, "LaunchLabel"),
      LandingLabel(*this, "LandingLabel"),
      MaxMslLabel(*this, "MaxMslLabel"),
      OverLaunchLabel(*this, "OverLaunchLabel"),
      DistanceLabel(*this, "DistanceLabel"),
      TurbulenceLabel(*this, "TurbulenceLabel"),
      RoseSouth(*this, "RoseSouth"),
      RoseWest(*this, "RoseWest"),
      RoseEast(*this, "RoseEast"),
      Speed1(*this, "Speed1"),
      Speed2(*this, "Speed2"),
      Alt1(*this, "Alt1"),
      Alt2(*this, "Alt2"),
      Alt3(*this, "Alt3"),
      Alt4(*this, "Alt4"),
      Rate1(*this, "Rate1"),
      Rate2(*this, "Rate2"),
      Dist1(*this, "Dist1"),
      GliderType(*this, "GliderType"),
      VarioMax(*this, "VarioMax"),
      VarioMin(*this, "VarioMin"),
      FilterStatus1(*this, "FilterStatus1"),
      FilterStatus2(*this, "FilterStatus2"),
      SortStatus1(*this, "SortStatus1"),
      SortStatus2(*this, "SortStatus2"),
      EntryIndex(*this, "EntryIndex"),
      RemarksLabel(*this, "RemarksLabel"),
      RoseOutline(*this, "RoseOutline"),
      RoseCentre(*this, "RoseCentre"),
      Turbulence(*this, "Turbulence", 1, 6),
      Lines(*this, "Lines", 15),
      FlightNo(*this, "FlightNo"),
      FlightDate(*this, "FlightDate"),
      TimeOfDay(*this, "TimeOfDay"),
      AirTime(*this, "AirTime"),
      GliderName(*this, "GliderName"),
      Places(*this, "Places", 2),
      SiteName(*this, "SiteName"),
      SiteLocation(*this, "SiteLocation"),
      BaseWind(*this, "BaseWind"),
      PeakWind(*this, "PeakWind"),
      MaxLift(*this, "MaxLift"),
      MaxSink(*this, "MaxSink"),
      LaunchMSL(*this, "LaunchMSL"),
      MaxMSL(*this, "MaxMSL"),
      OverLaunch(*this, "OverLaunch"),
      LandingMSL(*this, "LandingMSL"),
      Distance(*this, "Distance"),
      XC_Details(*this, "XC_Details"),
      NonFlying(*this, "NonFlying"),
      Highlight(*this, "Highlight"),
      Remarks(*this, "Remarks"),
      RemarksExpand(*this, "RemarksExpand"),
      RemarksRestore(*this, "RemarksRestore"),
      ViewEntry(*this, "ViewEntry", 4),
      NewEntry(*this, "NewEntry"),
      Enter(*this, "Enter"),
      DeleteEntry(*this, "DeleteEntry") {
  BuildLayout();
  WireEvents();
  SetTabOrder();
}

void frmAloftra::BuildLayout() {
  GliderFrame.SetCaption("Glider");
  GliderFrame.Move(90, 1320, 3030, 1110);
  SiteFrame.SetCaption("Site Name  /  Location");
  SiteFrame.Move(90, 2490, 3030, 1110);
  CrossCountryFrame.SetCaption("Cross-Country Flight");
  CrossCountryFrame.Move(90, 3660, 3030, 1050);
  AltitudeFrame.SetCaption("Altitude Info");
  AltitudeFrame.Move(3210, 3120, 4335, 1200);
  BuildEntryControls();
  BuildConditionControls();
  BuildNavigationControls();
}

void frmAloftra::BuildEntryControls() {
  PlaceLabel(Label[0], "Flight No:", 90, 600, 840);
  FlightNo.Move(90, 840, 780, 300);
  FlightNo.SetLocked(true);
  FlightNo.SetBackColor(kDisplayGrey);
  FlightNo.SetTextAlignment(Alignment::kCenter);
  PlaceLabel(FlightDateLabel, "Date:", 960, 600, 1500);
  FlightDate.Move(960, 840, 1590, 300);
  PlaceLabel(TimeOfDayLabel, "Time:", 2640, 600, 900);
  TimeOfDay.Move(2640, 840, 1020, 300);
  PlaceLabel(Label[1], "Airtime:", 3750, 600, 780);
  AirTime.Move(3750, 840, 780, 300);

  GliderName.Move(210, 1590, 2790, 315);
  GliderName.SetSorted(true);
  GliderName.SetContainer(&GliderFrame);
  GliderType.Move(210, 2010, 1260, 255);
  GliderType.SetContainer(&GliderFrame);
  Places[0].SetCaption("Solo");
  Places[0].Move(1500, 1980, 720, 300);
  Places[1].SetCaption("Tandem");
  Places[1].Move(2220, 1980, 840, 300);
  Places.ForEach([this](OptionButton& option) { option.SetContainer(&GliderFrame); });
  Places[0].SetValue(true);

  SiteName.Move(210, 2760, 2790, 315);
  SiteName.SetSorted(true);
  SiteName.SetContainer(&SiteFrame);
  SiteLocation.Move(210, 3150, 2790, 300);
  SiteLocation.SetLocked(true);
  SiteLocation.SetBackColor(kDisplayGrey);
  SiteLocation.SetContainer(&SiteFrame);

  PlaceLabel(DistanceLabel, "Distance:", 210, 3960, 780);
  DistanceLabel.SetContainer(&CrossCountryFrame);
  Distance.Move(1020, 3930, 780, 300);
  Distance.SetContainer(&CrossCountryFrame);
  PlaceUnitLabel(Dist1, 1860, 3960);
  Dist1.SetContainer(&CrossCountryFrame);
  XC_Details.SetCaption("View Details");
  XC_Details.Move(1020, 4290, 1320, 330);
  XC_Details.SetContainer(&CrossCountryFrame);

  PlaceLabel(LaunchLabel, "Launch:", 3300, 3420, 840);
  LaunchMSL.Move(4170, 3390, 660, 300);
  PlaceUnitLabel(Alt1, 4890, 3420);
  PlaceLabel(LandingLabel, "Landing:", 3300, 3840, 840);
  LandingMSL.Move(4170, 3810, 660, 300);
  PlaceUnitLabel(Alt2, 4890, 3840);
  PlaceLabel(MaxMslLabel, "Max MSL:", 5430, 3420, 1050);
  MaxMSL.Move(6480, 3390, 660, 300);
  PlaceUnitLabel(Alt3, 7170, 3420);
  PlaceLabel(OverLaunchLabel, "Over Launch:", 5430, 3840, 1050);
  OverLaunch.Move(6480, 3810, 660, 300);
  PlaceUnitLabel(Alt4, 7170, 3840);
  for (Control* control : std::initializer_list<Control*>{
           &LaunchLabel, &LaunchMSL, &Alt1, &LandingLabel, &LandingMSL, &Alt2, &MaxMslLabel,
           &MaxMSL, &Alt3, &OverLaunchLabel, &OverLaunch, &Alt4}) {
    control->SetContainer(&AltitudeFrame);
  }

  NonFlying.SetCaption("Non-Flying Entry");
  NonFlying.Move(90, 5280, 1740, 300);
  Highlight.SetCaption("Highlight Entry");
  Highlight.Move(1860, 5280, 1560, 300);

  PlaceLabel(RemarksLabel, "Remarks:", 3210, 4440, 1200);
  Remarks.SetMultiLine(true);
  Remarks.Move(3210, 4680, 4335, 910);
  RemarksExpand.SetCaption("+");
  RemarksExpand.SetToolTipText("Expand remarks window");
  RemarksExpand.Move(7275, 4410, 270, 255);
  RemarksRestore.SetCaption("-");
  RemarksRestore.SetToolTipText("Restore remarks window");
  RemarksRestore.Move(7275, 1050, 270, 255);
  RemarksRestore.SetVisible(false);
}

void frmAloftra::BuildConditionControls() {
  PlaceLabel(Label[3], "Flight Conditions", 3300, 1320, 1920);
  Label[3].SetFont(Font{8.25, true});
  PlaceLabel(Label[4], "Base Wind:", 3300, 1590, 870);
  BaseWind.Move(4200, 1560, 540, 285);
  PlaceUnitLabel(Speed1, 4800, 1590);
  PlaceLabel(PeakWindLabel, "Peak Wind:", 3300, 1875, 870);
  PeakWind.Move(4200, 1845, 540, 285);
  PlaceUnitLabel(Speed2, 4800, 1875);
  PlaceLabel(MaxLiftLabel, "Max Lift:", 3300, 2160, 870);
  MaxLift.Move(4200, 2130, 540, 285);
  PlaceUnitLabel(Rate1, 4800, 2160);
  PlaceLabel(MaxSinkLabel, "Max Sink:", 3300, 2445, 870);
  MaxSink.Move(4200, 2415, 540, 285);
  PlaceUnitLabel(Rate2, 4800, 2445);

  for (int k = 1; k <= 6; ++k) {
    Turbulence[k].SetShapeKind(Shape::Kind::kRectangle);
    Turbulence[k].Move(3360 + 330 * (k - 1), 2760, 315, 165);
  }
  PlaceLabel(TurbulenceLabel, "Smooth                Turbulent", 3360, 2940, 1980, 210);
  TurbulenceLabel.SetFont(Font{7, false});

  // The wind rose: its ring, its centre, and the compass letters around it.
  RoseOutline.SetShapeKind(Shape::Kind::kCircle);
  RoseOutline.Move(kRoseCentreX - 750, kRoseCentreY - 750, 1500, 1500);
  RoseCentre.SetShapeKind(Shape::Kind::kCircle);
  RoseCentre.Move(kRoseCentreX - 210, kRoseCentreY - 210, 420, 420);
  PlaceLabel(Label[2], "N", kRoseCentreX - 75, kRoseCentreY - 990, 150, 225);
  PlaceLabel(RoseSouth, "S", kRoseCentreX - 75, kRoseCentreY + 765, 150, 225);
  PlaceLabel(RoseWest, "W", kRoseCentreX - 960, kRoseCentreY - 112, 195, 225);
  PlaceLabel(RoseEast, "E", kRoseCentreX + 765, kRoseCentreY - 112, 135, 225);
  for (aloftra::Label* letter : {&Label[2], &RoseSouth, &RoseWest, &RoseEast}) {
    letter->SetTextAlignment(Alignment::kCenter);
  }

  // The vario scale: its frame, the zero line, and ticks at each fifth of full scale.
  Lines[0].SetEnds(6900, 1845, 7410, 1845);
  Lines[1].SetEnds(6885, 840, 7410, 840);
  Lines[2].SetEnds(6885, 2865, 7410, 2865);
  Lines[3].SetEnds(6885, 840, 6885, 2865);
  Lines[4].SetEnds(7410, 840, 7410, 2865);
  for (int tick = 1; tick <= 5; ++tick) {
    int offset = 15 * 13 * tick;
    Lines[4 + tick].SetEnds(7335, 1830 - offset, 7410, 1830 - offset);
    Lines[9 + tick].SetEnds(7335, 1860 + offset, 7410, 1860 + offset);
  }
  PlaceLabel(VarioMax, "+", 7035, 630, 210, 210);
  VarioMax.SetVisible(false);
  PlaceLabel(VarioMin, "_", 7035, 2865, 210, 210);
  VarioMin.SetVisible(false);
}

void frmAloftra::BuildNavigationControls() {
  PlaceLabel(FilterStatus1, "Filter", 4650, 630, 600, 210);
  PlaceLabel(FilterStatus2, "Off", 5250, 630, 450, 210);
  PlaceLabel(SortStatus1, "Sort By", 4650, 870, 600, 210);
  PlaceLabel(SortStatus2, "Date", 5250, 870, 1050, 210);
  for (aloftra::Label* status : {&FilterStatus1, &FilterStatus2, &SortStatus1, &SortStatus2}) {
    status->SetFont(Font{7, false});
  }

  const char* pictures[] = {"first", "previous", "next", "last"};
  const int lefts[] = {90, 540, 2430, 2880};
  for (int i = 0; i < 4; ++i) {
    ViewEntry[i].SetPicture(pictures[i]);
    ViewEntry[i].Move(lefts[i], 5760, 420, 375);
  }
  ViewEntry[0].SetToolTipText("First entry");
  ViewEntry[1].SetToolTipText("Previous entry");
  ViewEntry[2].SetToolTipText("Next entry");
  ViewEntry[3].SetToolTipText("Last entry");
  PlaceLabel(EntryIndex, "9999 of 9999", 990, 5835, 1410, 240);
  EntryIndex.SetTextAlignment(Alignment::kCenter);

  NewEntry.SetCaption("New");
  NewEntry.Move(3780, 5760, 1080, 375);
  Enter.SetCaption("Enter");
  Enter.Move(5010, 5760, 1080, 375);
  DeleteEntry.SetCaption("Delete");
  DeleteEntry.Move(6240, 5760, 1080, 375);
}

void frmAloftra::WireEvents() {
  onLoad = [this] { Form_Load(); };
  onPaint = [this] { Form_Paint(); };
  onMouseUp = [this](int button, int shift, double x, double y) {
    Form_MouseUp(button, shift, x, y);
  };

  FlightDate.onLostFocus = [this] { FlightDate_LostFocus(); };
  TimeOfDay.onLostFocus = [this] { TimeOfDay_LostFocus(); };
  AirTime.onLostFocus = [this] { AirTime_LostFocus(); };
  LaunchMSL.onLostFocus = [this] { LaunchMSL_LostFocus(); };
  MaxMSL.onLostFocus = [this] { MaxMSL_LostFocus(); };
  OverLaunch.onLostFocus = [this] { OverLaunch_LostFocus(); };
  LandingMSL.onLostFocus = [this] { LandingMSL_LostFocus(); };
  FlightDate.onKeyPress = [this](int& key) { FlightDate_KeyPress(key); };
  FlightNo.onKeyPress = [this](int& key) { FlightNo_KeyPress(key); };

  for (TextBox* box : {&FlightDate, &TimeOfDay, &AirTime, &Distance, &BaseWind, &PeakWind,
                       &LaunchMSL, &MaxMSL, &OverLaunch, &LandingMSL, &Remarks}) {
    box->onChange = [this] { MarkModified(); };
  }
  MaxLift.onChange = [this] { MaxLift_Change(); };
  MaxSink.onChange = [this] { MaxSink_Change(); };

  Places[0].onClick = [this] { Places_Click(0); };
  Places[1].onClick = [this] { Places_Click(1); };
  Highlight.onClick = [this] { Highlight_Click(); };
  NonFlying.onClick = [this] { NonFlying_Click(); };
  GliderName.onClick = [this] { GliderName_Click(); };
  SiteName.onClick = [this] { SiteName_Click(); };
  RemarksExpand.onClick = [this] { RemarksExpand_Click(); };
  RemarksRestore.onClick = [this] { RemarksRestore_Click(); };
  XC_Details.onClick = [this] { XC_Details_Click(); };
  for (int i = 0; i < 4; ++i)
    ViewEntry[i].onClick = [this, i] { ViewEntry_Click(i); };
  NewEntry.onClick = [this] { NewEntry_Click(); };
  Enter.onClick = [this] { Enter_Click(); };
  DeleteEntry.onClick = [this] { DeleteEntry_Click(); };

  auto sortLabel = [this](int button, int, double, double) {
    StatusLabelMouseUp(button, kOptionsSort);
  };
  auto filterLabel = [this](int button, int, double, double) {
    StatusLabelMouseUp(button, kOptionsFilter);
  };
  SortStatus1.onMouseUp = sortLabel;
  SortStatus2.onMouseUp = sortLabel;
  FilterStatus1.onMouseUp = filterLabel;
  FilterStatus2.onMouseUp = filterLabel;
}

void frmAloftra::SetTabOrder() {
  // The page is read as it is laid out: the top row, the left column (glider, site,
  // cross-country, the two check boxes), the right column (conditions, altitudes, remarks),
  // then the row of buttons at the bottom. The locked boxes come last; Tab passes over them.
  int order = 0;
  for (Control* control : std::initializer_list<Control*>{
           &FlightDate,     &TimeOfDay, &AirTime,      &GliderName,   &Places[0],
           &Places[1],      &SiteName,  &Distance,     &XC_Details,   &NonFlying,
           &Highlight,      &BaseWind,  &PeakWind,     &MaxLift,      &MaxSink,
           &LaunchMSL,      &MaxMSL,    &LandingMSL,   &OverLaunch,   &RemarksExpand,
           &RemarksRestore, &Remarks,   &ViewEntry[0], &ViewEntry[1], &ViewEntry[2],
           &ViewEntry[3],   &NewEntry,  &Enter,        &DeleteEntry,  &FlightNo,
           &SiteLocation}) {
    control->SetTabIndex(order++);
  }
  for (Control* control : Controls()) {
    if (control->Kind() == ControlKind::kCommandButton && control->Name().rfind("Goto", 0) == 0) {
      control->SetTabIndex(order++);
    }
  }
}

}  // namespace aloftra
