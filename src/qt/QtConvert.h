// Model values as Qt wants them: text, twips, colours and fonts. The forms are laid out in
// twips at 15 to a pixel, which is 96 pixels to the inch, so fonts are sized in pixels on the
// same scale and the captions fit their controls whatever the screen's own resolution.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>
#include <string>

#include "form/Color.h"
#include "form/Control.h"

namespace aloftra::qt {

inline constexpr int kTwipsPerPixel = 15;

QString ToQString(const std::string& text);
std::string ToStdString(const QString& text);

// Text boxes hold line breaks as CR LF; Qt's editors use LF alone.
QString ToWidgetText(const std::string& text);
std::string FromWidgetText(const QString& text);

int ToPixels(double twips);
double ToTwips(double pixels);
QRect ToPixelRect(const Rect& twips);

// A system colour (the button face, a text box's background, text) is looked up in the
// palette, so the windows follow the desktop; any other colour is taken as it is.
QColor ToQColor(Color color, const QPalette& palette);

// The font of the program's forms: a sans-serif face at the control's point size.
QFont ToQFont(const Font& font);

// A control's text alignment, centred vertically.
Qt::Alignment ToQtAlignment(Alignment alignment);
QFont DefaultFormFont();

}  // namespace aloftra::qt
