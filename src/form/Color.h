// Colours as the pages name them: red, green and blue packed as red + 256 green + 65536 blue
// (so pure red is 255), plus a few system colours that the painter resolves to the desktop's
// own (the button face is the windows' background).
#pragma once

#include <cstdint>

namespace aloftra {

using Color = std::uint32_t;

constexpr Color Rgb(int red, int green, int blue) {
  return static_cast<Color>(red) | (static_cast<Color>(green) << 8) |
         (static_cast<Color>(blue) << 16);
}
constexpr int RedOf(Color c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Color c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Color c) {
  return static_cast<int>((c >> 16) & 0xFF);
}

constexpr Color kSystemColorFlag = 0x80000000u;
constexpr bool IsSystemColor(Color c) {
  return (c & kSystemColorFlag) != 0;
}

constexpr Color kButtonFace = kSystemColorFlag | 0x0F;        // window and button background
constexpr Color kWindowBackground = kSystemColorFlag | 0x05;  // text box background
constexpr Color kWindowText = kSystemColorFlag | 0x08;

constexpr Color kBlack = Rgb(0, 0, 0);
constexpr Color kWhite = Rgb(255, 255, 255);
constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kPaleYellow = Rgb(255, 255, 192);
constexpr Color kDisplayGrey = Rgb(224, 224, 224);

}  // namespace aloftra
