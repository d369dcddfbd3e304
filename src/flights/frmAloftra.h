// The flight page, the program's main window: one flight entry at a time, browsed in the
// current order, checked field by field as it is typed, and written into the logbook only
// when the pilot presses Enter. Loading this window starts the whole program.
//
// The page's work is split by concern: frmAloftraLayout.cpp builds the controls,
// frmAloftraDisplay.cpp shows entries and browses, frmAloftraFieldChecks.cpp checks fields,
// frmAloftraCommit.cpp enters and deletes, frmAloftraDrawing.cpp draws the rose, the vario bars and
// the turbulence scale and takes the page's mouse clicks.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/Records.h"
#include "form/CheckBox.h"
#include "form/ComboBox.h"
#include "form/ControlArray.h"
#include "form/Frame.h"
#include "form/Label.h"
#include "form/OptionButton.h"
#include "form/Shape.h"
#include "form/TextBox.h"
#include "pagekit/EditState.h"
#include "pagekit/FlightPage.h"
#include "pagekit/Page.h"

namespace aloftra {

struct FlightRecord;

// Places of the flight page that behaviour depends on, in twips.
inline constexpr int kRoseCentreX = 6060;
inline constexpr int kRoseCentreY = 1860;

class frmAloftra : public Page, public FlightPage {
 public:
  explicit frmAloftra(PageHost& host);

  // Controls, in the order they are layered (later ones lie on top).
  Frame GliderFrame;
  Frame SiteFrame;
  Frame CrossCountryFrame;
  Frame AltitudeFrame;
  ControlArray<aloftra::Label> Label;  // "Flight No:", "Airtime:", "N", "Flight Conditions",
                                       // "Base Wind:"
  aloftra::Label FlightDateLabel;
  aloftra::Label TimeOfDayLabel;
  aloftra::Label PeakWindLabel;
  aloftra::Label MaxLiftLabel;
  aloftra::Label MaxSinkLabel;
  aloftra::Label LaunchLabel;
  aloftra::Label LandingLabel;
  aloftra::Label MaxMslLabel;
  aloftra::Label OverLaunchLabel;
  aloftra::Label DistanceLabel;
  aloftra::Label TurbulenceLabel;
  aloftra::Label RoseSouth;
  aloftra::Label RoseWest;
  aloftra::Label RoseEast;
  aloftra::Label Speed1, Speed2, Alt1, Alt2, Alt3, Alt4, Rate1, Rate2, Dist1;
  aloftra::Label GliderType;
  aloftra::Label VarioMax;
  aloftra::Label VarioMin;
  aloftra::Label FilterStatus1, FilterStatus2, SortStatus1, SortStatus2;
  aloftra::Label EntryIndex;
  aloftra::Label RemarksLabel;
  Shape RoseOutline;
  Shape RoseCentre;
  ControlArray<Shape> Turbulence;   // indices 1-6
  ControlArray<LineControl> Lines;  // indices 0-14, the vario scale

  TextBox FlightNo;
  TextBox FlightDate;
  TextBox TimeOfDay;
  TextBox AirTime;
  ComboBox GliderName;
  ControlArray<OptionButton> Places;  // 0 "Solo", 1 "Tandem"
  ComboBox SiteName;
  TextBox SiteLocation;
  TextBox BaseWind;
  TextBox PeakWind;
  TextBox MaxLift;
  TextBox MaxSink;
  TextBox LaunchMSL;
  TextBox MaxMSL;
  TextBox OverLaunch;
  TextBox LandingMSL;
  TextBox Distance;
  CommandButton XC_Details;
  CheckBox NonFlying;
  CheckBox Highlight;
  TextBox Remarks;
  CommandButton RemarksExpand;
  CommandButton RemarksRestore;
  ControlArray<CommandButton> ViewEntry;  // 0 First, 1 Previous, 2 Next, 3 Last
  CommandButton NewEntry;
  CommandButton Enter;
  CommandButton DeleteEntry;

  // Page state.
  EditState State = EditState::kClean;
  std::int16_t PassPosition = 0;
  bool RemarksExpanded = false;
  std::uint8_t TurbulenceLevel = 0;
  WindFlags RoseFlags{};

  // What the program tells every page.
  void OnStatisticsChanged() override { RefreshFlightNumber(); }
  void OnUnitsChanged() override;
  void OnColorModeChanged() override { ApplyColorMode(); }
  void OnFilterChanged() override;
  void OnLogbookReset() override { ResetForNewLogbook(); }
  void OnLogbookLoaded() override { ShowLoadedLogbook(); }

