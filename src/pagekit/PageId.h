// The seven pages of the program, in the order of their page buttons.
#pragma once

namespace aloftra {

enum class PageId { kAloftra, kSiteList, kGliders, kPilotInfo, kSummary, kGraphs, kNotes };
inline constexpr int kPageCount = 7;

}  // namespace aloftra
