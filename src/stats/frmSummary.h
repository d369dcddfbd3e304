// The summary page: the pilot's career totals, hang gliding on the left (controls H_) and
// paragliding on the right (controls P_). The previous-experience figures are the page's
// only inputs; everything else is read from the two pilot totals the statistics engine
// keeps.
//
// The page's work is split by concern: frmSummary.cpp builds the controls,
// frmSummaryDisplay.cpp shows the totals, frmSummaryInputs.cpp takes the previous-experience
// figures and leaves the page (page buttons, Details).
#pragma once

#include <array>
#include <string>

#include "core/Records.h"
#include "form/CommandButton.h"
#include "form/ControlArray.h"
#include "form/Frame.h"
#include "form/Label.h"
#include "form/TextBox.h"
#include "pagekit/Page.h"

namespace aloftra {

// The captions of one side, indices of H_Label and P_Label.
enum SummaryCaption : int {
  kCaptionPrevious = 0,  // the column headings
  kCaptionSolo,
  kCaptionTandem,
  kCaptionTotal,
  kCaptionDays,  // the row labels
  kCaptionFlights,
  kCaptionAirtime,
  kCaptionLongest,  // the best flights
  kCaptionHighest,
  kCaptionOverLaunch,
  kCaptionDistance,
  kCaptionGlidersFlown,  // the counts
  kCaptionSitesFlown,
  kCaptionHowLong,
  kSummaryCaptions
};

// The best flight a Details button jumps to; the paragliding buttons follow the four
// hang-gliding ones.
enum SummaryBest : int {
  kBestLongest = 0,
  kBestHighest = 1,
  kBestOverLaunch = 2,
  kBestDistance = 3,
  kBestKinds = 4
};

class frmSummary : public Page {
 public:
  explicit frmSummary(PageHost& host);

  Frame HangGlidingFrame;                // "Hang Gliding"
  Frame ParaglidingFrame;                // "Paragliding"
  ControlArray<aloftra::Label> H_Label;  // by SummaryCaption
  ControlArray<aloftra::Label> P_Label;
  // The units beside the altitudes (H_Highest, H_OverLaunch, P_Highest, P_OverLaunch) and
  // the distances (H_Distance, P_Distance).
  aloftra::Label Alt1, Alt2, Alt3, Alt4, Dist1, Dist2;

  TextBox H_DaysPrev, H_DaysSolo, H_DaysTandem, H_DaysTotal;
  TextBox H_FlightsPrev, H_FlightsSolo, H_FlightsTandem, H_FlightsTotal;
  TextBox H_AirtimePrev, H_AirtimeSolo, H_AirtimeTandem, H_AirtimeTotal;
  TextBox H_Longest, H_Highest, H_OverLaunch, H_Distance;
  TextBox H_GlidersFlown, H_SitesFlown, H_HowLong;

  TextBox P_DaysPrev, P_DaysSolo, P_DaysTandem, P_DaysTotal;
  TextBox P_FlightsPrev, P_FlightsSolo, P_FlightsTandem, P_FlightsTotal;
  TextBox P_AirtimePrev, P_AirtimeSolo, P_AirtimeTandem, P_AirtimeTotal;
  TextBox P_Longest, P_Highest, P_OverLaunch, P_Distance;
  TextBox P_GlidersFlown, P_SitesFlown, P_HowLong;

  // 0-3 hang gliding, 4-7 paragliding, each side by SummaryBest.
  ControlArray<CommandButton> Details;

  // Set by a change of a previous-experience figure: the flight numbers follow the previous
  // flights, so the statistics are recomputed when a page button leaves the page.
  bool RecomputePending = false;

  // Fills every box of both sides from the pilot totals.
  void SummaryDisplayInfo();
  void ApplyUnitLabels();
  void ApplyColorMode();

  // The previous-experience inputs.
  void H_DaysPrev_Change();
  void P_DaysPrev_Change();
  void H_FlightsPrev_Change();
  void P_FlightsPrev_Change();
  void H_AirtimePrev_Change();
  void P_AirtimePrev_Change();
  void H_AirtimePrev_LostFocus();
  void P_AirtimePrev_LostFocus();
  // Shows a best flight on the flight page.
  void Details_Click(int Index);

  // What the program tells every page.
  void OnStatisticsChanged() override { SummaryDisplayInfo(); }
  void OnLogbookReset() override;
  void OnLogbookLoaded() override;
  void OnUnitsChanged() override;
  void OnColorModeChanged() override { ApplyColorMode(); }
  void OnBeforeSave() override;

 protected:
  void BeforeLeavingByPageButton() override;

 private:
  // The controls of one side.
  struct Side {
    Frame& frame;
    ControlArray<aloftra::Label>& labels;
    TextBox& DaysPrev;
    TextBox& DaysSolo;
    TextBox& DaysTandem;
    TextBox& DaysTotal;
    TextBox& FlightsPrev;
    TextBox& FlightsSolo;
    TextBox& FlightsTandem;
    TextBox& FlightsTotal;
    TextBox& AirtimePrev;
    TextBox& AirtimeSolo;
    TextBox& AirtimeTandem;
    TextBox& AirtimeTotal;
    TextBox& Longest;
    TextBox& Highest;
    TextBox& OverLaunch;
    TextBox& Distance;
    TextBox& GlidersFlown;
    TextBox& SitesFlown;
    TextBox& HowLong;
    aloftra::Label& HighestUnit;
    aloftra::Label& OverLaunchUnit;
    aloftra::Label& DistanceUnit;
    int firstDetails;
  };
  enum class PreviousCount { kDays, kFlights };

  Side SideOf(WingType wing);
  // The sixteen display-only boxes of a side.
  std::array<TextBox*, 16> DisplayOnlyBoxes(WingType wing);

  void BuildSide(WingType wing, int left);
  void WireEvents();
  void SetTabOrder();

  void DisplaySide(WingType wing);
  // Writes a box without counting it as the pilot's edit.
  void Show(TextBox& box, const std::string& text);
  void PreviousCountChanged(WingType wing, PreviousCount which);
  void AirtimePrevChanged(WingType wing);
  void AirtimePrevLostFocus(WingType wing);
  // Runs a pending recompute before the page is left.
  void RecomputeIfPending();

  // Set while the page writes its own boxes, whose change handlers then do nothing.
  bool filling_ = false;
  // A previous airtime box the pilot has typed in since the page last wrote it: its text is
  // read when the box loses the focus (or the logbook is saved), and kept by redisplays.
  std::array<bool, 2> airtimeEdited_{};
};

}  // namespace aloftra
