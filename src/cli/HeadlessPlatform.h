// A platform for tools and benchmarks that drive the program without a window: questions
// are answered Yes, file dialogs cancelled, and the clock stands still.
#pragma once

#include "form/Platform.h"

namespace aloftra {

class HeadlessPlatform : public Platform {
 public:
  explicit HeadlessPlatform(DateTime now) : now_(now) {}

  int messages = 0;

  MsgBoxAnswer MsgBox(const std::string&, MsgBoxButtons buttons, MsgBoxIcon,
                      const std::string&) override {
    ++messages;
    return buttons == MsgBoxButtons::kOk ? MsgBoxAnswer::kOk : MsgBoxAnswer::kYes;
  }
  void Beep() override {}
  std::optional<std::string> OpenFileDialog(const FileDialogOptions&) override {
    return std::nullopt;
  }
  std::optional<std::string> SaveFileDialog(const FileDialogOptions&) override {
    return std::nullopt;
  }
  std::vector<std::string> OpenFilesDialog(const FileDialogOptions&) override { return {}; }
  DateTime Now() override { return now_; }
  void DoEvents() override {}
  void SetBusy(bool) override {}
  std::optional<std::string> FindAssociatedProgram(const std::string&) override {
    return std::nullopt;
  }
  bool OpenWebAddress(const std::string&, const std::string&) override { return false; }
  void OpenHelp(const std::string&) override {}
  void Quit() override {}
  // Reports are written by the print command itself, never through a dialog.
  std::unique_ptr<Printer> OpenPrinter(const PrintTarget&) override { return nullptr; }

 private:
  DateTime now_;
};

}  // namespace aloftra
