// The glider page: one glider of the logbook at a time, with its details, its class and its
// statistics. The pilot creates, edits, renames and deletes gliders here; the flight page's
// list of glider names follows every change, and entering a glider recomputes the statistics,
// since a glider's type decides on which side of the pilot's totals its flights count.
//
// The page's work is split by concern: frmGlidersLayout.cpp builds the controls,
// frmGliders.cpp answers the program's hooks and colours the page, frmGlidersDisplay.cpp shows
// gliders, starts new ones and follows the name list, frmGlidersFieldChecks.cpp checks fields
// as the focus leaves them, frmGlidersCommit.cpp enters and deletes.
#pragma once

#include <array>
#include <string>

#include "core/Records.h"
#include "form/CheckBox.h"
#include "form/ComboBox.h"
#include "form/CommandButton.h"
#include "form/ControlArray.h"
#include "form/Frame.h"
#include "form/Label.h"
#include "form/OptionButton.h"
#include "form/TextBox.h"
#include "pagekit/EditState.h"
#include "pagekit/ListEntryPages.h"
#include "pagekit/Page.h"
#include "pagekit/RecordPage.h"

namespace aloftra {

class frmGliders : public Page, public RecordPage, public GliderEntryPage {
 public:
  explicit frmGliders(PageHost& host);

  // Controls, in the order they are layered (later ones lie on top).
  Frame WeightFrame;  // "Recommended Total Takeoff Weight"
  Frame TypeFrame;    // "Glider Type"
  Frame PlacesFrame;
  Frame RatingFrame;  // "DHV / AFNOR Rating"
  Frame StatsFrame;   // "Glider Stats"
  aloftra::Label GliderNameLabel;
  aloftra::Label ManufacturerLabel;
  aloftra::Label ModelLabel;
  aloftra::Label GliderSizeLabel;
  aloftra::Label DateOfMfgLabel;
  aloftra::Label GliderColorLabel;
  aloftra::Label SerialNoLabel;
  aloftra::Label WeightMinLabel;
  aloftra::Label WeightMaxLabel;
  aloftra::Label PreAirtimeLabel;
  aloftra::Label NotesLabel;
  aloftra::Label TotalGlidersLabel;
  aloftra::Label DhvLabel;
  aloftra::Label AfnorLabel;
  aloftra::Label LongestLabel;
  aloftra::Label HighestLabel;
  aloftra::Label OverLaunchLabel;
  aloftra::Label DistanceLabel;
  aloftra::Label FlyingDaysLabel;
  aloftra::Label FlightsLabel;
  aloftra::Label TotalAirtimeLabel;
  aloftra::Label Alt1, Alt2, Dist1, Weight1, Weight2;

  ComboBox GliderName;
  TextBox Manufacturer;
  TextBox Model;
  TextBox GliderSize;
  TextBox DateOfMfg;
  TextBox GliderColor;
  TextBox SerialNo;
  TextBox WeightMin;
  TextBox WeightMax;
  TextBox PreAirtime;
  TextBox Notes;
  ControlArray<OptionButton> GliderType;  // 0 "Hang Glider", 1 "Paraglider"
  ControlArray<OptionButton> Places;      // 0 "Solo", 1 "Tandem"
  ControlArray<CheckBox> DHV;             // 0 "1", 1 "1-2", 2 "2", 3 "2-3", 4 "3"
  ControlArray<CheckBox> AFNOR;  // 0 "Standard", 1 "Performance", 2 "Competition", 3 "Tandem"
  TextBox TotalGliders;
  TextBox Longest;
  TextBox Highest;
  TextBox OverLaunch;
  TextBox Distance;
  TextBox FlyingDays;
  TextBox Flights;
  TextBox TotalAirtime;
  ControlArray<CommandButton> Details;  // 0 longest, 1 highest, 2 over launch, 3 distance
  CommandButton NewGlider;
  CommandButton Enter;
  CommandButton Delete;

  // Page state.
  EditState State = EditState::kClean;

  // What the program tells every page.
  void OnLogbookReset() override;
  void OnLogbookLoaded() override;
  void OnUnitsChanged() override;
  void OnColorModeChanged() override { ApplyColorMode(); }
  // A glider being edited keeps what the pilot typed.
  void OnStatisticsChanged() override;

  void ApplyUnitLabels();
  void ApplyColorMode();
  // Colours the entry fields red while the glider shown differs from the stored one.
  void GlidersColor(bool changed);

  // Shows the current glider with its statistics.
  void GlidersDisplayEntry();
  // A glider chosen in the glider list view.
  void ShowRecord(int slot) override;
  void NewGlider_Click();
  void GliderName_Click();
  void Details_Click(int Index);

  // Change marking, and the class groups where at most one box is checked.
  void GliderName_Change();
  void MarkChanged();
  void DHV_MouseUp(int Index);
  void AFNOR_MouseUp(int Index);

  // Field checks as the focus leaves a field.
  void DateOfMfg_LostFocus();
  void WeightMin_LostFocus();
  void WeightMax_LostFocus();
  void PreAirtime_LostFocus();

  // Enter and Delete.
  void Enter_Click();
  // A glider typed in by the import.
  bool EnterTypedGlider(const std::string& name, bool paraglider) override;
  void Delete_Click();

 private:
  void BuildLayout();
  void BuildDetailControls();
  void BuildClassControls();
  void BuildStatsControls();
  void WireEvents();
  void SetTabOrder();

  // The fields the colour routine paints.
  std::array<Control*, 11> EntryFields();
  // Puts a name into the name box as the program's own fill: the list entry of that name
  // is selected (none when there is none) and the name is what the box remembers as typed.
  void ShowName(const std::string& name);
  void EmptyEntryFields();
  void ShowStatistics(const GliderRecord& glider);
  // Makes the lowest live slot with exactly this name current and shows it.
  void ShowGliderNamed(const std::string& name);
  // The pilot's answer to a save question, run as Enter on what was typed; false when the
  // page must stay on the entry being edited.
  bool SaveBeforeLeaving(const std::string& question);
  void CheckWeightField(TextBox& box, const char* message);

  // Enter in steps; each check shows its own refusal.
  bool EnterGlider();
  bool EntryChecksPass(const std::string& name);
  bool NameIsFree(const std::string& name);
  bool FillRecordFromControls(GliderRecord& record);
  void RenameInLists(const std::string& oldName, const std::string& newName);
  int TakeSlotForNewGlider(const std::string& name);
  void ShowTotal();
  void ShowMessage(const std::string& text);

  // The name as the pilot typed it: by the time the list's click handler runs, the box
  // already shows the entry chosen, and a save asked for then must enter the typed name.
  std::string typedName_;
  int totalGliders_ = 0;
};

}  // namespace aloftra
