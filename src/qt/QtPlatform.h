// The program's door to the desktop: Qt message boxes and file dialogs, the beep, the local
// clock, pending events, the busy pointer, the browser and the help.
#pragma once

#include <functional>

#include "form/Platform.h"

namespace aloftra::qt {

class QtPlatform : public Platform {
 public:
  QtPlatform() = default;
  ~QtPlatform() override;
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  MsgBoxAnswer MsgBox(const std::string& prompt, MsgBoxButtons buttons, MsgBoxIcon icon,
                      const std::string& title) override;
  void Beep() override;
  std::optional<std::string> OpenFileDialog(const FileDialogOptions& options) override;
  std::vector<std::string> OpenFilesDialog(const FileDialogOptions& options) override;
  std::optional<std::string> SaveFileDialog(const FileDialogOptions& options) override;
  DateTime Now() override;
  void DoEvents() override;
  void SetBusy(bool busy) override;
  std::optional<std::string> FindAssociatedProgram(const std::string& documentPath) override;
  bool OpenWebAddress(const std::string& program, const std::string& address) override;
  void OpenHelp(const std::string& helpFile) override;
  void Quit() override { quitRequested_ = true; }
  std::unique_ptr<Printer> OpenPrinter(const PrintTarget& target) override;

  bool QuitRequested() const { return quitRequested_; }
  int BusyDepth() const { return busyDepth_; }

  // Runs before the platform shows a message box or a dialog, or lets events run, so the
  // windows show the forms as the running handler has left them so far.
  void SetRefresh(std::function<void()> refresh) { refresh_ = std::move(refresh); }
  // Without a pilot (rendering screenshots) nothing is shown: message boxes go to the
  // error stream and get the cautious answer, file dialogs are cancelled.
  void SetInteractive(bool interactive) { interactive_ = interactive; }
  bool Interactive() const { return interactive_; }

 protected:
  void Refresh();
  // Hands a file to the desktop's program for it (a browser for the help); false when none
  // could be started.
  virtual bool ShowLocalFile(const std::string& path);

 private:
  std::optional<std::string> RunFileDialog(const FileDialogOptions& options, bool save);

  std::function<void()> refresh_;
  bool interactive_ = true;
  bool quitRequested_ = false;
  int busyDepth_ = 0;
};

}  // namespace aloftra::qt
