// What QtPlatform decides without a pilot: filters and suffixes of the file dialogs, the
// addresses that may go to the browser, the clock, message box buttons and answers, where
// the help comes from, and the program's arguments.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include "QStringPrinter.h"
#include "core/DateTime.h"
#include "qt/FileDialogs.h"
#include "qt/HelpFiles.h"
#include "qt/LocalClock.h"
#include "qt/MessageBoxes.h"
#include "qt/ProgramOptions.h"
#include "qt/WebAddress.h"

namespace aloftra::qt {
namespace {

TEST(FileDialogsTest, FiltersBecomeQtNameFilters) {
  struct Case {
    std::string filter;
    QString expected;
  };
  const Case cases[] = {
      {"Aloftra Files (*.log)|*.log", QStringLiteral("Aloftra Files (*.log)")},
      {"Text Files (*.txt)|*.txt|All Files (*.*)|*.*",
       QStringLiteral("Text Files (*.txt);;All Files (*.*)")},
      // A description without its patterns gets them, in Qt's blank-separated form.
      {"Comma Delimited|*.txt;*.csv", QStringLiteral("Comma Delimited (*.txt *.csv)")},
      // Parentheses that are not the patterns are not taken for them.
      {"Sites (comma delimited)|*.txt", QStringLiteral("Sites (comma delimited) (*.txt)")},
      {"", QString()},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ToQtNameFilters(c.filter), c.expected) << c.filter;
}

TEST(FileDialogsTest, TheDefaultExtensionBecomesTheDefaultSuffix) {
  EXPECT_EQ(ToDefaultSuffix(".log"), QStringLiteral("log"));
  EXPECT_EQ(ToDefaultSuffix("txt"), QStringLiteral("txt"));
  EXPECT_EQ(ToDefaultSuffix(""), QString());
}

TEST(FileDialogsTest, TheOpenDialogWantsAnExistingFileAndTheSaveDialogAnyName) {
  FileDialogOptions options{"Open", "Aloftra Files (*.log)|*.log", ".log", "", 4100};
  QFileDialog open;
  ConfigureFileDialog(open, options, false);
  EXPECT_EQ(open.windowTitle(), QStringLiteral("Open"));
  EXPECT_EQ(open.fileMode(), QFileDialog::ExistingFile);
  EXPECT_EQ(open.acceptMode(), QFileDialog::AcceptOpen);
  EXPECT_EQ(open.nameFilters(), QStringList{QStringLiteral("Aloftra Files (*.log)")});
  EXPECT_EQ(open.defaultSuffix(), QStringLiteral("log"));

  options.title = "Save As";
  QFileDialog save;
  ConfigureFileDialog(save, options, true);
  EXPECT_EQ(save.acceptMode(), QFileDialog::AcceptSave);
  EXPECT_EQ(save.fileMode(), QFileDialog::AnyFile);
  EXPECT_EQ(save.defaultSuffix(), QStringLiteral("log"));
}

// The dialogs open wide enough to show every file's name, size, type and date whole.
TEST(FileDialogsTest, TheDialogsShowTheFourColumnsOfDetailsWhole) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  for (const char* name : {"Summer season at Torrey Pines.log", "Ridge.log", "notes.txt"}) {
    QFile file(folder.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1500000, 'x'));
  }
  for (bool save : {false, true}) {
    FileDialogOptions options{save ? "Save As" : "Open", "Aloftra Files (*.log)|*.log|All|*.*",
                              ".log", "", 0};
    QFileDialog dialog;
    dialog.setDirectory(folder.path());
    ConfigureFileDialog(dialog, options, save);
    dialog.selectNameFilter(QStringLiteral("All (*.*)"));
    dialog.show();
    auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return list->model()->rowCount(list->rootIndex()) == 3; }, 5000));
    QApplication::processEvents();
    EXPECT_EQ(dialog.viewMode(), QFileDialog::Detail);
    QHeaderView* header = list->header();
    for (int column = 0; column < 4; ++column) {
      EXPECT_FALSE(header->isSectionHidden(column)) << column;
      // No entry of the column is cut short.
      EXPECT_GE(header->sectionSize(column),
                static_cast<QAbstractItemView*>(list)->sizeHintForColumn(column))
          << column;
    }
    // And every column lies within the list's width.
    EXPECT_LE(header->length(), list->viewport()->width()) << (save ? "save" : "open");
    dialog.close();
  }
}

