#include "qt/ApplicationSetup.h"

#include <QIcon>
#include <QString>
#include <cstdio>

#include "qt/Pictures.h"
#include "qt/QtConvert.h"

namespace aloftra::qt {

namespace {

void WriteMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

void SetUpApplication(QApplication& application) {
  (void)application;
  if (QApplication::platformName() == QStringLiteral("offscreen")) {
    qInstallMessageHandler(WriteMessage);
  }
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication::setFont(DefaultFormFont());
  QApplication::setQuitOnLastWindowClosed(false);
  // The installed icon of the desktop's theme; the drawn glider when running from a build.
  QApplication::setWindowIcon(QIcon::fromTheme(
      QStringLiteral("aloftra"),
      QIcon(PicturePixmap("glider", QSize(64, 64), DefaultPictureColor()))));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.aloftra.Aloftra"));
}

}  // namespace aloftra::qt
