// The pilot page: the pilot's data and the association's ratings and awards for hang
// gliding and paragliding. There is no Enter button: the controls are the working copy,
// every change marks the logbook modified at once, and the controls go into the logbook
// just before it is saved or printed.
#pragma once

#include "form/CheckBox.h"
#include "form/ComboBox.h"
#include "form/ControlArray.h"
#include "form/Frame.h"
#include "form/Label.h"
#include "form/TextBox.h"
#include "pagekit/Page.h"
#include "stats/AwardRules.h"

namespace aloftra {

class frmPilotInfo : public Page {
 public:
  explicit frmPilotInfo(PageHost& host);

  // Controls, in the order they are layered (later ones lie on top): the two wing-type
  // frames, the award frames inside them, then what the frames hold.
  Frame H_Frame;
  Frame P_Frame;
  Frame H_LilienthalFrame;
  Frame H_XCFrame;
  Frame H_SafeFrame;
  Frame P_LilienthalFrame;
  Frame P_XCFrame;
  Frame P_SafeFrame;
  aloftra::Label PilotNameLabel;
  aloftra::Label EmailLabel;
  aloftra::Label PhoneNoLabel;
  aloftra::Label USHGA_NoLabel;
  aloftra::Label RegionLabel;
  TextBox PilotName;
  TextBox Email;
  TextBox PhoneNo;
  TextBox USHGA_No;
  ComboBox Region;  // a blank entry, then "1" to "13"
  ControlArray<CheckBox> H_Rating;
  ControlArray<CheckBox> H_Lilienthal;
  ControlArray<CheckBox> H_XC;
  ControlArray<CheckBox> H_Safe;
  ControlArray<CheckBox> P_Rating;
  ControlArray<CheckBox> P_Lilienthal;
  ControlArray<CheckBox> P_XC;
  ControlArray<CheckBox> P_Safe;

  // What the program tells every page.
  void OnLogbookReset() override { PilotInfoDisplayInfo(); }
  void OnLogbookLoaded() override { PilotInfoDisplayInfo(); }
  void OnBeforeSave() override { PilotInfoStoreInfo(); }

  // The logbook's pilot record into the controls, and the controls back into it.
  void PilotInfoDisplayInfo();
  void PilotInfoStoreInfo();

  // A change of a text, the region or a box without rules: the logbook is modified.
  void MarkModified();
  void H_Rating_Click(int Index) { AwardBox_Click(0, Index); }
  void P_Rating_Click(int Index) { AwardBox_Click(1, Index); }
  void H_Lilienthal_Click(int Index) { AwardBox_Click(0, kLilienthalOffset + Index); }
  void P_Lilienthal_Click(int Index) { AwardBox_Click(1, kLilienthalOffset + Index); }

  // The award box of a flag (0-27 hang gliding, 28-55 paragliding).
  CheckBox& AwardBoxOfFlag(int flag);

 private:
  static constexpr int kLilienthalOffset = 10;

  void BuildPilotFields();
  void BuildAwardColumn(int block, int left);
  void WireEvents();
  void SetTabOrder();
  // A rating or Lilienthal box of a block changed: the rules run on the block, then the
  // logbook is modified.
  void AwardBox_Click(int block, int box);

  // Set while the page fills or corrects its own boxes: their click handlers do nothing.
  bool filling_ = false;
};

}  // namespace aloftra