TEST(WebAddressTest, WebAndMailAddressesOpen) {
  struct Case {
    std::string address;
    QString url;
  };
  const Case cases[] = {
      {"http://www.example.org/sites", QStringLiteral("http://www.example.org/sites")},
      {"HTTPS://example.org", QStringLiteral("https://example.org")},
      {"ftp://ftp.example.org/pub", QStringLiteral("ftp://ftp.example.org/pub")},
      {"mailto:pilot@example.org", QStringLiteral("mailto:pilot@example.org")},
      {"  www.example.org  ", QStringLiteral("http://www.example.org")},
      {"flyhere.example.com/launch", QStringLiteral("http://flyhere.example.com/launch")},
      {"example.org:8080/x", QStringLiteral("http://example.org:8080/x")},
  };
  for (const Case& c : cases) {
    std::optional<QUrl> url = WebAddressToOpen(c.address);
    ASSERT_TRUE(url.has_value()) << c.address;
    EXPECT_EQ(url->toString(), c.url) << c.address;
  }
}

TEST(WebAddressTest, AddressesThatCouldRunALocalProgramAreRefused) {
  const char* refused[] = {
      "file:///usr/bin/xterm",
      "javascript:alert(1)",
      "/usr/bin/xterm",
      "C:\\Windows\\System32\\calc.exe",
      "\\\\server\\share\\setup.exe",
      "./run.sh",
      "~/bin/tool",
      "calc",
      "smb://server/share",
      "data:text/html,<script>",
      "http://",
      "mailto:",
      "http://example.org/\nrm",
      "",
      "   ",
  };
  for (const char* address : refused) {
    EXPECT_FALSE(WebAddressToOpen(address).has_value()) << address;
  }
}

TEST(LocalClockTest, LocalTimeCountsDaysFromTheEndOf1899) {
  QDateTime noon(QDate(2001, 5, 5), QTime(12, 0, 0), Qt::LocalTime);
  EXPECT_DOUBLE_EQ(ToDateTime(noon), 37016.5);
  QDateTime start(QDate(1899, 12, 30), QTime(6, 0, 0), Qt::LocalTime);
  EXPECT_DOUBLE_EQ(ToDateTime(start), 0.25);
  QDateTime evening(QDate(2024, 2, 29), QTime(18, 30, 15), Qt::LocalTime);
  EXPECT_DOUBLE_EQ(ToDateTime(evening), MakeDateTime(2024, 2, 29, 18, 30, 15));
  // The clock reads today, in local time.
  CivilDateTime now = SplitDateTime(LocalNow());
  QDate today = QDate::currentDate();
  EXPECT_TRUE(now.year == today.year() || now.day != today.day());
}

TEST(MessageBoxesTest, TheButtonsIconAndTitleAreTheOnesAskedFor) {
  std::unique_ptr<QMessageBox> box =
      MakeMessageBox("Do you want to save changes to Untitled?", MsgBoxButtons::kYesNoCancel,
                     MsgBoxIcon::kExclamation, "Save Changes", nullptr);
  EXPECT_EQ(box->windowTitle(), QStringLiteral("Save Changes"));
  EXPECT_EQ(box->text(), QStringLiteral("Do you want to save changes to Untitled?"));
  EXPECT_EQ(box->icon(), QMessageBox::Warning);
  EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::Yes));

  std::unique_ptr<QMessageBox> plain = MakeMessageBox("line one\r\nline two", MsgBoxButtons::kOk,
                                                      MsgBoxIcon::kNone, "Aloftra", nullptr);
  EXPECT_EQ(plain->text(), QStringLiteral("line one\nline two"));
  EXPECT_EQ(plain->standardButtons(), QMessageBox::Ok);
  EXPECT_EQ(plain->icon(), QMessageBox::NoIcon);
}

// A box is as wide as its title needs on the desktop's title bar, however short its text.
TEST(MessageBoxesTest, AShortMessageStillGetsABoxWideEnoughForItsTitle) {
  for (const char* title : {"Aloftra", "Multi-Flight Entry", "Invalid Coordinates Entered"}) {
    std::unique_ptr<QMessageBox> box =
        MakeMessageBox("Invalid date.", MsgBoxButtons::kOk, MsgBoxIcon::kNone, title, nullptr);
    box->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box.get()));
    int titleWidth = QFontMetrics(box->font()).horizontalAdvance(QString::fromLatin1(title));
    EXPECT_GE(box->width(), titleWidth + 100) << title;
    EXPECT_GE(box->width(), MessageBoxMinimumWidth(box->windowTitle(), box->font())) << title;
    box->close();
  }
  // A long text still makes the box wider than its title would.
  std::string longText(30, 'm');
  std::unique_ptr<QMessageBox> wide =
      MakeMessageBox(longText, MsgBoxButtons::kOk, MsgBoxIcon::kNone, "Aloftra", nullptr);
  wide->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(wide.get()));
  EXPECT_GE(wide->width(),
            QFontMetrics(wide->font()).horizontalAdvance(QString::fromStdString(longText)));
}

