// The drawing helpers every report shares: page set-up, the page header, text centred and
// shrunk into a table cell, word wrap, and a block of text printed line by line across page
// breaks. It keeps the pen (CurrentX, CurrentY) and the font the way a printer does: text
// prints at the pen, and printing a line moves the pen to the start of the next.
#pragma once

#include <string>
#include <string_view>

#include "core/Records.h"
#include "form/Printer.h"
#include "print/PageLayout.h"

namespace aloftra {

inline constexpr const char* kReportFont = "Arial";

class PrtCmds {
 public:
  // today dates the page headers.
  PrtCmds(Printer& printer, DateTime today);

  // Resets the font ("Arial", plain) and the pen, and works out the page layout.
  void PageSetup();
  const PageLayout& Layout() const { return layout_; }
  Printer& Device() { return printer_; }
  DateTime Today() const { return today_; }

  double CurrentX = 0;
  double CurrentY = 0;

  void SetFontSize(double points);
  void SetBold(bool bold);
  double FontSize() const { return font_.size; }
  bool Bold() const { return font_.bold; }
  double TextWidth(std::string_view text) { return printer_.TextWidth(text); }
  double TextHeight(std::string_view text = "A") { return printer_.TextHeight(text); }

  // Prints at the pen; the pen moves to the left of the next line.
  void PrintLine(const std::string& text);
  // Prints at the pen and leaves it after the text on the same line.
  void PrintText(const std::string& text);
  void PrintAt(double x, double y, const std::string& text);
  void Line(double x1, double y1, double x2, double y2, int width);
  void Draw(const DrawItem& item) { printer_.Draw(item); }
  void NewPage();

  // The date, " - " and the title at the top margin with "Page n" on the right, a thin rule
  // under them; the pen ends under the rule, the font as it was.
  void PageHeader(const std::string& title);
  // Sets the font size (shrunk by half points until the text fits between left and right)
  // and puts the pen where the text is centred between them.
  void CellText(double left, double right, const std::string& text, double size);
  // The same shrinking, with the text starting at left.
  void LeftCellText(double left, double right, const std::string& text, double size);
  // The text wrapped to the width between left and right, lines joined by "\r\n".
  std::string WordWrap(double left, double right, std::string_view text);
  // Prints the lines of a text at x, starting a new page (with the page header of the title,
  // when there is one) whenever the next line would pass the bottom edge. A line starting
  // "%%" is a bold 11-point heading. framed draws thick sides beside every line.
  void TextBlock(double x, std::string_view text, const std::string& title, bool framed);
  // Starts a new page when height more would pass the bottom edge: with the page header of
  // the title, or at the top margin when there is none. True when a page was started.
  bool BreakPageFor(double height, const std::string& title);

 private:
  void ShrinkToFit(double width, const std::string& text, double size);

  Printer& printer_;
  DateTime today_;
  PageLayout layout_;
  Font font_;
};

}  // namespace aloftra
