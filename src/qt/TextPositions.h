// Positions in a text box's text as the form counts them (characters, a line break CR LF
// being two) and as a Qt editor counts them (UTF-16 units of the text with LF line breaks).
#pragma once

#include <string>

namespace aloftra::qt {

// Both clamp a position outside the text to its nearer end.
int WidgetPosition(const std::string& modelText, int modelPosition);
int ModelPosition(const std::string& modelText, int widgetPosition);

}  // namespace aloftra::qt
