// A printer for tests: letter paper with a quarter-inch border all round at 600 dots per
// inch, fixed font metrics (each character is half the point size wide, a tenth wider in
// bold; a line is 1.15 times the point size high), and every page kept as a drawing list,
// so the reports' layout can be read back without a real printer.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "form/Printer.h"

namespace aloftra::test {

// What one print job left behind.
struct PrintedDocument {
  PrintTarget target;
  std::string title;
  bool begun = false;
  bool ended = false;
  std::vector<DrawList> pages;

  // The text items of a page (counted from 0) in the order they were printed.
  std::vector<DrawItem> TextItems(int page) const;
  std::vector<std::string> Texts(int page) const;
  // Every text of every page, one per line.
  std::string AllText() const;
  // The first text item whose text is exactly this, on any page; nullptr when none.
  const DrawItem* FindText(const std::string& text, int* pageOut = nullptr) const;
  std::vector<DrawItem> Lines(int page) const;
};

// Character widths and line heights of the recording printer, in twips.
double RecordedTextWidth(const std::string& text, const Font& font);
double RecordedTextHeight(const Font& font);

class RecordingPrinter : public Printer {
 public:
  explicit RecordingPrinter(std::shared_ptr<PrintedDocument> document, bool failAtEnd = false,
                            PageGeometry geometry = LetterWithQuarterInchBorder());

  static PageGeometry LetterWithQuarterInchBorder();

  bool BeginDocument(const std::string& title) override;
  PageGeometry Geometry() const override { return geometry_; }
  void SetFont(const Font& font) override { font_ = font; }
  double TextWidth(std::string_view text) override;
  double TextHeight(std::string_view text) override;
  void Draw(const DrawItem& item) override;
  void NewPage() override;
  int PageNumber() const override { return static_cast<int>(document_->pages.size()); }
  bool EndDocument() override;

 private:
  std::shared_ptr<PrintedDocument> document_;
  bool failAtEnd_;
  PageGeometry geometry_;
  Font font_;
};

}  // namespace aloftra::test
