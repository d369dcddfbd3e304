// The printer as the reports see it: a document of pages drawn with the items of a drawing
// list, in twips measured from the top-left corner of the printable area. The front end
// prints to the system printer or into a PDF file; tests record the pages.
#pragma once

#include <string>
#include <string_view>

#include "form/Control.h"
#include "form/DrawList.h"

namespace aloftra {

// Where a report goes: the system's default printer, or a PDF file at a path.
struct PrintTarget {
  enum class Kind { kSystemPrinter, kPdfFile };
  Kind kind = Kind::kSystemPrinter;
  std::string pdfPath;

  static PrintTarget SystemPrinter() { return {}; }
  static PrintTarget PdfFile(std::string path) { return {Kind::kPdfFile, std::move(path)}; }
};

// The sheet and the part of it the printer can reach, in twips, and its resolution.
struct PageGeometry {
  double paperWidth = 12240;   // 8.5 inches
  double paperHeight = 15840;  // 11 inches
  double printableWidth = 12240;
  double printableHeight = 15840;
  int dotsPerInch = 600;
};

class Printer {
 public:
  virtual ~Printer() = default;

  // Starts the document (the job's name); false when there is no printer to print on.
  virtual bool BeginDocument(const std::string& title) = 0;
  virtual PageGeometry Geometry() const = 0;

  // The font that measuring and the following text items use.
  virtual void SetFont(const Font& font) = 0;
  virtual double TextWidth(std::string_view text) = 0;
  virtual double TextHeight(std::string_view text) = 0;

  // Draws one item on the current page. Line widths are in printer dots.
  virtual void Draw(const DrawItem& item) = 0;
  virtual void NewPage() = 0;
  // The current page, counted from 1.
  virtual int PageNumber() const = 0;

  // Ends the document and sends it; false when anything of the job failed.
  virtual bool EndDocument() = 0;
};

}  // namespace aloftra
