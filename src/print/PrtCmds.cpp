#include "print/PrtCmds.h"

#include "core/DateTime.h"
#include "print/WordWrap.h"

namespace aloftra {

namespace {

constexpr double kHeaderPoints = 9;
constexpr double kHeadingPoints = 11;
constexpr double kSmallestPoints = 1;
constexpr char kHeadingMarker[] = "%%";

}  // namespace

PrtCmds::PrtCmds(Printer& printer, DateTime today) : printer_(printer), today_(today) {}

void PrtCmds::PageSetup() {
  font_ = Font{};
  font_.family = kReportFont;
  font_.size = 10;
  printer_.SetFont(font_);
  CurrentX = 0;
  CurrentY = 0;
  layout_ = LayoutFor(printer_.Geometry());
}

void PrtCmds::SetFontSize(double points) {
  font_.size = points;
  printer_.SetFont(font_);
}

void PrtCmds::SetBold(bool bold) {
  font_.bold = bold;
  printer_.SetFont(font_);
}

void PrtCmds::PrintText(const std::string& text) {
  printer_.Draw(DrawItem::Text(CurrentX, CurrentY, text, kBlack, font_));
  CurrentX += TextWidth(text);
}

void PrtCmds::PrintLine(const std::string& text) {
  if (!text.empty()) printer_.Draw(DrawItem::Text(CurrentX, CurrentY, text, kBlack, font_));
  CurrentX = 0;
  CurrentY += TextHeight();
}

void PrtCmds::PrintAt(double x, double y, const std::string& text) {
  if (!text.empty()) printer_.Draw(DrawItem::Text(x, y, text, kBlack, font_));
}

void PrtCmds::Line(double x1, double y1, double x2, double y2, int width) {
  printer_.Draw(DrawItem::Line(x1, y1, x2, y2, kBlack, width));
}

void PrtCmds::NewPage() {
  printer_.NewPage();
  CurrentX = 0;
  CurrentY = 0;
}

void PrtCmds::PageHeader(const std::string& title) {
  Font before = font_;
  font_.size = kHeaderPoints;
  font_.bold = false;
  printer_.SetFont(font_);
  double top = layout_.TopMargin;
  PrintAt(layout_.LeftMargin, top, FormatLongDate(today_) + " - " + title);
  std::string page = "Page " + std::to_string(printer_.PageNumber());
  PrintAt(layout_.RightEdge - TextWidth(page), top, page);
  double height = TextHeight();
  CurrentX = 0;
  CurrentY = top + height + 0.2 * height;
  Line(layout_.LeftMargin, CurrentY, layout_.RightEdge, CurrentY, layout_.ThinLine);
  font_ = before;
  printer_.SetFont(font_);
}

void PrtCmds::ShrinkToFit(double width, const std::string& text, double size) {
  font_.size = size;
  printer_.SetFont(font_);
  while (TextWidth(text) > width && font_.size - 0.5 >= kSmallestPoints) {
    font_.size -= 0.5;
    font_.family = kReportFont;
    printer_.SetFont(font_);
  }
}

void PrtCmds::CellText(double left, double right, const std::string& text, double size) {
  ShrinkToFit(right - left, text, size);
  CurrentX = left + (right - left - TextWidth(text)) / 2;
}

void PrtCmds::LeftCellText(double left, double right, const std::string& text, double size) {
  ShrinkToFit(right - left, text, size);
  CurrentX = left;
}

std::string PrtCmds::WordWrap(double left, double right, std::string_view text) {
  return aloftra::WordWrap(text, right - left,
                           [this](std::string_view piece) { return TextWidth(piece); });
}

bool PrtCmds::BreakPageFor(double height, const std::string& title) {
  if (CurrentY + height <= layout_.BottomEdge) return false;
  NewPage();
  if (!title.empty()) {
    PageHeader(title);
    CurrentY += 0.2 * TextHeight();
  } else {
    CurrentY = layout_.TopMargin;
  }
  return true;
}

void PrtCmds::TextBlock(double x, std::string_view text, const std::string& title, bool framed) {
  for (const std::string& line : SplitLines(text)) {
    BreakPageFor(TextHeight(), title);
    double top = CurrentY;
    if (line.rfind(kHeadingMarker, 0) == 0) {
      Font before = font_;
      font_.size = kHeadingPoints;
      font_.bold = true;
      printer_.SetFont(font_);
      CurrentX = x;
      PrintLine(line.substr(2));
      font_ = before;
      printer_.SetFont(font_);
      CurrentY += 0.15 * TextHeight();
    } else {
      CurrentX = x;
      PrintLine(line);
    }
    if (framed) {
      Line(layout_.LeftMargin, top, layout_.LeftMargin, CurrentY, layout_.ThickLine);
      Line(layout_.RightEdge, top, layout_.RightEdge, CurrentY, layout_.ThickLine);
    }
  }
}

}  // namespace aloftra
