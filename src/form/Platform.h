// The one door to the outside world. Pages never touch the screen, the clock, the file
// dialogs, the printer or the browser directly: the application hands them a Platform, the
// Qt front end implements it for real and tests script it.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/Records.h"
#include "form/Printer.h"

namespace aloftra {

inline constexpr const char* kProgramTitle = "Aloftra";

enum class MsgBoxButtons { kOk = 0, kOkCancel = 1, kYesNoCancel = 3, kYesNo = 4 };
enum class MsgBoxIcon {
  kNone = 0,
  kCritical = 16,
  kQuestion = 32,
  kExclamation = 48,
  kInformation = 64
};
enum class MsgBoxAnswer { kOk = 1, kCancel = 2, kYes = 6, kNo = 7 };

struct FileDialogOptions {
  std::string title;
  std::string filter;            // "Aloftra Files (*.log)|*.log"
  std::string defaultExtension;  // ".log"
  std::string initialName;
  int flags = 0;  // 4100: the file must exist, no read-only box
};

class Platform {
 public:
  virtual ~Platform() = default;

  virtual MsgBoxAnswer MsgBox(const std::string& prompt, MsgBoxButtons buttons, MsgBoxIcon icon,
                              const std::string& title) = 0;
  virtual void Beep() = 0;

  // The chosen full path, or nullopt when the pilot cancels.
  virtual std::optional<std::string> OpenFileDialog(const FileDialogOptions& options) = 0;
  virtual std::optional<std::string> SaveFileDialog(const FileDialogOptions& options) = 0;
  // The chosen full paths of an open dialog that takes several files; empty when the pilot
  // cancels.
  virtual std::vector<std::string> OpenFilesDialog(const FileDialogOptions& options) = 0;

  virtual DateTime Now() = 0;
  // Lets pending window events run in the middle of a long operation.
  virtual void DoEvents() = 0;
  // The hourglass pointer during long work.
  virtual void SetBusy(bool busy) = 0;

  // The program the desktop opens a document with, or nullopt when there is none.
  virtual std::optional<std::string> FindAssociatedProgram(const std::string& documentPath) = 0;
  // Hands a web address to that program; false when it could not be opened. The address is
  // passed as data, never through a shell command line.
  virtual bool OpenWebAddress(const std::string& program, const std::string& address) = 0;
  // Opens the help file at its contents page.
  virtual void OpenHelp(const std::string& helpFile) = 0;

  // A printer for one document on the system printer or into a PDF file; nullptr when
  // there is none to be had.
  virtual std::unique_ptr<Printer> OpenPrinter(const PrintTarget& target) = 0;

  // Ends the program once the running handler returns.
  virtual void Quit() = 0;

  // Shorthand for the program's plain messages: OK button, no icon, the program's title.
  void Message(const std::string& prompt) {
    MsgBox(prompt, MsgBoxButtons::kOk, MsgBoxIcon::kNone, kProgramTitle);
  }
};

}  // namespace aloftra
