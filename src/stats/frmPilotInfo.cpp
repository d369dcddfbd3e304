// The pilot page's controls: their captions, places (in twips of the page) and events.
#include "stats/frmPilotInfo.h"

#include <initializer_list>
#include <string>
#include <vector>

#include "core/Records.h"

namespace aloftra {

namespace {

constexpr const char* kRatingCaptions[2][kRatingBoxes] = {
    {"H1 - Beginner", "H2 - Novice", "H3 - Intermediate", "H4 - Advanced", "H5 - Master",
     "Tandem I", "Tandem II", "Basic Instructor", "Advanced Instructor", "Tandem Instructor"},
    {"P1 - Beginner", "P2 - Novice", "P3 - Intermediate", "P4 - Advanced", "P5 - Master",
     "Tandem I", "Tandem II", "Basic Instructor", "Advanced Instructor", "Tandem Instructor"}};
constexpr const char* kLilienthalCaptions[kLilienthalBoxes] = {"Bronze", "Silver", "Gold",
                                                               "Diamond Left", "Diamond Right"};
constexpr const char* kCrossCountryCaptions[kCrossCountryBoxes] = {
    "50 mile", "100 mile", "150 mile", "200 mile", "250 mile", "300 mile"};
constexpr const char* kSafePilotCaptions[kSafePilotBoxes] = {
    "Bronze", "Silver", "Gold", "1st Diamond", "2nd Diamond", "3rd Diamond", "4th Diamond"};
constexpr const char* kSafePilotTips[kSafePilotBoxes] = {
    "100 consecutive safe flights",   "300 consecutive safe flights",
    "500 consecutive safe flights",   "1,000 consecutive safe flights",
    "2,000 consecutive safe flights", "3,000 consecutive safe flights",
    "4,000 consecutive safe flights"};

// The places of one wing type's column, relative to its left edge: the ratings down the
// left with the safe-pilot award beside them, the cross-country and Lilienthal awards below.
// The cross-country frame is the wider one, so its caption shows whole.
constexpr int kColumnWidth = 3690;
constexpr int kColumnTop = 1920;
constexpr int kColumnHeight = 4230;
constexpr int kRatingTop = 2160;
constexpr int kBoxStep = 225;
constexpr int kLowerFramesTop = 4470;

void PlaceLabel(aloftra::Label& label, const char* caption, int left, int top, int width) {
  label.SetCaption(caption);
  label.Move(left, top, width, 240);
}

// Places the boxes of an array one below the other inside a frame.
void PlaceBoxes(ControlArray<CheckBox>& boxes, const char* const* captions, Frame& frame, int left,
                int top, int width) {
  for (int i = 0; i < boxes.Count(); ++i) {
    boxes[i].SetCaption(captions[i]);
    boxes[i].Move(left, top + kBoxStep * i, width, kBoxStep);
    boxes[i].SetContainer(&frame);
  }
}

}  // namespace

frmPilotInfo::frmPilotInfo(PageHost& host)
    : Page(host, PageId::kPilotInfo, "frmPilotInfo"),
      H_Frame(*this, "H_Frame"),
      P_Frame(*this, "P_Frame"),
      H_LilienthalFrame(*this, "H_LilienthalFrame"),
      H_XCFrame(*this, "H_XCFrame"),
      H_SafeFrame(*this, "H_SafeFrame"),
      P_LilienthalFrame(*this, "P_LilienthalFrame"),
      P_XCFrame(*this, "P_XCFrame"),
      P_SafeFrame(*this, "P_SafeFrame"),
      PilotNameLabel(*this, "PilotNameLabel"),
      EmailLabel(*this, "EmailLabel"),
      PhoneNoLabel(*this, "PhoneNoLabel"),
      USHGA_NoLabel(*this, "USHGA_NoLabel"),
      RegionLabel(*this, "RegionLabel"),
      PilotName(*this, "PilotName"),
      Email(*this, "Email"),
      PhoneNo(*this, "PhoneNo"),
      USHGA_No(*this, "USHGA_No"),
      Region(*this, "Region"),
      H_Rating(*this, "H_Rating", kRatingBoxes),
      H_Lilienthal(*this, "H_Lilienthal", kLilienthalBoxes),
      H_XC(*this, "H_XC", kCrossCountryBoxes),
      H_Safe(*this, "H_Safe", kSafePilotBoxes),
      P_Rating(*this, "P_Rating", kRatingBoxes),
      P_Lilienthal(*this, "P_Lilienthal", kLilienthalBoxes),
      P_XC(*this, "P_XC", kCrossCountryBoxes),
      P_Safe(*this, "P_Safe", kSafePilotBoxes) {
  BuildPilotFields();
  H_Frame.SetCaption("USHGA Hang Glider Ratings / Awards");
  P_Frame.SetCaption("USHGA Paraglider Ratings / Awards");
  BuildAwardColumn(0, 90);
  BuildAwardColumn(1, 90 + kColumnWidth + 90);
  WireEvents();
  SetTabOrder();
}

void frmPilotInfo::BuildPilotFields() {
  PlaceLabel(PilotNameLabel, "Pilot Name:", 90, 600, 1500);
  PilotName.Move(90, 840, 3690, 300);
  PlaceLabel(EmailLabel, "Email:", 3870, 600, 1500);
  Email.Move(3870, 840, 3690, 300);
  PlaceLabel(PhoneNoLabel, "Phone No:", 90, 1230, 1500);
  PhoneNo.Move(90, 1470, 2100, 300);
  PlaceLabel(USHGA_NoLabel, "USHGA No:", 2280, 1230, 1500);
  USHGA_No.Move(2280, 1470, 1500, 300);
  PlaceLabel(RegionLabel, "Region:", 3870, 1230, 900);
  Region.Move(3870, 1470, 900, 315);
  std::vector<ListItem> regions{{""}};
  for (int region = 1; region <= 13; ++region)
    regions.push_back({std::to_string(region)});
  Region.SetItems(std::move(regions));
}

void frmPilotInfo::BuildAwardColumn(int block, int left) {
  const bool hang = block == 0;
  Frame& column = hang ? H_Frame : P_Frame;
  Frame& lilienthal = hang ? H_LilienthalFrame : P_LilienthalFrame;
  Frame& crossCountry = hang ? H_XCFrame : P_XCFrame;
  Frame& safe = hang ? H_SafeFrame : P_SafeFrame;
  ControlArray<CheckBox>& ratings = hang ? H_Rating : P_Rating;

  column.Move(left, kColumnTop, kColumnWidth, kColumnHeight);
  for (int i = 0; i < kRatingBoxes; ++i) {
    ratings[i].SetCaption(kRatingCaptions[block][i]);
    ratings[i].Move(left + 120, kRatingTop + kBoxStep * i, 1830, kBoxStep);
    ratings[i].SetContainer(&column);
  }

  safe.SetCaption("Safe Pilot Award");
  safe.Move(left + 2040, 2160, 1590, 1875);
  ControlArray<CheckBox>& safeBoxes = hang ? H_Safe : P_Safe;
  PlaceBoxes(safeBoxes, kSafePilotCaptions, safe, left + 2130, 2400, 1410);
  for (int i = 0; i < kSafePilotBoxes; ++i)
    safeBoxes[i].SetToolTipText(kSafePilotTips[i]);

  crossCountry.SetCaption("Cross-Country Flight Award");
  crossCountry.Move(left + 60, kLowerFramesTop, 2040, 1635);
  PlaceBoxes(hang ? H_XC : P_XC, kCrossCountryCaptions, crossCountry, left + 180,
             kLowerFramesTop + 240, 1500);

  lilienthal.SetCaption("Lilienthal Award");
  lilienthal.Move(left + 2160, kLowerFramesTop, 1470, 1425);
  PlaceBoxes(hang ? H_Lilienthal : P_Lilienthal, kLilienthalCaptions, lilienthal, left + 2250,
             kLowerFramesTop + 240, 1320);

  for (Frame* frame : {&lilienthal, &crossCountry, &safe})
    frame->SetContainer(&column);
}

void frmPilotInfo::WireEvents() {
  for (TextBox* box : {&PilotName, &PhoneNo, &Email, &USHGA_No})
    box->onChange = [this] { MarkModified(); };
  Region.onClick = [this] { MarkModified(); };
  for (int i = 0; i < kRatingBoxes; ++i) {
    H_Rating[i].onClick = [this, i] { H_Rating_Click(i); };
    P_Rating[i].onClick = [this, i] { P_Rating_Click(i); };
  }
  for (int i = 0; i < kLilienthalBoxes; ++i) {
    H_Lilienthal[i].onClick = [this, i] { H_Lilienthal_Click(i); };
    P_Lilienthal[i].onClick = [this, i] { P_Lilienthal_Click(i); };
  }
  for (ControlArray<CheckBox>* boxes : {&H_XC, &P_XC, &H_Safe, &P_Safe})
    boxes->ForEach([this](CheckBox& box) { box.onClick = [this] { MarkModified(); }; });
}

void frmPilotInfo::SetTabOrder() {
  // The pilot's data as it reads, then each column down its ratings and its award frames;
  // the page buttons come last.
  int order = 0;
  for (Control* control :
       std::initializer_list<Control*>{&PilotName, &Email, &PhoneNo, &USHGA_No, &Region}) {
    control->SetTabIndex(order++);
  }
  for (int flag = 0; flag < kAwardFlags; ++flag)
    AwardBoxOfFlag(flag).SetTabIndex(order++);
  for (Control* control : Controls()) {
    if (control->Kind() == ControlKind::kCommandButton && control->Name().rfind("Goto", 0) == 0) {
      control->SetTabIndex(order++);
    }
  }
}

}  // namespace aloftra
