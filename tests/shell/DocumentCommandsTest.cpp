// New, Open, Save, Save As and Exit, with the save question and the caption.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/SettingsFile.h"
#include "flights/frmAloftra.h"
#include "stats/frmPilotInfo.h"
#include "support/AppFixture.h"

namespace aloftra::test {
namespace {

class DocumentCommandsTest : public AppFixture {
 protected:
  void SetUp() override { StartApp(); }
  // One change to the logbook, typed into the pilot page.
  void MakeAChange() { app->PilotInfo().PilotName.SetText("Pat"); }
  std::vector<std::string> Captions() {
    std::vector<std::string> captions;
    for (Page* page : app->Pages())
      captions.push_back(page->Caption());
    return captions;
  }
  static std::vector<std::string> SevenTimes(const std::string& caption) {
    return std::vector<std::string>(kPageCount, caption);
  }
};

TEST_F(DocumentCommandsTest, EveryPageShowsTheNameAndAStarWhileThereAreUnsavedChanges) {
  EXPECT_EQ(Captions(), SevenTimes("Aloftra - Untitled"));
  MakeAChange();
  EXPECT_EQ(Captions(), SevenTimes("Aloftra - Untitled*"));
  platform.QueueFile(PathIn("Soaring.log"));
  app->FileCommand(kFileSaveAs);
  EXPECT_EQ(Captions(), SevenTimes("Aloftra - Soaring"));
  for (Page* page : app->Pages())
    EXPECT_TRUE(page->FileMenu.Item(kFileSave).enabled);
}

TEST_F(DocumentCommandsTest, NewWithoutChangesAsksNothing) {
  app->FileCommand(kFileNew);
  EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(DocumentCommandsTest, ExitWithChangesAsksAndCancelKeepsTheProgramAndTheChanges) {
  MakeAChange();
  platform.QueueAnswer(MsgBoxAnswer::kCancel);
  app->FileCommand(kFileExit);
  ASSERT_EQ(platform.Messages().size(), 1u);
  const RecordedMessage& question = platform.LastMessage();
  EXPECT_EQ(question.prompt, "Do you want to save changes to Untitled?");
  EXPECT_EQ(question.buttons, MsgBoxButtons::kYesNoCancel);
  EXPECT_EQ(question.icon, MsgBoxIcon::kExclamation);
  EXPECT_FALSE(platform.QuitRequested());
  EXPECT_EQ(app->PilotInfo().PilotName.Text(), "Pat");
  EXPECT_TRUE(app->Book().doc.modified);
}

TEST_F(DocumentCommandsTest, ExitAnsweredNoEndsWithoutSaving) {
  MakeAChange();
  platform.QueueAnswer(MsgBoxAnswer::kNo);
  app->FileCommand(kFileExit);
  EXPECT_TRUE(platform.QuitRequested());
  EXPECT_TRUE(app->Ended());
  EXPECT_TRUE(platform.FileDialogs().empty());
}

TEST_F(DocumentCommandsTest, YesOnAnUntitledLogbookRunsSaveAsAndCancellingItCancelsTheCommand) {
  MakeAChange();
  platform.QueueAnswer(MsgBoxAnswer::kYes);
  platform.QueueFile(std::nullopt);
  app->FileCommand(kFileNew);
  ASSERT_EQ(platform.FileDialogs().size(), 1u);
  EXPECT_TRUE(platform.FileDialogs()[0].save);
  EXPECT_EQ(app->PilotInfo().PilotName.Text(), "Pat");  // New did not go ahead

  platform.QueueAnswer(MsgBoxAnswer::kYes);
  platform.QueueFile(PathIn("Saved.log"));
  app->FileCommand(kFileExit);
  EXPECT_TRUE(FileExists("Saved.log"));
  EXPECT_TRUE(platform.QuitRequested());
}

TEST_F(DocumentCommandsTest, TheFileDialogsGetTheirTitlesFilterExtensionAndFlags) {
  platform.QueueFile(std::nullopt);
  app->FileCommand(kFileOpen);
  platform.QueueFile(std::nullopt);
  app->FileCommand(kFileSaveAs);
  ASSERT_EQ(platform.FileDialogs().size(), 2u);
  for (const RecordedFileDialog& dialog : platform.FileDialogs()) {
    EXPECT_EQ(dialog.options.filter, "Aloftra Files (*.log)|*.log");
    EXPECT_EQ(dialog.options.defaultExtension, ".log");
    EXPECT_EQ(dialog.options.initialName, "");
    EXPECT_EQ(dialog.options.flags, 4100);
  }
  EXPECT_EQ(platform.FileDialogs()[0].options.title, "Open");
  EXPECT_FALSE(platform.FileDialogs()[0].save);
  EXPECT_EQ(platform.FileDialogs()[1].options.title, "Save As");
}

TEST_F(DocumentCommandsTest, CancellingTheOpenDialogLeavesTheLogbookInMemoryAlone) {
  MakeAChange();
  platform.QueueAnswer(MsgBoxAnswer::kNo);
  platform.QueueFile(std::nullopt);
  app->FileCommand(kFileOpen);
  EXPECT_EQ(app->PilotInfo().PilotName.Text(), "Pat");
  EXPECT_TRUE(app->Book().doc.modified);
}

TEST_F(DocumentCommandsTest, OpeningSoaringNamesTheDocumentSoaringWithTheHourglassMeanwhile) {
  WriteLogbook("Soaring.log", GlidersAndSites());
  platform.QueueFile(PathIn("Soaring.log"));
  app->FileCommand(kFileOpen);
  EXPECT_EQ(app->Aloftra().Caption(), "Aloftra - Soaring");
  EXPECT_EQ(app->Book().gliders.LiveCount(), 2);
  EXPECT_EQ(app->Aloftra().GliderName.ListCount(), 2);
  EXPECT_GE(platform.BusyCalls(), 2);
  EXPECT_FALSE(platform.Busy());
}

TEST_F(DocumentCommandsTest, AFailedOpenLeavesANewUntitledLogbook) {
  MakeAChange();
  platform.QueueAnswer(MsgBoxAnswer::kNo);
  WriteFile("Broken.log", "\"Aloftra\",\"1.3\"\r\n\"only the header");
  platform.QueueFile(PathIn("Broken.log"));
  app->FileCommand(kFileOpen);
  EXPECT_EQ(platform.LastMessage().prompt, "Cannot open file '" + PathIn("Broken.log") + "'.");
  EXPECT_EQ(app->Book().doc.documentName, "Untitled");
  EXPECT_EQ(app->Book().doc.filePath, "");
  EXPECT_EQ(app->PilotInfo().PilotName.Text(), "");
  EXPECT_FALSE(app->Book().doc.modified);
  EXPECT_FALSE(app->Aloftra().FileMenu.Item(kFileSave).enabled);
}

TEST_F(DocumentCommandsTest, SavingKeepsOneBackupAndRemembersTheLogbookForTheNextStart) {
  platform.QueueFile(PathIn("Soaring.log"));
  app->FileCommand(kFileSaveAs);
  EXPECT_TRUE(platform.Messages().empty());
  EXPECT_FALSE(FileExists("Soaring.bak"));
  std::string first = *ReadFile("Soaring.log");

  MakeAChange();
  app->FileCommand(kFileSave);
  EXPECT_EQ(*ReadFile("Soaring.bak"), first);
  EXPECT_NE(*ReadFile("Soaring.log"), first);
  EXPECT_FALSE(app->Book().doc.modified);

  std::optional<StartupSettings> settings = ParseSettingsFile(*ReadFile("Startup.dat"));
  ASSERT_TRUE(settings.has_value());
  EXPECT_EQ(settings->logbookPath, PathIn("Soaring.log"));
  EXPECT_EQ(settings->documentName, "Soaring");
  EXPECT_EQ(settings->left, 500);
  EXPECT_EQ(settings->top, 500);
  EXPECT_EQ(settings->colorMode, 1);
}

TEST_F(DocumentCommandsTest,
       SaveAsToAFolderThatCannotBeWrittenReportsAndLeavesTheDocumentUntitled) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  std::string locked = PathIn("locked");
  ASSERT_EQ(mkdir(locked.c_str(), 0500), 0);
  MakeAChange();
  platform.QueueFile(locked + "/Soaring.log");
  app->FileCommand(kFileSaveAs);
  EXPECT_EQ(platform.LastMessage().prompt,
            "Cannot open file '" + locked + "/Soaring.log'. File not saved.");
  EXPECT_EQ(platform.LastMessage().icon, MsgBoxIcon::kCritical);
  EXPECT_EQ(app->Book().doc.documentName, "Untitled");
  EXPECT_TRUE(app->Book().doc.modified);
  EXPECT_EQ(app->Aloftra().Caption(), "Aloftra - Untitled*");
  EXPECT_FALSE(app->Aloftra().FileMenu.Item(kFileSave).enabled);
}

TEST_F(DocumentCommandsTest, SaveAsOverAPathThatIsAFolderReportsTheFailure) {
  // Works for every user, root included: a folder cannot be replaced by the logbook.
  std::string target = PathIn("Taken.log");
  ASSERT_EQ(mkdir(target.c_str(), 0700), 0);
  MakeAChange();
  platform.QueueFile(target);
  app->FileCommand(kFileSaveAs);
  EXPECT_EQ(platform.LastMessage().prompt, "Cannot open file '" + target + "'. File not saved.");
  EXPECT_EQ(app->Book().doc.documentName, "Untitled");
  EXPECT_TRUE(app->Book().doc.modified);
}

TEST_F(DocumentCommandsTest, ASettingsFileThatCannotBeWrittenDoesNotUndoTheSavedLogbook) {
  // The settings file's name is taken by a folder, so it cannot be replaced.
  ASSERT_EQ(mkdir(PathIn("Startup.dat").c_str(), 0700), 0);
  MakeAChange();
  platform.QueueFile(PathIn("Soaring.log"));
  app->FileCommand(kFileSaveAs);
  EXPECT_EQ(platform.LastMessage().prompt,
            "Cannot open file '" + PathIn("Soaring.log") + "'. File not saved.");
  EXPECT_TRUE(FileExists("Soaring.log"));
  EXPECT_FALSE(app->Book().doc.modified);
  EXPECT_EQ(app->Book().doc.documentName, "Soaring");
  EXPECT_TRUE(app->Aloftra().FileMenu.Item(kFileSave).enabled);
}

TEST_F(DocumentCommandsTest, NewAfterNoDiscardsTheChangesAndResetsEverything) {
  WriteLogbook("Soaring.log", GlidersAndSites());
  platform.QueueFile(PathIn("Soaring.log"));
  app->FileCommand(kFileOpen);
  MakeAChange();
  platform.QueueAnswer(MsgBoxAnswer::kNo);
  app->FileCommand(kFileNew);
  EXPECT_EQ(app->Book().gliders.LastIndex(), -1);
  EXPECT_EQ(app->PilotInfo().PilotName.Text(), "");
  EXPECT_EQ(app->Aloftra().Caption(), "Aloftra - Untitled");
  EXPECT_EQ(app->Aloftra().GliderName.ListCount(), 0);
  EXPECT_FALSE(app->Aloftra().FileMenu.Item(kFileSave).enabled);
}

TEST_F(DocumentCommandsTest, ANewLogbookHasEveryDefault) {
  MakeAChange();
  app->Book().VARIO_SCALE = 3;
  app->Book().UNIT_FLAGS = {};
  app->Book().doc.SortKey = 2;
  platform.QueueAnswer(MsgBoxAnswer::kNo);
  app->FileCommand(kFileNew);
  const Logbook& book = app->Book();
  EXPECT_EQ(book.VARIO_SCALE, 1);
  EXPECT_EQ(book.UNIT_FLAGS, DefaultUnitFlags());
  EXPECT_EQ(book.doc.SortKey, 0);
  EXPECT_EQ(book.doc.CurrentPosition, -1);
  EXPECT_EQ(book.LastPosition(), -1);
  for (const PilotTotals& totals : book.totals) {
    EXPECT_EQ(totals.best.LONGEST_FLIGHT, -1);
    EXPECT_EQ(totals.DAYS_SINCE_LAST, -1);
  }
  EXPECT_EQ(app->Aloftra().SortStatus2.Caption(), "Date");
  EXPECT_EQ(app->Aloftra().SortStatus2.ForeColor(), kBlack);
  EXPECT_EQ(app->Aloftra().FilterStatus2.Caption(), "Off");
  EXPECT_FALSE(app->Filter().On());
}

}  // namespace
}  // namespace aloftra::test