TEST(MessageBoxesTest, AnswersAreTheFormsAndAClosedBoxGivesTheCautiousOne) {
  EXPECT_EQ(AnswerOf(QMessageBox::Yes, MsgBoxButtons::kYesNo), MsgBoxAnswer::kYes);
  EXPECT_EQ(AnswerOf(QMessageBox::No, MsgBoxButtons::kYesNoCancel), MsgBoxAnswer::kNo);
  EXPECT_EQ(AnswerOf(QMessageBox::Cancel, MsgBoxButtons::kOkCancel), MsgBoxAnswer::kCancel);
  EXPECT_EQ(AnswerOf(QMessageBox::Ok, MsgBoxButtons::kOk), MsgBoxAnswer::kOk);
  EXPECT_EQ(AnswerOf(QMessageBox::NoButton, MsgBoxButtons::kYesNoCancel), MsgBoxAnswer::kCancel);
  // A Yes/No question closed without an answer must not count as Yes.
  EXPECT_EQ(AnswerOf(QMessageBox::NoButton, MsgBoxButtons::kYesNo), MsgBoxAnswer::kNo);
  EXPECT_EQ(CautiousAnswer(MsgBoxButtons::kOk), MsgBoxAnswer::kOk);
}

TEST(HelpFilesTest, TheProgramFoldersHelpComesFirstThenTheBundledOne) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  std::string own = folder.filePath(QStringLiteral("Aloftra.html")).toStdString();
  std::string bundled = folder.filePath(QStringLiteral("bundled.html")).toStdString();
  std::string missing = folder.filePath(QStringLiteral("missing.html")).toStdString();
  auto touch = [](const std::string& path) {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html></html>");
  };
  EXPECT_EQ(HelpFileToOpen(own, {missing, bundled}), std::nullopt);
  touch(bundled);
  EXPECT_EQ(HelpFileToOpen(own, {missing, bundled}), bundled);
  touch(own);
  EXPECT_EQ(HelpFileToOpen(own, {missing, bundled}), own);
  // A folder of that name is no help file.
  EXPECT_EQ(HelpFileToOpen(folder.path().toStdString(), {}), std::nullopt);
}

TEST(HelpFilesTest, TheProgramsHelpIsSoughtBesideItThenWhereItWasInstalledThenInTheSources) {
  HelpFolders folders{"/opt/aloftra/bin",
                      "/usr/local/share/aloftra",
                      {"/home/pilot/.local/share", "/usr/share"},
                      "/src/aloftra/docs/help/Aloftra.html"};
  EXPECT_EQ(HelpFilePlaces(folders),
            (std::vector<std::string>{
                "/opt/aloftra/bin/Aloftra.html", "/opt/aloftra/bin/help/Aloftra.html",
                "/opt/aloftra/share/aloftra/Aloftra.html", "/usr/local/share/aloftra/Aloftra.html",
                "/home/pilot/.local/share/aloftra/Aloftra.html", "/usr/share/aloftra/Aloftra.html",
                "/src/aloftra/docs/help/Aloftra.html"}));
  // What is not known is not looked for.
  EXPECT_EQ(HelpFilePlaces(HelpFolders{"", "", {}, "/src/Aloftra.html"}),
            std::vector<std::string>{"/src/Aloftra.html"});
  // On this computer the executable's folder comes first and the checkout last.
  std::vector<std::string> here = BundledHelpFiles();
  ASSERT_GE(here.size(), 4u);
  EXPECT_EQ(
      here.front(),
      (QCoreApplication::applicationDirPath() + QStringLiteral("/Aloftra.html")).toStdString());
  EXPECT_EQ(here.back(), ALOFTRA_SOURCE_DIR "/docs/help/Aloftra.html");
}

TEST(ProgramOptionsTest, TheArgumentsAreOneLogbookPathJoinedByBlanks) {
  auto options = ParseProgramArguments({"/home/pilot/My", "Logs/Summer", "2001.log"});
  ASSERT_TRUE(options.has_value());
  EXPECT_EQ(options->commandLine, "/home/pilot/My Logs/Summer 2001.log");
  EXPECT_FALSE(options->screenshotFolder.has_value());
  EXPECT_EQ(ParseProgramArguments({})->commandLine, "");
}

TEST(ProgramOptionsTest, ScreenshotsTakeAFolderAndMayBeFollowedByALogbook) {
  auto options = ParseProgramArguments({"--screenshots", "docs/screenshots", "samples/Demo.log"});
  ASSERT_TRUE(options.has_value());
  EXPECT_EQ(options->screenshotFolder, "docs/screenshots");
  EXPECT_EQ(options->commandLine, "samples/Demo.log");
  EXPECT_FALSE(ParseProgramArguments({"--screenshots"}).has_value());
  // Only as the first argument is it an option; later it is part of the path.
  EXPECT_EQ(ParseProgramArguments({"a", "--screenshots"})->commandLine, "a --screenshots");
}

}  // namespace
}  // namespace aloftra::qt
