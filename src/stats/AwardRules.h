// The rules that tie the rating and award boxes of one wing type together: one pilot level
// at a time, Tandem I or Tandem II, Basic or Advanced Instructor, and the Lilienthal award
// climbed rung by rung. The pilot's 56 award flags are two blocks of 28 boxes, hang gliding
// first, laid out alike; these rules work on one block and never reach into the other.
#pragma once

#include <array>

namespace aloftra {

inline constexpr int kAwardBlockSize = 28;

// The boxes of one block, by their index within it.
enum AwardBox : int {
  kLevel1 = 0,  // "H1 - Beginner" / "P1 - Beginner"
  kLevel5 = 4,  // "H5 - Master" / "P5 - Master"
  kTandemI = 5,
  kTandemII = 6,
  kBasicInstructor = 7,
  kAdvancedInstructor = 8,
  kTandemInstructor = 9,
  kLilienthalBronze = 10,
  kLilienthalSilver = 11,
  kLilienthalGold = 12,
  kLilienthalDiamondLeft = 13,
  kLilienthalDiamondRight = 14,
  kFirstCrossCountry = 15,  // six boxes, 50 to 300 miles
  kFirstSafePilot = 21,     // seven boxes, Bronze to 4th Diamond
};

inline constexpr int kRatingBoxes = 10;
inline constexpr int kLilienthalBoxes = 5;
inline constexpr int kCrossCountryBoxes = 6;
inline constexpr int kSafePilotBoxes = 7;

using AwardBlock = std::array<bool, kAwardBlockSize>;

// The block after the pilot clicked one box, given the block with that box already showing
// its new value: the boxes the rules clear are cleared (a Lilienthal box checked without the
// one below it is cleared again at once). Boxes outside the block range change nothing.
AwardBlock ApplyAwardClick(AwardBlock boxes, int box);

}  // namespace aloftra
