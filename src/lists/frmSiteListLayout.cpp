// The site page's controls: their captions, places (in twips of the page) and events. The
// site's own fields fill the left column above the wind rose; its statistics, description
// and web address fill the right column; the buttons that change the table sit at the
// bottom, where the flight page has its own.
#include <initializer_list>

#include "lists/frmSiteList.h"

namespace aloftra {

namespace {

void PlaceLabel(aloftra::Label& label, const char* caption, int left, int top, int width,
                int height = 240) {
  label.SetCaption(caption);
  label.Move(left, top, width, height);
}

void PlaceDisplayBox(TextBox& box, int left, int top, int width) {
  box.Move(left, top, width, 300);
  box.SetLocked(true);
  box.SetBackColor(kDisplayGrey);
}

}  // namespace

frmSiteList::frmSiteList(PageHost& host)
    : Page(host, PageId::kSiteList, "frmSiteList"),
      Alt3(*this, "Alt3"),
      DifficultyFrame(*this, "DifficultyFrame"),
      StatsFrame(*this, "StatsFrame"),
      SiteNameLabel(*this, "SiteNameLabel"),
      LocationLabel(*this, "LocationLabel"),
      LaunchLabel(*this, "LaunchLabel"),
      LandingLabel(*this, "LandingLabel"),
      RoseLabel(*this, "RoseLabel"),
      RoseNorth(*this, "RoseNorth"),
      RoseSouth(*this, "RoseSouth"),
      RoseWest(*this, "RoseWest"),
      RoseEast(*this, "RoseEast"),
      TotalSitesLabel(*this, "TotalSitesLabel"),
      LongestLabel(*this, "LongestLabel"),
      HighestLabel(*this, "HighestLabel"),
      OverLaunchLabel(*this, "OverLaunchLabel"),
      DistanceLabel(*this, "DistanceLabel"),
      FlyingDaysLabel(*this, "FlyingDaysLabel"),
      FlightsLabel(*this, "FlightsLabel"),
      AvgAirtimeLabel(*this, "AvgAirtimeLabel"),
      TotalAirtimeLabel(*this, "TotalAirtimeLabel"),
      DescriptionLabel(*this, "DescriptionLabel"),
      URLLabel(*this, "URLLabel"),
      Alt1(*this, "Alt1"),
      Alt2(*this, "Alt2"),
      Dist1(*this, "Dist1"),
      RoseOutline(*this, "RoseOutline"),
      RoseCentre(*this, "RoseCentre"),
      SiteName(*this, "SiteName"),
      Location(*this, "Location"),
      LaunchMSL(*this, "LaunchMSL"),
      LandingMSL(*this, "LandingMSL"),
      Difficulty(*this, "Difficulty", 4),
      Description(*this, "Description"),
      SiteURL(*this, "SiteURL"),
      Go(*this, "Go"),
      TotalSites(*this, "TotalSites"),
      Longest(*this, "Longest"),
      Highest(*this, "Highest"),
      OverLaunch(*this, "OverLaunch"),
      Distance(*this, "Distance"),
      FlyingDays(*this, "FlyingDays"),
      Flights(*this, "Flights"),
      AvgAirtime(*this, "AvgAirtime"),
      TotalAirtime(*this, "TotalAirtime"),
      Details(*this, "Details", 4),
      NewSite(*this, "NewSite"),
      Enter(*this, "Enter"),
      Delete(*this, "Delete") {
  BuildLayout();
  WireEvents();
  SetTabOrder();
}

void frmSiteList::BuildLayout() {
  BuildSiteControls();
  BuildRose();
  BuildStatistics();

  NewSite.SetCaption("New");
  NewSite.Move(4020, 5760, 1080, 375);
  Enter.SetCaption("Enter");
  Enter.Move(5250, 5760, 1080, 375);
  Delete.SetCaption("Delete");
  Delete.Move(6480, 5760, 1080, 375);
}

void frmSiteList::BuildSiteControls() {
  PlaceLabel(SiteNameLabel, "Site Name:", 90, 600, 1500);
  SiteName.SetComboStyle(ComboBox::Style::kDropDownCombo);
  SiteName.SetSorted(true);
  SiteName.Move(90, 840, 3630, 315);
  PlaceLabel(LocationLabel, "Location:", 90, 1230, 1500);
  Location.Move(90, 1470, 3630, 300);

  Alt3.SetCaption("Altitude Info (feet)");
  Alt3.Move(90, 1860, 2040, 1110);
  PlaceLabel(LaunchLabel, "Launch:", 210, 2190, 840);
  LaunchMSL.Move(1080, 2160, 840, 300);
  PlaceLabel(LandingLabel, "Landing:", 210, 2580, 840);
  LandingMSL.Move(1080, 2550, 840, 300);
  for (Control* control :
       std::initializer_list<Control*>{&LaunchLabel, &LaunchMSL, &LandingLabel, &LandingMSL}) {
    control->SetContainer(&Alt3);
  }

  DifficultyFrame.SetCaption("Site Difficulty");
  DifficultyFrame.Move(2220, 1860, 1500, 1470);
  const char* levels[] = {"Beginner", "Novice", "Intermediate", "Advanced"};
  for (int i = 0; i < 4; ++i) {
    Difficulty[i].SetCaption(levels[i]);
    Difficulty[i].Move(2340, 2130 + 285 * i, 1320, 270);
    Difficulty[i].SetContainer(&DifficultyFrame);
  }

  PlaceLabel(DescriptionLabel, "Site Description / Notes:", 3840, 3720, 3000);
  Description.SetMultiLine(true);
  Description.Move(3840, 3960, 3720, 1170);
  PlaceLabel(URLLabel, "Web Site:", 3840, 5280, 900);
  SiteURL.Move(4740, 5250, 2010, 300);
  Go.SetCaption("Go");
  Go.SetToolTipText("Open the site's web page");
  Go.Move(6840, 5250, 720, 300);
}

void frmSiteList::BuildRose() {
  constexpr int x = kSiteRoseCentreX;
  constexpr int y = kSiteRoseCentreY;
  PlaceLabel(RoseLabel, "Flyable Wind Directions", 90, 3210, 2040);
  RoseOutline.SetShapeKind(Shape::Kind::kCircle);
  RoseOutline.Move(x - 750, y - 750, 1500, 1500);
  RoseCentre.SetShapeKind(Shape::Kind::kCircle);
  RoseCentre.Move(x - 210, y - 210, 420, 420);
  PlaceLabel(RoseNorth, "N", x - 75, y - 990, 150, 225);
  PlaceLabel(RoseSouth, "S", x - 75, y + 765, 150, 225);
  PlaceLabel(RoseWest, "W", x - 960, y - 112, 195, 225);
  PlaceLabel(RoseEast, "E", x + 765, y - 112, 135, 225);
  for (aloftra::Label* letter : {&RoseNorth, &RoseSouth, &RoseWest, &RoseEast}) {
    letter->SetTextAlignment(Alignment::kCenter);
  }
}

void frmSiteList::BuildStatistics() {
  PlaceLabel(TotalSitesLabel, "Total Number of Flying Sites:", 3840, 630, 2880);
  PlaceDisplayBox(TotalSites, 6840, 600, 720);

  StatsFrame.SetCaption("Site Stats");
  StatsFrame.Move(3840, 1020, 3720, 2580);
  struct BestRow {
    aloftra::Label* label;
    const char* caption;
    TextBox* box;
    aloftra::Label* unit;
  };
  const BestRow rows[] = {{&LongestLabel, "Longest Flight:", &Longest, nullptr},
                          {&HighestLabel, "Highest Flight MSL:", &Highest, &Alt1},
                          {&OverLaunchLabel, "Highest Over Launch:", &OverLaunch, &Alt2},
                          {&DistanceLabel, "Greatest Distance:", &Distance, &Dist1}};
  for (int i = 0; i < 4; ++i) {
    const int top = 1320 + 360 * i;
    PlaceLabel(*rows[i].label, rows[i].caption, 3960, top + 30, 1530);
    PlaceDisplayBox(*rows[i].box, 5520, top, 780);
    if (rows[i].unit != nullptr) rows[i].unit->Move(6330, top + 30, 420, 240);
    Details[i].SetCaption("Details");
    Details[i].Move(6780, top, 690, 300);
  }
  Details[kDetailsLongest].SetToolTipText("Show the longest flight at this site");
  Details[kDetailsHighest].SetToolTipText("Show the highest flight at this site");
  Details[kDetailsOverLaunch].SetToolTipText("Show the flight highest over launch");
  Details[kDetailsDistance].SetToolTipText("Show the longest cross-country flight");

  PlaceLabel(FlyingDaysLabel, "Flying Days:", 3960, 2850, 1050);
  PlaceDisplayBox(FlyingDays, 5040, 2820, 660);
  PlaceLabel(FlightsLabel, "Flights:", 5790, 2850, 990);
  PlaceDisplayBox(Flights, 6810, 2820, 660);
  PlaceLabel(AvgAirtimeLabel, "Avg. Airtime:", 3960, 3210, 1050);
  PlaceDisplayBox(AvgAirtime, 5040, 3180, 660);
  PlaceLabel(TotalAirtimeLabel, "Total Airtime:", 5790, 3210, 990);
  PlaceDisplayBox(TotalAirtime, 6810, 3180, 660);

  for (Control* control : std::initializer_list<Control*>{
           &LongestLabel, &HighestLabel, &OverLaunchLabel, &DistanceLabel, &Longest, &Highest,
           &OverLaunch, &Distance, &Alt1, &Alt2, &Dist1, &FlyingDaysLabel, &FlyingDays,
           &FlightsLabel, &Flights, &AvgAirtimeLabel, &AvgAirtime, &TotalAirtimeLabel,
           &TotalAirtime}) {
    control->SetContainer(&StatsFrame);
  }
  Details.ForEach([this](CommandButton& button) { button.SetContainer(&StatsFrame); });
}

void frmSiteList::WireEvents() {
  onPaint = [this] { Form_Paint(); };
  onMouseUp = [this](int button, int shift, double x, double y) {
    Form_MouseUp(button, shift, x, y);
  };

  SiteName.onChange = [this] { SiteName_Change(); };
  SiteName.onClick = [this] { SiteName_Click(); };
  for (TextBox* box : {&Location, &LaunchMSL, &LandingMSL, &Description, &SiteURL}) {
    box->onChange = [this] { MarkModified(); };
  }
  Difficulty.ForEach([this](CheckBox& box) { box.onClick = [this] { MarkModified(); }; });
  LaunchMSL.onLostFocus = [this] { LaunchMSL_LostFocus(); };
  LandingMSL.onLostFocus = [this] { LandingMSL_LostFocus(); };

  NewSite.onClick = [this] { NewSite_Click(); };
  Enter.onClick = [this] { Enter_Click(); };
  Delete.onClick = [this] { Delete_Click(); };
  Go.onClick = [this] { Go_Click(); };
  for (int i = 0; i < 4; ++i)
    Details[i].onClick = [this, i] { Details_Click(i); };
}

void frmSiteList::SetTabOrder() {
  // The site's own fields down the left column, then the right column (its links and the
  // description), then the buttons at the bottom. The locked boxes come last; Tab passes
  // over them.
  int order = 0;
  for (Control* control : std::initializer_list<Control*>{
           &SiteName,      &Location,      &LaunchMSL,     &LandingMSL, &Difficulty[0],
           &Difficulty[1], &Difficulty[2], &Difficulty[3], &Details[0], &Details[1],
           &Details[2],    &Details[3],    &Description,   &SiteURL,    &Go,
           &NewSite,       &Enter,         &Delete,        &TotalSites, &Longest,
           &Highest,       &OverLaunch,    &Distance,      &FlyingDays, &Flights,
           &AvgAirtime,    &TotalAirtime}) {
    control->SetTabIndex(order++);
  }
  for (Control* control : Controls()) {
    if (control->Kind() == ControlKind::kCommandButton && control->Name().rfind("Goto", 0) == 0) {
      control->SetTabIndex(order++);
    }
  }
}

}  // namespace aloftra
