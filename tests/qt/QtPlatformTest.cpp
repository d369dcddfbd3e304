// QtPlatform with the desktop stood in for: the addresses that reach the desktop's URL
// handler, the help file handed to it, the association asked of xdg-mime with an argument
// list, the busy pointer, and the answers given when nobody can be asked.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include "QStringPrinter.h"
#include "qt/QtPlatform.h"

namespace aloftra::qt {
namespace {

// Receives what the platform hands to the desktop, in place of a browser.
class UrlRecorder : public QObject {
  Q_OBJECT
 public:
  QStringList opened;
 public slots:
  void open(const QUrl& url) { opened.push_back(url.toString()); }
};

class DesktopStandIn {
 public:
  DesktopStandIn() {
    for (const char* scheme : {"http", "https", "ftp", "mailto", "file"}) {
      QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &recorder, "open");
    }
  }
  ~DesktopStandIn() {
    for (const char* scheme : {"http", "https", "ftp", "mailto", "file"}) {
      QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
  }
  UrlRecorder recorder;
};

TEST(QtPlatformTest, OnlyWebAndMailAddressesReachTheDesktop) {
  DesktopStandIn desktop;
  QtPlatform platform;
  EXPECT_TRUE(platform.OpenWebAddress("firefox.desktop", "www.example.org"));
  EXPECT_TRUE(platform.OpenWebAddress("firefox.desktop", "mailto:pilot@example.org"));
  EXPECT_FALSE(platform.OpenWebAddress("firefox.desktop", "file:///usr/bin/xterm"));
  EXPECT_FALSE(platform.OpenWebAddress("firefox.desktop", "/usr/bin/xterm"));
  EXPECT_EQ(desktop.recorder.opened, (QStringList{QStringLiteral("http://www.example.org"),
                                                  QStringLiteral("mailto:pilot@example.org")}));
}

class HelpRecordingPlatform : public QtPlatform {
 public:
  std::vector<std::string> messages;
  MsgBoxAnswer MsgBox(const std::string& prompt, MsgBoxButtons, MsgBoxIcon,
                      const std::string&) override {
    messages.push_back(prompt);
    return MsgBoxAnswer::kOk;
  }
};

// A help file in the folder; empty when it could not be written.
QString WriteHelpFile(const QTemporaryDir& folder) {
  QString help = folder.filePath(QStringLiteral("Aloftra.html"));
  QFile file(help);
  if (!file.open(QIODevice::WriteOnly) || file.write("<html></html>") < 0) return {};
  return help;
}

TEST(QtPlatformTest, TheHelpFileInTheProgramFolderIsOpened) {
  DesktopStandIn desktop;
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QString help = WriteHelpFile(folder);
  ASSERT_FALSE(help.isEmpty());
  HelpRecordingPlatform platform;
  platform.OpenHelp(help.toStdString());
  EXPECT_EQ(desktop.recorder.opened, QStringList{QUrl::fromLocalFile(help).toString()});
  EXPECT_TRUE(platform.messages.empty());
}

// The help file is there but no browser takes it: the pilot hears that, not that the file
// could not be opened.
TEST(QtPlatformTest, HelpWithoutABrowserSaysThatNoBrowserCouldBeStarted) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QString help = WriteHelpFile(folder);
  ASSERT_FALSE(help.isEmpty());
  class NoBrowserPlatform : public HelpRecordingPlatform {
   protected:
    bool ShowLocalFile(const std::string&) override { return false; }
  };
  NoBrowserPlatform platform;
  platform.OpenHelp(help.toStdString());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0],
            "No web browser could be started to show the help file '" + help.toStdString() + "'.");
}

// A stand-in for xdg-mime on the PATH that notes its arguments and answers as told.
class FakeXdgMime {
 public:
  FakeXdgMime(const char* answer, int exitCode) : oldPath_(qgetenv("PATH")) {
    EXPECT_TRUE(folder_.isValid());
    QFile script(folder_.filePath(QStringLiteral("xdg-mime")));
    EXPECT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do echo \"$a\" >> '%1'; done\n"
                                "printf '%2'\nexit %3\n")
                     .arg(ArgumentsFile(), QString::fromLatin1(answer))
                     .arg(exitCode)
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", folder_.path().toUtf8() + ":/usr/bin:/bin");
  }
  ~FakeXdgMime() { qputenv("PATH", oldPath_); }
  QString ArgumentsFile() const { return folder_.filePath(QStringLiteral("arguments")); }
  QStringList Arguments() const {
    QFile file(ArgumentsFile());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split(QChar('\n'), Qt::SkipEmptyParts);
  }

 private:
  QTemporaryDir folder_;
  QByteArray oldPath_;
};

TEST(QtPlatformTest, TheAssociatedProgramIsAskedOfTheDesktopWithAnArgumentList) {
  FakeXdgMime xdgMime("firefox-esr.desktop\\n", 0);
  QtPlatform platform;
  EXPECT_EQ(platform.FindAssociatedProgram("/tmp/it's a \"probe\"; rm -rf x/temp.HTM"),
            "firefox-esr.desktop");
  EXPECT_EQ(xdgMime.Arguments(), (QStringList{QStringLiteral("query"), QStringLiteral("default"),
                                              QStringLiteral("text/html")}));
}

TEST(QtPlatformTest, NoAssociationWhenTheDesktopHasNoneOrCannotBeAsked) {
  QtPlatform platform;
  {
    FakeXdgMime xdgMime("", 0);
    EXPECT_EQ(platform.FindAssociatedProgram("temp.HTM"), std::nullopt);
  }
  {
    FakeXdgMime xdgMime("oops", 4);
    EXPECT_EQ(platform.FindAssociatedProgram("temp.HTM"), std::nullopt);
  }
  QByteArray oldPath = qgetenv("PATH");
  QTemporaryDir empty;
  qputenv("PATH", empty.path().toUtf8());
  EXPECT_EQ(platform.FindAssociatedProgram("temp.HTM"), std::nullopt);
  qputenv("PATH", oldPath);
}

TEST(QtPlatformTest, TheBusyPointerStaysUpUntilTheLastCallThatRaisedItIsOver) {
  {
    QtPlatform platform;
    platform.SetBusy(true);
    platform.SetBusy(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    platform.SetBusy(false);
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    platform.SetBusy(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // One normal pointer too many takes away no one else's.
    QApplication::setOverrideCursor(Qt::CrossCursor);
    platform.SetBusy(false);
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    QApplication::restoreOverrideCursor();
    // A platform that goes while busy leaves the pointer as it found it.
    platform.SetBusy(true);
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtPlatformTest, WithoutAPilotQuestionsGetTheCautiousAnswerAndDialogsAreCancelled) {
  QtPlatform platform;
  platform.SetInteractive(false);
  EXPECT_EQ(platform.MsgBox("Delete this flight?", MsgBoxButtons::kYesNo, MsgBoxIcon::kQuestion,
                            "Confirm Delete"),
            MsgBoxAnswer::kNo);
  EXPECT_EQ(platform.MsgBox("Save?", MsgBoxButtons::kYesNoCancel, MsgBoxIcon::kExclamation,
                            "Save Changes"),
            MsgBoxAnswer::kCancel);
  EXPECT_EQ(platform.OpenFileDialog(FileDialogOptions{}), std::nullopt);
  EXPECT_EQ(platform.SaveFileDialog(FileDialogOptions{}), std::nullopt);
  platform.Quit();
  EXPECT_TRUE(platform.QuitRequested());
}

}  // namespace
}  // namespace aloftra::qt

#include "QtPlatformTest.moc"
