#include "stats/AwardRules.h"

namespace aloftra {

namespace {

// The rung a Lilienthal box stands on: Silver needs Bronze, Gold Silver, and each Diamond
// Gold; Bronze needs nothing.
int LilienthalNeeds(int box) {
  switch (box) {
    case kLilienthalSilver:
      return kLilienthalBronze;
    case kLilienthalGold:
      return kLilienthalSilver;
    case kLilienthalDiamondLeft:
    case kLilienthalDiamondRight:
      return kLilienthalGold;
    default:
      return -1;
  }
}

void LilienthalChanged(AwardBlock& boxes, int box);

// Sets a Lilienthal box; a change runs the rules again for that box, as a change made by
// the rules does on the page.
void SetLilienthal(AwardBlock& boxes, int box, bool checked) {
  if (boxes[box] == checked) return;
  boxes[box] = checked;
  LilienthalChanged(boxes, box);
}

void LilienthalChanged(AwardBlock& boxes, int box) {
  if (boxes[box]) {
    int needed = LilienthalNeeds(box);
    if (needed >= 0 && !boxes[needed]) SetLilienthal(boxes, box, false);
    return;
  }
  // Losing Bronze, Silver or Gold loses every rung above it; a Diamond goes alone.
  if (box > kLilienthalGold) return;
  for (int above = box + 1; above <= kLilienthalDiamondRight; ++above)
    SetLilienthal(boxes, above, false);
}

void RatingChecked(AwardBlock& boxes, int box) {
  if (box <= kLevel5) {
    for (int level = kLevel1; level <= kLevel5; ++level) {
      if (level != box) boxes[level] = false;
    }
    return;
  }
  switch (box) {
    case kTandemI:
      boxes[kTandemII] = false;
      break;
    case kTandemII:
      boxes[kTandemI] = false;
      break;
    case kBasicInstructor:
      boxes[kAdvancedInstructor] = false;
      break;
    case kAdvancedInstructor:
      boxes[kBasicInstructor] = false;
      break;
    default:
      break;
  }
}

}  // namespace

AwardBlock ApplyAwardClick(AwardBlock boxes, int box) {
  if (box >= kLevel1 && box < kRatingBoxes) {
    // Clearing a rating clears nothing else.
    if (boxes[box]) RatingChecked(boxes, box);
  } else if (box >= kLilienthalBronze && box <= kLilienthalDiamondRight) {
    LilienthalChanged(boxes, box);
  }
  return boxes;
}

}  // namespace aloftra
