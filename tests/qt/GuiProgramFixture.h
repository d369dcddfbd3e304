// The whole program on the offscreen desktop for the GUI tests: a platform that answers file
// dialogs and message boxes from a queue (and records the prompts), and a fixture that starts
// the program on a copy of a test logbook with every form bound to its Qt window.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/PosixFileSystem.h"
#include "qt/FormBinding.h"
#include "qt/QtPlatform.h"
#include "qt/Session.h"
#include "shell/App.h"

namespace aloftra::test {

// QtPlatform with the pilot's answers queued: what it would ask in a dialog is answered
// from the queue (a message box with none queued gets its first button) and recorded.
class QueuedQtPlatform : public qt::QtPlatform {
 public:
  std::deque<MsgBoxAnswer> answers;
  std::deque<std::optional<std::string>> files;
  std::vector<std::string> prompts;

  MsgBoxAnswer MsgBox(const std::string& prompt, MsgBoxButtons buttons, MsgBoxIcon,
                      const std::string&) override {
    Refresh();
    prompts.push_back(prompt);
    if (answers.empty())
      return buttons == MsgBoxButtons::kOk ? MsgBoxAnswer::kOk : MsgBoxAnswer::kYes;
    MsgBoxAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::optional<std::string> OpenFileDialog(const FileDialogOptions&) override { return Next(); }
  std::optional<std::string> SaveFileDialog(const FileDialogOptions&) override { return Next(); }

 private:
  std::optional<std::string> Next() {
    Refresh();
    if (files.empty()) return std::nullopt;
    std::optional<std::string> file = files.front();
    files.pop_front();
    return file;
  }
};

// The whole program on a copy of a test logbook, its windows bound to Qt, with helpers that
// find a window or widget by its form and control names and click or choose them.
class GuiProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    logbook = folder.filePath(QStringLiteral("Ridge.log"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(ALOFTRA_TEST_DATA "/logbook-small.log"), logbook));
    QFile::setPermissions(logbook, QFile::ReadOwner | QFile::WriteOwner);
    qt::BindProgram(binding, platform, app.AllForms(), [this] { return app.Ended(); });
    std::string path = logbook.toStdString();
    std::string programFolder = folder.path().toStdString();
    ASSERT_TRUE(binding.Dispatch([&] { app.Start(path, programFolder); }));
  }

  QWidget* WindowNamed(const char* form) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->objectName() == QLatin1String(form)) return window;
    }
    return nullptr;
  }
  bool Shown(const char* form) {
    QWidget* window = WindowNamed(form);
    return window != nullptr && window->isVisible();
  }
  template <class WidgetType>
  WidgetType* Find(const char* form, const char* name) {
    QWidget* window = WindowNamed(form);
    if (window == nullptr) return nullptr;
    return window->findChild<WidgetType*>(QLatin1String(name));
  }
  void ClickButton(const char* form, const char* button) {
    auto* widget = Find<QPushButton>(form, button);
    ASSERT_NE(widget, nullptr) << form << " " << button;
    QTest::mouseClick(widget, Qt::LeftButton);
  }
  void ChooseMenuItem(const char* form, const char* item) {
    auto* action = Find<QAction>(form, item);
    ASSERT_NE(action, nullptr) << form << " " << item;
    ASSERT_TRUE(action->isEnabled()) << item;
    action->trigger();
  }
  QString Title(const char* form) {
    QWidget* window = WindowNamed(form);
    return window != nullptr ? window->windowTitle() : QString();
  }

  QTemporaryDir folder;
  QString logbook;
  QueuedQtPlatform platform;
  PosixFileSystem fileSystem;
  App app{platform, fileSystem};
  qt::FormBinding binding;
};

}  // namespace aloftra::test
