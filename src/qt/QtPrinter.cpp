#include "qt/QtPrinter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

#include "qt/FormPainter.h"
#include "qt/QtConvert.h"

namespace aloftra::qt {

namespace {

constexpr double kTwipsPerInch = 1440;
// Items are painted this many times larger on a painter scaled down as much: fonts then come
// in fine steps (a form font's size is a whole number of pixels) and the pixel the form
// painter leaves off the end of every line is too small to see.
constexpr double kFineSteps = 16;
// PDF files get the border an ordinary printer has, a quarter of an inch all round.
constexpr double kPdfBorderPoints = 18;

DrawItem Enlarged(const DrawItem& item) {
  DrawItem large = item;
  large.x1 *= kFineSteps;
  large.y1 *= kFineSteps;
  large.x2 *= kFineSteps;
  large.y2 *= kFineSteps;
  large.radius *= kFineSteps;
  large.font.size *= kFineSteps;
  return large;
}

}  // namespace

bool SystemPrinterInstalled() {
  return !QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinters().isEmpty();
}

QtPrinter::QtPrinter(PrintTarget target) : target_(std::move(target)) {}

QtPrinter::~QtPrinter() {
  if (painter_.isActive()) painter_.end();
}

bool QtPrinter::BeginDocument(const std::string& title) {
  bool toPdf = target_.kind == PrintTarget::Kind::kPdfFile;
  if (!toPdf && !SystemPrinterInstalled()) return false;
  printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer_->setDocName(QString::fromStdString(title));
  if (toPdf) {
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(QString::fromStdString(target_.pdfPath));
    printer_->setResolution(600);
    printer_->setPageSize(QPageSize(QPageSize::Letter));
    printer_->setPageMargins(
        QMarginsF(kPdfBorderPoints, kPdfBorderPoints, kPdfBorderPoints, kPdfBorderPoints),
        QPageLayout::Point);
  }
  if (!painter_.begin(printer_.get())) return false;
  double devicePerTwip = printer_->resolution() / kTwipsPerInch;
  // The form painter counts kTwipsPerPixel twips to a unit.
  double scale = devicePerTwip * kTwipsPerPixel / kFineSteps;
  painter_.scale(scale, scale);
  page_ = 1;
  return true;
}

PageGeometry QtPrinter::Geometry() const {
  PageGeometry geometry;
  if (!printer_) return geometry;
  double twipsPerDot = kTwipsPerInch / printer_->resolution();
  QRectF paper = printer_->paperRect(QPrinter::DevicePixel);
  QRectF page = printer_->pageRect(QPrinter::DevicePixel);
  geometry.paperWidth = paper.width() * twipsPerDot;
  geometry.paperHeight = paper.height() * twipsPerDot;
  geometry.printableWidth = page.width() * twipsPerDot;
  geometry.printableHeight = page.height() * twipsPerDot;
  geometry.dotsPerInch = printer_->resolution();
  return geometry;
}

double QtPrinter::TextWidth(std::string_view text) {
  if (!printer_) return 0;
  Font large = font_;
  large.size *= kFineSteps;
  QFontMetricsF metrics(ToQFont(large), printer_.get());
  double units = metrics.horizontalAdvance(
      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  return units / kFineSteps * kTwipsPerPixel;
}

double QtPrinter::TextHeight(std::string_view) {
  if (!printer_) return 0;
  Font large = font_;
  large.size *= kFineSteps;
  QFontMetricsF metrics(ToQFont(large), printer_.get());
  return metrics.height() / kFineSteps * kTwipsPerPixel;
}

void QtPrinter::Draw(const DrawItem& item) {
  if (!painter_.isActive()) {
    failed_ = true;
    return;
  }
  double dotsPerUnit = painter_.transform().m11();
  PaintDrawItem(painter_, Enlarged(item), QPalette(), 1.0 / dotsPerUnit);
}

void QtPrinter::NewPage() {
  if (!printer_ || !printer_->newPage()) failed_ = true;
  ++page_;
}

bool QtPrinter::EndDocument() {
  bool ended = painter_.isActive() && painter_.end();
  return ended && !failed_;
}

}  // namespace aloftra::qt
