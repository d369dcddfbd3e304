// The Qt printer: a PDF file on letter paper with the border of an ordinary printer, fonts
// measured as they are drawn, and failures reported rather than lost.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "qt/QtPrinter.h"

namespace aloftra::test {
namespace {

Font Arial(double size, bool bold = false) {
  Font font;
  font.family = "Arial";
  font.size = size;
  font.bold = bold;
  return font;
}

TEST(QtPrinterTest, PdfPagesOnLetterPaperWithMetricsThatFollowTheFont) {
  QTemporaryDir folder;
  std::string path = QDir(folder.path()).filePath("report.pdf").toStdString();
  qt::QtPrinter printer(PrintTarget::PdfFile(path));
  ASSERT_TRUE(printer.BeginDocument("Aloftra"));
  PageGeometry geometry = printer.Geometry();
  EXPECT_NEAR(geometry.paperWidth, 12240, 15);
  EXPECT_NEAR(geometry.paperHeight, 15840, 15);
  EXPECT_NEAR(geometry.printableWidth, 12240 - 720, 15);
  EXPECT_NEAR(geometry.printableHeight, 15840 - 720, 15);
  EXPECT_EQ(printer.PageNumber(), 1);

  printer.SetFont(Arial(9));
  double small = printer.TextWidth("Flight No: 1234");
  double smallHeight = printer.TextHeight("A");
  printer.SetFont(Arial(18));
  double large = printer.TextWidth("Flight No: 1234");
  printer.SetFont(Arial(9, true));
  double bold = printer.TextWidth("Flight No: 1234");
  // Nine-point Arial runs about 5 twips a point per character on average.
  EXPECT_GT(small, 600);
  EXPECT_LT(small, 1500);
  EXPECT_NEAR(large / small, 2.0, 0.05);
  EXPECT_GT(bold, small);
  EXPECT_GT(smallHeight, 9 * 20 * 0.9);
  EXPECT_LT(smallHeight, 9 * 20 * 1.5);

  printer.Draw(DrawItem::Text(720, 720, "Page one", kBlack, Arial(9)));
  printer.Draw(DrawItem::Line(720, 1000, 11000, 1000, kBlack, 8));
  printer.NewPage();
  EXPECT_EQ(printer.PageNumber(), 2);
  printer.Draw(DrawItem::Pie(3000, 3000, 800, 0, 0.4, kBlack, Rgb(128, 128, 128)));
  EXPECT_TRUE(printer.EndDocument());

  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(5).startsWith("%PDF-"));
}

TEST(QtPrinterTest, APdfThatCannotBeWrittenFailsTheJob) {
  qt::QtPrinter printer(PrintTarget::PdfFile("/nonexistent-folder/report.pdf"));
  bool printed = printer.BeginDocument("Aloftra");
  if (printed) {
    printer.Draw(DrawItem::Text(720, 720, "lost", kBlack, Arial(9)));
    printed = printer.EndDocument();
  }
  EXPECT_FALSE(printed);
}

TEST(QtPrinterTest, WithoutAnInstalledPrinterTheSystemPrinterCannotBegin) {
  if (qt::SystemPrinterInstalled()) GTEST_SKIP() << "this machine has a printer";
  qt::QtPrinter printer(PrintTarget::SystemPrinter());
  EXPECT_FALSE(printer.BeginDocument("Aloftra"));
  EXPECT_FALSE(printer.EndDocument());
}

}  // namespace
}  // namespace aloftra::test
