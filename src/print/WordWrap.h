// Greedy word wrap for printed text: each line takes as many words as fit the width, cut
// after a blank, which stays at the end of its line.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace aloftra {

using MeasureText = std::function<double(std::string_view)>;

// The text with "\r\n" between its lines, no line wider than width as measured, except a
// single word wider than the whole width: it gets a line of its own, unbroken. Line breaks
// already in the text are kept; the blanks that start a continued line are dropped.
std::string WordWrap(std::string_view text, double width, const MeasureText& measure);

// The lines of a text whose lines end with "\r\n" (a lone "\n" or "\r" ends a line too).
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace aloftra
