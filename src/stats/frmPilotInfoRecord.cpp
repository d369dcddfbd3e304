// The pilot page and the logbook's pilot record: showing it, storing it before a save, and
// the rules the rating and Lilienthal boxes follow when the pilot clicks them.
#include <algorithm>

#include "core/Logbook.h"
#include "stats/frmPilotInfo.h"

namespace aloftra {

CheckBox& frmPilotInfo::AwardBoxOfFlag(int flag) {
  const bool hang = flag < kAwardBlockSize;
  int box = flag % kAwardBlockSize;
  if (box < kLilienthalBronze) return (hang ? H_Rating : P_Rating)[box];
  if (box < kFirstCrossCountry)
    return (hang ? H_Lilienthal : P_Lilienthal)[box - kLilienthalBronze];
  if (box < kFirstSafePilot) return (hang ? H_XC : P_XC)[box - kFirstCrossCountry];
  return (hang ? H_Safe : P_Safe)[box - kFirstSafePilot];
}

void frmPilotInfo::PilotInfoDisplayInfo() {
  const PilotInfo& pilot = host_.Book().pilot;
  // Shown as stored, even a combination the rules would not have let the pilot click.
  filling_ = true;
  PilotName.SetText(pilot.PILOT_NAME);
  PhoneNo.SetText(pilot.PHONE_NO);
  Email.SetText(pilot.EMAIL);
  USHGA_No.SetText(pilot.MEMBER_NO);
  Region.SetListIndex(pilot.REGION);
  for (int flag = 0; flag < kAwardFlags; ++flag)
    AwardBoxOfFlag(flag).SetChecked(pilot.AWARD_FLAGS[flag] != 0);
  filling_ = false;
}

void frmPilotInfo::PilotInfoStoreInfo() {
  PilotInfo& pilot = host_.Book().pilot;
  pilot.PILOT_NAME = PilotName.Text();
  pilot.PHONE_NO = PhoneNo.Text();
  pilot.EMAIL = Email.Text();
  pilot.MEMBER_NO = USHGA_No.Text();
  pilot.REGION = static_cast<std::uint8_t>(std::max(Region.ListIndex(), 0));
  for (int flag = 0; flag < kAwardFlags; ++flag)
    pilot.AWARD_FLAGS[flag] = AwardBoxOfFlag(flag).Checked() ? kFlagSet : 0;
}

void frmPilotInfo::MarkModified() {
  if (filling_) return;
  host_.UpdateCaption(true, false);
}

void frmPilotInfo::AwardBox_Click(int block, int box) {
  if (filling_) return;
  const int first = block * kAwardBlockSize;
  AwardBlock boxes{};
  for (int i = 0; i < kAwardBlockSize; ++i)
    boxes[i] = AwardBoxOfFlag(first + i).Checked();
  const AwardBlock after = ApplyAwardClick(boxes, box);
  // The boxes the rules clear are the page's own correction, not more clicks.
  filling_ = true;
  for (int i = 0; i < kAwardBlockSize; ++i)
    AwardBoxOfFlag(first + i).SetChecked(after[i]);
  filling_ = false;
  MarkModified();
}

}  // namespace aloftra
