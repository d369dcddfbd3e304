#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

namespace aloftra::test {

std::vector<std::string> ScriptedPlatform::Prompts() const {
  std::vector<std::string> prompts;
  for (const RecordedMessage& message : messages_)
    prompts.push_back(message.prompt);
  return prompts;
}

MsgBoxAnswer ScriptedPlatform::MsgBox(const std::string& prompt, MsgBoxButtons buttons,
                                      MsgBoxIcon icon, const std::string& title) {
  messages_.push_back(RecordedMessage{prompt, buttons, icon, title});
  if (!answers_.empty()) {
    MsgBoxAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  if (buttons == MsgBoxButtons::kOk) return MsgBoxAnswer::kOk;
  ADD_FAILURE() << "unexpected question with no scripted answer: " << prompt;
  return MsgBoxAnswer::kCancel;
}

std::optional<std::string> ScriptedPlatform::NextFile(bool save, const FileDialogOptions& options) {
  fileDialogs_.push_back(RecordedFileDialog{save, options});
  if (files_.empty()) return std::nullopt;
  std::optional<std::string> path = files_.front();
  files_.pop_front();
  return path;
}

std::optional<std::string> ScriptedPlatform::OpenFileDialog(const FileDialogOptions& options) {
  return NextFile(false, options);
}

std::optional<std::string> ScriptedPlatform::SaveFileDialog(const FileDialogOptions& options) {
  return NextFile(true, options);
}

std::vector<std::string> ScriptedPlatform::OpenFilesDialog(const FileDialogOptions& options) {
  fileDialogs_.push_back({false, options});
  if (fileLists_.empty()) return {};
  std::vector<std::string> paths = std::move(fileLists_.front());
  fileLists_.pop_front();
  return paths;
}

std::optional<std::string> ScriptedPlatform::FindAssociatedProgram(
    const std::string& documentPath) {
  associationQueries_.push_back(documentPath);
  return program_;
}

bool ScriptedPlatform::OpenWebAddress(const std::string& program, const std::string& address) {
  (void)program;
  openedAddresses_.push_back(address);
  return webOpens_;
}

std::unique_ptr<Printer> ScriptedPlatform::OpenPrinter(const PrintTarget& target) {
  if (target.kind == PrintTarget::Kind::kSystemPrinter && !printerInstalled_) return nullptr;
  auto document = std::make_shared<PrintedDocument>();
  document->target = target;
  printed_.push_back(document);
  return std::make_unique<RecordingPrinter>(document, printerFails_);
}

}  // namespace aloftra::test
