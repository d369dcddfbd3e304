// The site page: the flying sites with their details and statistics, one site at a time.
// Flight entries refer to a site by its slot in the site table, so slots of live sites never
// move; a deleted site leaves a free slot that the next new site takes.
//
// The page's work is split by concern: frmSiteListLayout.cpp builds the controls,
// frmSiteList.cpp answers the program's hooks, frmSiteListDisplay.cpp shows a site, starts a
// new one and marks changes, frmSiteListChoice.cpp handles a site picked from the list,
// frmSiteListCommit.cpp enters and deletes, frmSiteListDrawing.cpp draws the wind rose and
// takes the page's clicks and its links (Details, Go).
#pragma once

#include <string>

#include "core/Records.h"
#include "form/CheckBox.h"
#include "form/ComboBox.h"
#include "form/CommandButton.h"
#include "form/ControlArray.h"
#include "form/Frame.h"
#include "form/Label.h"
#include "form/Shape.h"
#include "form/TextBox.h"
#include "pagekit/EditState.h"
#include "pagekit/ListEntryPages.h"
#include "pagekit/Page.h"
#include "pagekit/RecordPage.h"

namespace aloftra {

struct SiteRecord;

// The centre of this page's wind rose, in twips.
inline constexpr int kSiteRoseCentreX = 1110;
inline constexpr int kSiteRoseCentreY = 4680;

// The Details buttons, beside the four best values.
enum SiteDetails : int {
  kDetailsLongest = 0,
  kDetailsHighest = 1,
  kDetailsOverLaunch = 2,
  kDetailsDistance = 3
};

class frmSiteList : public Page, public RecordPage, public SiteEntryPage {
 public:
  explicit frmSiteList(PageHost& host);

  // Controls, in the order they are layered (later ones lie on top).
  Frame Alt3;  // the altitude frame: its caption names the altitude unit
  Frame DifficultyFrame;
  Frame StatsFrame;
  aloftra::Label SiteNameLabel;
  aloftra::Label LocationLabel;
  aloftra::Label LaunchLabel;
  aloftra::Label LandingLabel;
  aloftra::Label RoseLabel;
  aloftra::Label RoseNorth, RoseSouth, RoseWest, RoseEast;
  aloftra::Label TotalSitesLabel;
  aloftra::Label LongestLabel, HighestLabel, OverLaunchLabel, DistanceLabel;
  aloftra::Label FlyingDaysLabel, FlightsLabel, AvgAirtimeLabel, TotalAirtimeLabel;
  aloftra::Label DescriptionLabel;
  aloftra::Label URLLabel;
  aloftra::Label Alt1, Alt2, Dist1;  // units of Highest, OverLaunch and Distance
  Shape RoseOutline;
  Shape RoseCentre;

  ComboBox SiteName;
  TextBox Location;
  TextBox LaunchMSL;
  TextBox LandingMSL;
  ControlArray<CheckBox> Difficulty;  // 0 Beginner, 1 Novice, 2 Intermediate, 3 Advanced
  TextBox Description;
  TextBox SiteURL;
  CommandButton Go;
  TextBox TotalSites;
  TextBox Longest, Highest, OverLaunch, Distance;
  TextBox FlyingDays, Flights, AvgAirtime, TotalAirtime;
  ControlArray<CommandButton> Details;  // indexed by SiteDetails
  CommandButton NewSite;
  CommandButton Enter;
  CommandButton Delete;

  // Page state.
  EditState State = EditState::kClean;
  WindFlags RoseFlags{};

  // What the program tells every page.
  void OnLogbookReset() override;
  void OnLogbookLoaded() override;
  void OnUnitsChanged() override;
  void OnColorModeChanged() override { ApplyColorMode(); }
  // A site being edited keeps what the pilot typed.
  void OnStatisticsChanged() override;

  void ApplyUnitLabels();
  void ApplyColorMode();

  // Showing a site and starting a new one.
  void SiteListDisplayEntry();
  void SiteListColor(bool changed);
  void NewSite_Click();
  void SiteName_Click();
  // A site chosen in the site list view.
  void ShowRecord(int slot) override;

  // Change marking: the first change of a shown site makes it Modified.
  void SiteName_Change();
  void MarkModified();

  // Field checks, Enter and Delete.
  void LaunchMSL_LostFocus();
  void LandingMSL_LostFocus();
  void Enter_Click();
  // A whole site typed in by the import.
  bool EnterTypedSite(const SiteEntryText& site) override;
  void Delete_Click();

  // Links, drawing and the mouse.
  void Details_Click(int Index);
  void Go_Click();
  void Form_Paint();
  void Form_MouseUp(int Button, int Shift, double X, double Y);
  void DrawRose();
  void DrawRoseSector(int k, Flag flag);

 private:
  void BuildLayout();
  void BuildSiteControls();
  void BuildRose();
  void BuildStatistics();
  void WireEvents();
  void SetTabOrder();

  // Empties the controls for a new site (state New) without moving the focus.
  void ShowBlankSite();
  void ShowStatistics(const SiteRecord& site);
  // The slot of the current site when it holds a live site, else -1.
  int CurrentLiveSite() const;
  // "Do you want to save the changes to the '<stored name>' flying site?"
  std::string SaveChangesQuestion() const;
  // Puts what the pilot typed back into the name box after the list took it over: the
  // stored name's entry selected (none for a new site), the typed text in the box.
  void RestoreTypedName();
  // Asks whether to save the pending entry before another is shown. False when the pilot
  // said Yes and Enter refused: the page then stays on the entry as typed.
  bool SavePendingBeforeChoice();
  // Enter: true when the page was stored, false when it was refused with a message.
  bool EnterSite();
  bool EntryChecksPass(const std::string& name);
  bool AltitudeInRange(TextBox& box, bool launch);
  void StoreInto(SiteRecord& site, const std::string& name);
  void RenameInLists(const std::string& stored, const std::string& name);
  void SelectInList(const std::string& name);
  void AddToTotal(int delta);
  void ShowMessage(const std::string& text);

  // The name as the pilot typed it: choosing from the list replaces the box's text before
  // the click handler runs, and a pending entry's save needs what was typed.
  std::string typedName_;
};

}  // namespace aloftra
