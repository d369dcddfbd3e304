// The printer of the reports on Qt: the system's default printer or a PDF file, through a
// QPrinter. Each item is painted by the painter that draws the forms, scaled from twips to
// the printer's resolution.
#pragma once

#include <QPainter>
#include <QPrinter>
#include <memory>

#include "form/Printer.h"

namespace aloftra::qt {

class QtPrinter : public Printer {
 public:
  explicit QtPrinter(PrintTarget target);
  ~QtPrinter() override;

  bool BeginDocument(const std::string& title) override;
  PageGeometry Geometry() const override;
  void SetFont(const Font& font) override { font_ = font; }
  double TextWidth(std::string_view text) override;
  double TextHeight(std::string_view text) override;
  void Draw(const DrawItem& item) override;
  void NewPage() override;
  int PageNumber() const override { return page_; }
  bool EndDocument() override;

 private:
  PrintTarget target_;
  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  Font font_;
  int page_ = 0;
  bool failed_ = false;
};

// Whether the system has a printer to print on.
bool SystemPrinterInstalled();

}  // namespace aloftra::qt
