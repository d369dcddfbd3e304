// The PDF printer for tools without a window: Qt paints on its offscreen platform, started
// here when the tool has no application object yet.
#include <QGuiApplication>

#include "print/PdfPrinter.h"
#include "qt/QtPrinter.h"

namespace aloftra {

namespace {

void EnsureGuiApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "aloftra-cli";
  static char* argv[] = {name, nullptr};
  // Kept for the rest of the run: fonts and paint engines live as long as the program does.
  static QGuiApplication* application = new QGuiApplication(argc, argv);
  (void)application;
}

}  // namespace

std::unique_ptr<Printer> MakePdfPrinter(const std::string& path) {
  EnsureGuiApplication();
  return std::make_unique<qt::QtPrinter>(PrintTarget::PdfFile(path));
}

}  // namespace aloftra