  // Start-up and the document.
  void Form_Load();
  void ResetForNewLogbook();
  void ShowLoadedLogbook();
  void ApplyUnitLabels();
  void ApplyColorMode();
  void ShowSortStatus() override;
  void ShowFilterStatus() override;
  // After the statistics are recomputed: the shown entry's flight number.
  void RefreshFlightNumber();
  // The checks of the Options menu's Multi-Flight Entry, with their messages.
  bool CanStartMultiFlightEntry();

  // Showing and browsing.
  void AloftraDisplayEntry();
  void NewEntry_Click();
  void ViewEntry_Click(int Index) override;
  void ShowFlight(int flightIndex) override;
  void SelectInRemarks(int start, int length) override;
  void RedisplayCurrentEntry() override;

  // The site and glider lists, kept in step with the site and glider pages.
  void AddSiteChoice(const std::string& name) override;
  void RemoveSiteChoice(const std::string& name) override;
  void RenameSiteChoice(const std::string& oldName, const std::string& newName,
                        const std::string& location) override;
  void AddGliderChoice(const std::string& name) override;
  void RemoveGliderChoice(const std::string& name) override;
  void RenameGliderChoice(const std::string& oldName, const std::string& newName,
                          const GliderShown& glider) override;
  void AloftraColor(bool changed);
  void MarkModified();
  void FilterCheck(bool& pass);
  void Highlight_Click();
  void NonFlying_Click();
  void Places_Click(int Index);
  void GliderName_Click();
  void SiteName_Click();
  void RemarksExpand_Click();
  void RemarksRestore_Click();
  void RemarksWindowState();
  void XC_Details_Click();

  // Field checks.
  void FlightDate_LostFocus();
  void TimeOfDay_LostFocus();
  void AirTime_LostFocus();
  void LaunchMSL_LostFocus();
  void MaxMSL_LostFocus();
  void OverLaunch_LostFocus();
  void LandingMSL_LostFocus();
  void FlightDate_KeyPress(int& KeyAscii);
  void FlightNo_KeyPress(int& KeyAscii);

  // A whole flight typed in from outside the page.
  bool EnterTypedFlight(const FlightEntryText& entry) override;

  // Enter and Delete.
  void Enter_Click();
  void DeleteEntry_Click();

  // Drawing and the mouse.
  void Form_Paint();
  void Form_MouseUp(int Button, int Shift, double X, double Y);
  void MaxLift_Change();
  void MaxSink_Change();
  void RefreshTurbulenceScale();
  void DrawRose();
  void DrawRoseSector(int k, Flag flag);

 private:
  void BuildLayout();
  void BuildEntryControls();
  void BuildConditionControls();
  void BuildNavigationControls();
  void WireEvents();
  void SetTabOrder();
  void ShowBlankEntry(bool withTodaysDate);
  // Asks whether to save an entry being edited or typed; Yes enters it.
  void OfferToSaveEntry();
  void ClearNameLists();
  void FillNameLists();
  // The fifteen fields of the entry that take its text and highlight colours.
  std::array<Control*, 15> EntryFields();
  void SetEntryBackColor(Color color);
  // The distance, winds, lift, sink and altitudes of a flight in the chosen units.
  void ShowMeasuresOf(const FlightRecord& flight);
  void ShowGliderOf(const FlightRecord& flight);
  void ShowSiteOf(const FlightRecord& flight);
  void DrawVarioBar(bool lift);
  // Empties the drawing of the rose and the vario bars, which the enlarged remarks box covers.
  void EraseConditionDrawing();
  void StatusLabelMouseUp(int button, int menuItem);
  bool CommitChecksPass();
  void EmptyFlightFieldsForNonFlying();
  bool FillRecordFromControls(FlightRecord& record, bool isNew);
  void CheckAltitudeField(TextBox& box, int field);
  int TodayYear();
  void ShowMessage(const std::string& text);

  // The cross-country details of a flight typed in by EnterTypedFlight, which the page has no
  // boxes for: Enter stores them with the flight.
  std::optional<CrossCountryText> typedCrossCountry_;
  // The site and glider slots a non-flying entry typed in by EnterTypedFlight names (-1 for
  // none): the page hides them for such an entry, Enter keeps them.
  struct TypedSlots {
    int site = -1;
    int glider = -1;
  };
  std::optional<TypedSlots> typedNonFlyingSlots_;
  // The over-launch altitude of a flight typed in by EnterTypedFlight, when it gives one:
  // Enter stores it as given. The page works it out again from the launch and maximum in the
  // units shown, which for an altitude rounded on its own may differ by one.
  std::string typedOverLaunch_;
};

}  // namespace aloftra
