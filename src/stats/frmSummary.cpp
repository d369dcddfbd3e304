// The summary page's controls: their captions, places (in twips of the page) and events.
#include "stats/frmSummary.h"

#include <initializer_list>

#include "core/Logbook.h"

namespace aloftra {

namespace {

constexpr Color kDisplayOnlyGrey = Rgb(220, 220, 220);

// Each side is a frame of this width; the hang-gliding one on the left.
constexpr int kSideWidth = 3690;
constexpr int kHangGlidingLeft = 90;
constexpr int kParaglidingLeft = 3870;
constexpr int kFrameTop = 600;
constexpr int kFrameHeight = 4950;

// Places within a side, from the frame's left edge.
constexpr int kRowLabelLeft = 120;
constexpr int kColumnLeft = 900;  // the first of the four columns of the table
constexpr int kColumnStep = 690;
constexpr int kColumnWidth = 630;
constexpr int kHeadingTop = 930;
constexpr std::array<int, 3> kTableRowTops = {1200, 1590, 1980};
constexpr std::array<int, kBestKinds> kBestRowTops = {2550, 2940, 3330, 3720};
constexpr std::array<int, 3> kCountRowTops = {4290, 4680, 5070};
constexpr int kBoxHeight = 300;
constexpr int kLabelHeight = 240;
constexpr int kLabelDrop = 30;  // a label's text sits level with its box's

void PlaceLabel(aloftra::Label& label, const std::string& caption, int left, int top, int width) {
  label.SetCaption(caption);
  label.Move(left, top, width, kLabelHeight);
}

}  // namespace

frmSummary::frmSummary(PageHost& host)
    : Page(host, PageId::kSummary, "frmSummary"),
      HangGlidingFrame(*this, "HangGlidingFrame"),
      ParaglidingFrame(*this, "ParaglidingFrame"),
      H_Label(*this, "H_Label", kSummaryCaptions),
      P_Label(*this, "P_Label", kSummaryCaptions),
      Alt1(*this, "Alt1"),
      Alt2(*this, "Alt2"),
      Alt3(*this, "Alt3"),
      Alt4(*this, "Alt4"),
      Dist1(*this, "Dist1"),
      Dist2(*this, "Dist2"),
      H_DaysPrev(*this, "H_DaysPrev"),
      H_DaysSolo(*this, "H_DaysSolo"),
      H_DaysTandem(*this, "H_DaysTandem"),
      H_DaysTotal(*this, "H_DaysTotal"),
      H_FlightsPrev(*this, "H_FlightsPrev"),
      H_FlightsSolo(*this, "H_FlightsSolo"),
      H_FlightsTandem(*this, "H_FlightsTandem"),
      H_FlightsTotal(*this, "H_FlightsTotal"),
      H_AirtimePrev(*this, "H_AirtimePrev"),
      H_AirtimeSolo(*this, "H_AirtimeSolo"),
      H_AirtimeTandem(*this, "H_AirtimeTandem"),
      H_AirtimeTotal(*this, "H_AirtimeTotal"),
      H_Longest(*this, "H_Longest"),
      H_Highest(*this, "H_Highest"),
      H_OverLaunch(*this, "H_OverLaunch"),
      H_Distance(*this, "H_Distance"),
      H_GlidersFlown(*this, "H_GlidersFlown"),
      H_SitesFlown(*this, "H_SitesFlown"),
      H_HowLong(*this, "H_HowLong"),
      P_DaysPrev(*this, "P_DaysPrev"),
      P_DaysSolo(*this, "P_DaysSolo"),
      P_DaysTandem(*this, "P_DaysTandem"),
      P_DaysTotal(*this, "P_DaysTotal"),
      P_FlightsPrev(*this, "P_FlightsPrev"),
      P_FlightsSolo(*this, "P_FlightsSolo"),
      P_FlightsTandem(*this, "P_FlightsTandem"),
      P_FlightsTotal(*this, "P_FlightsTotal"),
      P_AirtimePrev(*this, "P_AirtimePrev"),
      P_AirtimeSolo(*this, "P_AirtimeSolo"),
      P_AirtimeTandem(*this, "P_AirtimeTandem"),
      P_AirtimeTotal(*this, "P_AirtimeTotal"),
      P_Longest(*this, "P_Longest"),
      P_Highest(*this, "P_Highest"),
      P_OverLaunch(*this, "P_OverLaunch"),
      P_Distance(*this, "P_Distance"),
      P_GlidersFlown(*this, "P_GlidersFlown"),
      P_SitesFlown(*this, "P_SitesFlown"),
      P_HowLong(*this, "P_HowLong"),
      Details(*this, "Details", 2 * kBestKinds) {
  HangGlidingFrame.SetCaption("Hang Gliding");
  ParaglidingFrame.SetCaption("Paragliding");
  BuildSide(kHangGliding, kHangGlidingLeft);
  BuildSide(kParagliding, kParaglidingLeft);
  WireEvents();
  SetTabOrder();
}

frmSummary::Side frmSummary::SideOf(WingType wing) {
  if (wing == kHangGliding) {
    return Side{HangGlidingFrame,
                H_Label,
                H_DaysPrev,
                H_DaysSolo,
                H_DaysTandem,
                H_DaysTotal,
                H_FlightsPrev,
                H_FlightsSolo,
                H_FlightsTandem,
                H_FlightsTotal,
                H_AirtimePrev,
                H_AirtimeSolo,
                H_AirtimeTandem,
                H_AirtimeTotal,
                H_Longest,
                H_Highest,
                H_OverLaunch,
                H_Distance,
                H_GlidersFlown,
                H_SitesFlown,
                H_HowLong,
                Alt1,
                Alt2,
                Dist1,
                0};
  }
  return Side{ParaglidingFrame, P_Label,        P_DaysPrev,     P_DaysSolo,
              P_DaysTandem,     P_DaysTotal,    P_FlightsPrev,  P_FlightsSolo,
              P_FlightsTandem,  P_FlightsTotal, P_AirtimePrev,  P_AirtimeSolo,
              P_AirtimeTandem,  P_AirtimeTotal, P_Longest,      P_Highest,
              P_OverLaunch,     P_Distance,     P_GlidersFlown, P_SitesFlown,
              P_HowLong,        Alt3,           Alt4,           Dist2,
              kBestKinds};
}

std::array<TextBox*, 16> frmSummary::DisplayOnlyBoxes(WingType wing) {
  Side s = SideOf(wing);
  return {&s.Longest,      &s.Highest,     &s.OverLaunch,    &s.Distance,
          &s.GlidersFlown, &s.SitesFlown,  &s.HowLong,       &s.DaysSolo,
          &s.DaysTandem,   &s.DaysTotal,   &s.FlightsSolo,   &s.FlightsTandem,
          &s.FlightsTotal, &s.AirtimeSolo, &s.AirtimeTandem, &s.AirtimeTotal};
}

void frmSummary::BuildSide(WingType wing, int left) {
  Side s = SideOf(wing);
  s.frame.Move(left, kFrameTop, kSideWidth, kFrameHeight);
  auto inFrame = [&s](Control& control) { control.SetContainer(&s.frame); };

  // The table: columns "Previous", "Solo", "Tandem", "Total"; rows days, flights, airtime.
  const std::array<std::array<TextBox*, 4>, 3> table = {{
      {&s.DaysPrev, &s.DaysSolo, &s.DaysTandem, &s.DaysTotal},
      {&s.FlightsPrev, &s.FlightsSolo, &s.FlightsTandem, &s.FlightsTotal},
      {&s.AirtimePrev, &s.AirtimeSolo, &s.AirtimeTandem, &s.AirtimeTotal},
  }};
  const std::array<const char*, 4> headings = {"Previous", "Solo", "Tandem", "Total"};
  const std::array<const char*, 3> rowCaptions = {"Days:", "Flights:", "Airtime:"};
  for (int column = 0; column < 4; ++column) {
    aloftra::Label& heading = s.labels[kCaptionPrevious + column];
    PlaceLabel(heading, headings[column], left + kColumnLeft + column * kColumnStep, kHeadingTop,
               kColumnWidth);
    heading.SetTextAlignment(Alignment::kCenter);
    inFrame(heading);
  }
  for (int row = 0; row < 3; ++row) {
    const int top = kTableRowTops[row];
    aloftra::Label& caption = s.labels[kCaptionDays + row];
    PlaceLabel(caption, rowCaptions[row], left + kRowLabelLeft, top + kLabelDrop,
               kColumnLeft - kRowLabelLeft - 60);
    inFrame(caption);
    for (int column = 0; column < 4; ++column) {
      TextBox& box = *table[row][column];
      box.Move(left + kColumnLeft + column * kColumnStep, top, kColumnWidth, kBoxHeight);
      box.SetTextAlignment(Alignment::kRight);
      inFrame(box);
    }
  }
  s.DaysPrev.SetToolTipText("Enter the total number of flying days from previous log books.");
  s.FlightsPrev.SetToolTipText("Enter the total number of flights from previous log books.");
  s.AirtimePrev.SetToolTipText("Enter the total airtime from previous log books.");

  // The best flights, each with its unit (the longest is an airtime) and Details button.
  const std::array<const char*, kBestKinds> bestCaptions = {
      "Longest Flight:", "Highest Flight MSL:", "Highest Over Launch:", "Greatest Distance:"};
  const std::array<TextBox*, kBestKinds> bestBoxes = {&s.Longest, &s.Highest, &s.OverLaunch,
                                                      &s.Distance};
  const std::array<aloftra::Label*, kBestKinds> units = {nullptr, &s.HighestUnit, &s.OverLaunchUnit,
                                                         &s.DistanceUnit};
  for (int best = 0; best < kBestKinds; ++best) {
    const int top = kBestRowTops[best];
    aloftra::Label& caption = s.labels[kCaptionLongest + best];
    PlaceLabel(caption, bestCaptions[best], left + kRowLabelLeft, top + kLabelDrop, 1560);
    inFrame(caption);
    bestBoxes[best]->Move(left + 1710, top, 690, kBoxHeight);
    bestBoxes[best]->SetTextAlignment(Alignment::kRight);
    inFrame(*bestBoxes[best]);
    if (units[best] != nullptr) {
      units[best]->Move(left + 2445, top + kLabelDrop, 390, kLabelHeight);
      inFrame(*units[best]);
    }
    CommandButton& details = Details[s.firstDetails + best];
    details.SetCaption("Details");
    details.Move(left + 2880, top, 720, kBoxHeight);
    inFrame(details);
  }

  // The counts.
  const std::array<const char*, 3> countCaptions = {
      "Number of different gliders flown:", "Number of sites flown:",
      "Number of days since last flight:"};
  const std::array<TextBox*, 3> countBoxes = {&s.GlidersFlown, &s.SitesFlown, &s.HowLong};
  for (int count = 0; count < 3; ++count) {
    const int top = kCountRowTops[count];
    aloftra::Label& caption = s.labels[kCaptionGlidersFlown + count];
    PlaceLabel(caption, countCaptions[count], left + kRowLabelLeft, top + kLabelDrop, 2730);
    inFrame(caption);
    countBoxes[count]->Move(left + 2880, top, 720, kBoxHeight);
    countBoxes[count]->SetTextAlignment(Alignment::kRight);
    inFrame(*countBoxes[count]);
  }

  for (TextBox* box : DisplayOnlyBoxes(wing)) {
    box->SetLocked(true);
    box->SetBackColor(kDisplayOnlyGrey);
  }
}

void frmSummary::WireEvents() {
  H_DaysPrev.onChange = [this] { H_DaysPrev_Change(); };
  P_DaysPrev.onChange = [this] { P_DaysPrev_Change(); };
  H_FlightsPrev.onChange = [this] { H_FlightsPrev_Change(); };
  P_FlightsPrev.onChange = [this] { P_FlightsPrev_Change(); };
  H_AirtimePrev.onChange = [this] { H_AirtimePrev_Change(); };
  P_AirtimePrev.onChange = [this] { P_AirtimePrev_Change(); };
  H_AirtimePrev.onLostFocus = [this] { H_AirtimePrev_LostFocus(); };
  P_AirtimePrev.onLostFocus = [this] { P_AirtimePrev_LostFocus(); };
  for (int index = Details.FirstIndex(); index <= Details.LastIndex(); ++index) {
    Details[index].onClick = [this, index] { Details_Click(index); };
  }
}

void frmSummary::SetTabOrder() {
  // Each side from top to bottom: its three inputs, then its Details buttons. The locked
  // boxes come next (Tab passes over them), the page buttons last.
  int order = 0;
  for (WingType wing : {kHangGliding, kParagliding}) {
    Side s = SideOf(wing);
    for (Control* control :
         std::initializer_list<Control*>{&s.DaysPrev, &s.FlightsPrev, &s.AirtimePrev}) {
      control->SetTabIndex(order++);
    }
    for (int best = 0; best < kBestKinds; ++best) {
      Details[s.firstDetails + best].SetTabIndex(order++);
    }
  }
  for (WingType wing : {kHangGliding, kParagliding}) {
    for (TextBox* box : DisplayOnlyBoxes(wing))
      box->SetTabIndex(order++);
  }
  for (PageId page : {PageId::kAloftra, PageId::kSiteList, PageId::kGliders, PageId::kPilotInfo,
                      PageId::kSummary, PageId::kGraphs, PageId::kNotes}) {
    PageButton(page).SetTabIndex(order++);
  }
}

void frmSummary::ApplyColorMode() {
  Color back = host_.Book().doc.COLOR_MODE != 0 ? kDisplayOnlyGrey : kWhite;
  for (WingType wing : {kHangGliding, kParagliding}) {
    for (TextBox* box : DisplayOnlyBoxes(wing))
      box->SetBackColor(back);
  }
}

}  // namespace aloftra
