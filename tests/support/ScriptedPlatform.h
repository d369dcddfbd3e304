// A Platform for tests: answers queued in advance, everything the program shows recorded.
// A message box with no queued answer gets OK (or fails the test when it asks a question),
// a file dialog with no queued answer is cancelled, and the clock stands still until moved.
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "form/Platform.h"
#include "support/RecordingPrinter.h"

namespace aloftra::test {

struct RecordedMessage {
  std::string prompt;
  MsgBoxButtons buttons = MsgBoxButtons::kOk;
  MsgBoxIcon icon = MsgBoxIcon::kNone;
  std::string title;
};

struct RecordedFileDialog {
  bool save = false;
  FileDialogOptions options;
};

class ScriptedPlatform : public Platform {
 public:
  // Answers for the next questions, in order.
  void QueueAnswer(MsgBoxAnswer answer) { answers_.push_back(answer); }
  // The path the next file dialog returns; nullopt cancels it.
  void QueueFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
  // The paths the next several-files dialog returns; an empty list cancels it.
  void QueueFiles(std::vector<std::string> paths) { fileLists_.push_back(std::move(paths)); }
  void SetNow(DateTime now) { now_ = now; }
  // The association the desktop reports for documents, and whether opening an address works.
  void SetAssociatedProgram(std::optional<std::string> program) { program_ = std::move(program); }
  void SetWebAddressOpens(bool opens) { webOpens_ = opens; }
  // Without a system printer only PDF files can be printed; a failing printer reports an
  // error when its document ends.
  void SetSystemPrinterInstalled(bool installed) { printerInstalled_ = installed; }
  void SetPrinterFails(bool fails) { printerFails_ = fails; }
  // Every document printed so far, in order.
  const std::vector<std::shared_ptr<PrintedDocument>>& Printed() const { return printed_; }
  const PrintedDocument& LastPrinted() const { return *printed_.back(); }

  const std::vector<RecordedMessage>& Messages() const { return messages_; }
  std::vector<std::string> Prompts() const;
  const RecordedMessage& LastMessage() const { return messages_.back(); }
  void ClearMessages() { messages_.clear(); }
  int Beeps() const { return beeps_; }
  const std::vector<RecordedFileDialog>& FileDialogs() const { return fileDialogs_; }
  const std::vector<std::string>& OpenedAddresses() const { return openedAddresses_; }
  const std::vector<std::string>& AssociationQueries() const { return associationQueries_; }
  const std::vector<std::string>& HelpFilesOpened() const { return helpFiles_; }
  bool Busy() const { return busy_; }
  int BusyCalls() const { return busyCalls_; }
  bool QuitRequested() const { return quit_; }
  int DoEventsCalls() const { return doEvents_; }
  std::size_t PendingAnswers() const { return answers_.size(); }

  MsgBoxAnswer MsgBox(const std::string& prompt, MsgBoxButtons buttons, MsgBoxIcon icon,
                      const std::string& title) override;
  void Beep() override { ++beeps_; }
  std::optional<std::string> OpenFileDialog(const FileDialogOptions& options) override;
  std::optional<std::string> SaveFileDialog(const FileDialogOptions& options) override;
  std::vector<std::string> OpenFilesDialog(const FileDialogOptions& options) override;
  DateTime Now() override { return now_; }
  void DoEvents() override { ++doEvents_; }
  void SetBusy(bool busy) override {
    busy_ = busy;
    ++busyCalls_;
  }
  std::optional<std::string> FindAssociatedProgram(const std::string& documentPath) override;
  bool OpenWebAddress(const std::string& program, const std::string& address) override;
  void OpenHelp(const std::string& helpFile) override { helpFiles_.push_back(helpFile); }
  void Quit() override { quit_ = true; }
  std::unique_ptr<Printer> OpenPrinter(const PrintTarget& target) override;

 private:
  std::optional<std::string> NextFile(bool save, const FileDialogOptions& options);

  std::deque<MsgBoxAnswer> answers_;
  std::deque<std::optional<std::string>> files_;
  std::deque<std::vector<std::string>> fileLists_;
  std::vector<RecordedMessage> messages_;
  std::vector<RecordedFileDialog> fileDialogs_;
  std::vector<std::string> openedAddresses_;
  std::vector<std::string> associationQueries_;
  std::vector<std::string> helpFiles_;
  std::optional<std::string> program_ = std::string("/usr/bin/browser");
  bool webOpens_ = true;
  bool printerInstalled_ = true;
  bool printerFails_ = false;
  std::vector<std::shared_ptr<PrintedDocument>> printed_;
  DateTime now_ = 37016.5;  // 5 May 2001, noon
  int beeps_ = 0;
  bool busy_ = false;
  int busyCalls_ = 0;
  bool quit_ = false;
  int doEvents_ = 0;
};

}  // namespace aloftra::test
