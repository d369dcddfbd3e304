// The filter dialog: chooses which flight entries the flight page browses and the graphs,
// the list view and printing count. The flags, glider and site are written only by Ok; a
// date is written as soon as its box is left, so it stays even when the dialog is cancelled.
#pragma once

#include "form/CheckBox.h"
#include "form/ComboBox.h"
#include "form/CommandButton.h"
#include "form/ControlArray.h"
#include "form/Frame.h"
#include "form/Label.h"
#include "form/TextBox.h"
#include "pagekit/Dialog.h"

namespace aloftra {

class frmFilters : public Dialog {
 public:
  explicit frmFilters(PageHost& host);

  aloftra::Label Heading;
  // 0 "Hang Glider Flights", 1 "Paraglider Flights", 2 "Non-Flying Entries", 3 "Solo
  // Flights", 4 "Tandem Flights", 5 "Highlighted Entries Only", 6 "All" (every date),
  // 7 "Cross-Country Flights Only"; the indices of FilterFlag.
  ControlArray<CheckBox> Filter;
  Frame DateFrame;
  aloftra::Label BetweenLabel;
  TextBox StartDate;
  aloftra::Label AndLabel;
  TextBox EndDate;
  aloftra::Label SiteLabel;
  ComboBox SiteName;
  aloftra::Label GliderLabel;
  ComboBox GliderName;
  CommandButton Ok;
  CommandButton Cancel;
  CommandButton Reset;

  void Form_Load();
  // The rules that keep the boxes consistent, run when the mouse is let go over box Index
  // (which has already changed its value) and when the pilot toggles a box from the keyboard.
  void Filter_MouseUp(int Index, int Button, int Shift, double X, double Y);
  void StartDate_LostFocus();
  void EndDate_LostFocus();
  void Reset_Click();
  void Ok_Click();
  void Cancel_Click();

 private:
  // Marks the time the dialog sets its own boxes, whose clicks are not the pilot's.
  class SettingBoxes {
   public:
    explicit SettingBoxes(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~SettingBoxes() { flag_ = was_; }
    SettingBoxes(const SettingBoxes&) = delete;
    SettingBoxes& operator=(const SettingBoxes&) = delete;

   private:
    bool& flag_;
    bool was_;
  };

  void ApplySoloTandemRule();
  void ApplyAllDatesRule();
  void SetDateBoxesEnabled(bool enabled);
  // Reads a date box into its field: empty is 0, a date is shown as "mmm d, yyyy" and kept;
  // anything else beeps, empties the box, keeps the field and takes the focus back.
  void DateBoxLeft(TextBox& box, double& field);
  // Shows a stored date in a box, as the box itself would reformat it.
  void ShowDate(TextBox& box, double value);
  int PassingFlights() const;

  bool settingBoxes_ = false;
};

}  // namespace aloftra
