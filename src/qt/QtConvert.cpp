#include "qt/QtConvert.h"

#include <cmath>

namespace aloftra::qt {

namespace {

// The system colour indices the forms use, with the palette roles that play their part.
QPalette::ColorRole RoleOfSystemColor(Color color) {
  switch (color & ~kSystemColorFlag) {
    case 0x05:
      return QPalette::Base;  // window background (text boxes)
    case 0x08:
      return QPalette::Text;  // window text
    case 0x0D:
      return QPalette::Highlight;  // highlight
    case 0x0E:
      return QPalette::HighlightedText;  // highlighted text
    case 0x10:
      return QPalette::Dark;  // button shadow
    case 0x12:
      return QPalette::ButtonText;  // button text
    case 0x14:
      return QPalette::Light;  // button highlight
    case 0x17:
      return QPalette::ToolTipText;  // tool tip text
    case 0x18:
      return QPalette::ToolTipBase;  // tool tip background
    default:
      return QPalette::Window;  // button face and everything else
  }
}

constexpr const char* kFormFontFamily = "Liberation Sans";
constexpr double kPixelsPerPoint = 96.0 / 72.0;
// The forms were laid out for a face a little narrower than ours.
constexpr int kFormFontStretch = 94;

}  // namespace

QString ToQString(const std::string& text) {
  return QString::fromStdString(text);
}

std::string ToStdString(const QString& text) {
  return text.toStdString();
}

QString ToWidgetText(const std::string& text) {
  QString result = ToQString(text);
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  result.replace(QChar('\r'), QChar('\n'));
  return result;
}

std::string FromWidgetText(const QString& text) {
  QString result = text;
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  result.replace(QChar('\r'), QChar('\n'));
  result.replace(QChar('\n'), QStringLiteral("\r\n"));
  return ToStdString(result);
}

int ToPixels(double twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

double ToTwips(double pixels) {
  return pixels * kTwipsPerPixel;
}

QRect ToPixelRect(const Rect& twips) {
  // Both edges are rounded, so controls that meet in twips still meet on the screen.
  int left = ToPixels(twips.left);
  int top = ToPixels(twips.top);
  int right = ToPixels(twips.left + twips.width);
  int bottom = ToPixels(twips.top + twips.height);
  return QRect(left, top, right - left, bottom - top);
}

QColor ToQColor(Color color, const QPalette& palette) {
  if (IsSystemColor(color)) return palette.color(QPalette::Active, RoleOfSystemColor(color));
  return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

QFont ToQFont(const Font& font) {
  // A named typeface (the reports' "Arial") is taken as it is; fontconfig stands Liberation
  // Sans in for Arial on Linux. The forms' own font is narrowed to the old window metrics.
  bool named = !font.family.empty();
  QFont result(named ? QString::fromStdString(font.family) : QString::fromLatin1(kFormFontFamily));
  result.setStyleHint(QFont::SansSerif);
  int pixels = static_cast<int>(std::lround(font.size * kPixelsPerPoint));
  result.setPixelSize(pixels > 0 ? pixels : 1);
  if (!named) result.setStretch(kFormFontStretch);
  result.setBold(font.bold);
  result.setItalic(font.italic);
  return result;
}

Qt::Alignment ToQtAlignment(Alignment alignment) {
  switch (alignment) {
    case Alignment::kRight:
      return Qt::AlignRight | Qt::AlignVCenter;
    case Alignment::kCenter:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    case Alignment::kLeft:
      break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

QFont DefaultFormFont() {
  return ToQFont(Font{});
}

}  // namespace aloftra::qt
