#include "qt/QtPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <iostream>

#include "qt/FileDialogs.h"
#include "qt/HelpFiles.h"
#include "qt/LocalClock.h"
#include "qt/MessageBoxes.h"
#include "qt/QtConvert.h"
#include "qt/QtPrinter.h"
#include "qt/WebAddress.h"

namespace aloftra::qt {

namespace {

constexpr int kAssociationTimeoutMs = 5000;

}  // namespace

QtPlatform::~QtPlatform() {
  while (busyDepth_ > 0)
    SetBusy(false);
}

void QtPlatform::Refresh() {
  if (refresh_) refresh_();
}

MsgBoxAnswer QtPlatform::MsgBox(const std::string& prompt, MsgBoxButtons buttons, MsgBoxIcon icon,
                                const std::string& title) {
  if (!interactive_) {
    std::cerr << title << ": " << prompt << "\n";
    return CautiousAnswer(buttons);
  }
  Refresh();
  std::unique_ptr<QMessageBox> box =
      MakeMessageBox(prompt, buttons, icon, title, QApplication::activeWindow());
  box->exec();
  return AnswerOf(box->standardButton(box->clickedButton()), buttons);
}

void QtPlatform::Beep() {
  QApplication::beep();
}

std::optional<std::string> QtPlatform::RunFileDialog(const FileDialogOptions& options, bool save) {
  if (!interactive_) return std::nullopt;
  Refresh();
  QFileDialog dialog(QApplication::activeWindow());
  ConfigureFileDialog(dialog, options, save);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return ToStdString(QFileInfo(chosen.front()).absoluteFilePath());
}

std::optional<std::string> QtPlatform::OpenFileDialog(const FileDialogOptions& options) {
  return RunFileDialog(options, false);
}

std::vector<std::string> QtPlatform::OpenFilesDialog(const FileDialogOptions& options) {
  if (!interactive_) return {};
  Refresh();
  QFileDialog dialog(QApplication::activeWindow());
  ConfigureFileDialog(dialog, options, false);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  if (dialog.exec() != QDialog::Accepted) return {};
  std::vector<std::string> paths;
  for (const QString& chosen : dialog.selectedFiles()) {
    paths.push_back(ToStdString(QFileInfo(chosen).absoluteFilePath()));
  }
  return paths;
}

std::optional<std::string> QtPlatform::SaveFileDialog(const FileDialogOptions& options) {
  return RunFileDialog(options, true);
}

DateTime QtPlatform::Now() {
  return LocalNow();
}

void QtPlatform::DoEvents() {
  Refresh();
  // Pending painting runs; the pilot's clicks and keys wait until the work is done.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtPlatform::SetBusy(bool busy) {
  if (busy) {
    ++busyDepth_;
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (busyDepth_ > 0) {
    --busyDepth_;
    QApplication::restoreOverrideCursor();
  }
}

std::optional<std::string> QtPlatform::FindAssociatedProgram(const std::string& documentPath) {
  QMimeDatabase mimeTypes;
  QString type =
      mimeTypes.mimeTypeForFile(ToQString(documentPath), QMimeDatabase::MatchExtension).name();
  if (type.isEmpty() || type == QStringLiteral("application/octet-stream")) {
    type = QStringLiteral("text/html");
  }
  // The desktop's own answer, asked with an argument list: no shell sees the path.
  QProcess query;
  query.start(QStringLiteral("xdg-mime"),
              {QStringLiteral("query"), QStringLiteral("default"), type});
  if (!query.waitForStarted(kAssociationTimeoutMs)) return std::nullopt;
  if (!query.waitForFinished(kAssociationTimeoutMs)) {
    query.kill();
    query.waitForFinished(kAssociationTimeoutMs);
    return std::nullopt;
  }
  if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) return std::nullopt;
  QString program = QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
  if (program.isEmpty()) return std::nullopt;
  return ToStdString(program);
}

bool QtPlatform::OpenWebAddress(const std::string& program, const std::string& address) {
  // The desktop opens web addresses with the program it named for web pages.
  (void)program;
  std::optional<QUrl> url = WebAddressToOpen(address);
  if (!url) return false;
  return QDesktopServices::openUrl(*url);
}

std::unique_ptr<Printer> QtPlatform::OpenPrinter(const PrintTarget& target) {
  return std::make_unique<QtPrinter>(target);
}

void QtPlatform::OpenHelp(const std::string& helpFile) {
  std::optional<std::string> help = HelpFileToOpen(helpFile, BundledHelpFiles());
  if (!help) {
    MsgBox("The help file '" + helpFile + "' could not be found.", MsgBoxButtons::kOk,
           MsgBoxIcon::kExclamation, kProgramTitle);
    return;
  }
  // The file is there; what failed is handing it to a browser.
  if (!ShowLocalFile(*help)) {
    MsgBox("No web browser could be started to show the help file '" + *help + "'.",
           MsgBoxButtons::kOk, MsgBoxIcon::kExclamation, kProgramTitle);
  }
}

bool QtPlatform::ShowLocalFile(const std::string& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(path)));
}

}  // namespace aloftra::qt
