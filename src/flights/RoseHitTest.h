// Which wedge of the wind rose a mouse click falls on.
#pragma once

#include <cstdint>

namespace aloftra {

inline constexpr std::int16_t kRoseMissed = -1;  // outside the ring
inline constexpr std::int16_t kRoseCentre = -2;  // inside the inner circle: clear all

inline constexpr float kRoseOuterRadius = 750;  // twips
inline constexpr float kRoseInnerRadius = 202;  // twips

// The compass index 0-15 (counter-clockwise from east) of the wedge under a click, or
// kRoseMissed beyond the outer radius, or kRoseCentre within the inner radius. All
// coordinates are in twips of the page, y growing downward. Each index k covers the angles
// from 22.5 k - 11.25 up to, but not including, 22.5 k + 11.25 degrees.
std::int16_t RoseHitTest(float centreX, float centreY, float clickX, float clickY);

}  // namespace aloftra
