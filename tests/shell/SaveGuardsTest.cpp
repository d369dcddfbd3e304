// Saving never loses flights another program wrote, and a logbook or settings file reached
// through a symbolic link is saved where the link leads, the link kept.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/LogbookFile.h"
#include "core/LogbookWriter.h"
#include "core/SettingsFile.h"
#include "flights/frmAloftra.h"
#include "stats/frmPilotInfo.h"
#include "support/AppFixture.h"

namespace aloftra::test {
namespace {

constexpr const char* kChangedQuestion =
    "The logbook 'Soaring' was changed by another program since it was opened. Overwrite it?";

class SaveGuardsTest : public AppFixture {
 protected:
  // A fresh start of the program on the logbook, as often as a table of cases needs one.
  void OpenSoaring() {
    app = std::make_unique<App>(platform, files);
    platform.ClearMessages();
    OpenOnStart("Soaring.log", GlidersAndSites());
  }
  void MakeAChange(const std::string& pilot) { app->PilotInfo().PilotName.SetText(pilot); }
  // Another copy of the program saves the logbook with one more glider; returns the bytes.
  std::string OtherProgramSaves(const std::string& name) {
    Logbook other = GlidersAndSites();
    other.gliders.Append(MakeGlider("Sport 2", true));
    WriteLogbook(name, other);
    return *ReadFile(name);
  }
  std::string PilotSavedIn(const std::string& path) {
    Logbook read;
    EXPECT_TRUE(LoadLogbook(files, path, read).ok()) << path;
    return read.pilot.PILOT_NAME;
  }
  void ExpectAskedWhetherToOverwrite() {
    ASSERT_EQ(platform.Messages().size(), 1u);
    const RecordedMessage& question = platform.LastMessage();
    EXPECT_EQ(question.prompt, kChangedQuestion);
    EXPECT_EQ(question.buttons, MsgBoxButtons::kYesNo);
    EXPECT_EQ(question.icon, MsgBoxIcon::kExclamation);
    EXPECT_EQ(question.title, "Aloftra");
  }
};

// Save, and Save As onto the logbook's own file, ask first; Yes overwrites (the other
// program's file becomes the backup), No leaves its file and keeps the changes unsaved.
TEST_F(SaveGuardsTest, AFileChangedByAnotherProgramIsOverwrittenOnlyWhenThePilotSaysSo) {
  struct Case {
    const char* name;
    bool saveAs;
    MsgBoxAnswer answer;
  };
  const Case cases[] = {
      {"Save, Yes", false, MsgBoxAnswer::kYes},
      {"Save, No", false, MsgBoxAnswer::kNo},
      {"Save As onto the same file, Yes", true, MsgBoxAnswer::kYes},
      {"Save As onto the same file, No", true, MsgBoxAnswer::kNo},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(PathIn("Soaring.bak"));
    OpenSoaring();
    MakeAChange("Pat");
    const std::string theirs = OtherProgramSaves("Soaring.log");
    platform.QueueAnswer(c.answer);
    if (c.saveAs) {
      platform.QueueFile(PathIn("Soaring.log"));
      app->FileCommand(kFileSaveAs);
    } else {
      app->FileCommand(kFileSave);
    }
    ExpectAskedWhetherToOverwrite();
    EXPECT_EQ(app->Book().doc.documentName, "Soaring");
    if (c.answer == MsgBoxAnswer::kYes) {
      EXPECT_EQ(PilotSavedIn(PathIn("Soaring.log")), "Pat");
      EXPECT_EQ(ReadFile("Soaring.bak"), theirs);
      EXPECT_FALSE(app->Book().doc.modified);
      EXPECT_EQ(app->Aloftra().Caption(), "Aloftra - Soaring");
    } else {
      EXPECT_EQ(ReadFile("Soaring.log"), theirs);
      EXPECT_FALSE(FileExists("Soaring.bak"));
      EXPECT_TRUE(app->Book().doc.modified);
      EXPECT_EQ(app->Aloftra().Caption(), "Aloftra - Soaring*");
    }
  }
}

// The save question's Yes goes through the same Save: No to overwriting stops the command.
TEST_F(SaveGuardsTest, RefusingToOverwriteCancelsTheCommandThatAskedToSave) {
  for (int command : {kFileExit, kFileNew, kFileOpen}) {
    SCOPED_TRACE(command);
    OpenSoaring();
    MakeAChange("Pat");
    const std::string theirs = OtherProgramSaves("Soaring.log");
    platform.QueueAnswer(MsgBoxAnswer::kYes);  // save the changes
    platform.QueueAnswer(MsgBoxAnswer::kNo);   // but not over the other program's file
    app->FileCommand(command);
    EXPECT_EQ(
        platform.Prompts(),
        (std::vector<std::string>{"Do you want to save changes to Soaring?", kChangedQuestion}));
    EXPECT_FALSE(platform.QuitRequested());
    EXPECT_TRUE(platform.FileDialogs().empty());
    EXPECT_EQ(app->PilotInfo().PilotName.Text(), "Pat");
    EXPECT_TRUE(app->Book().doc.modified);
    EXPECT_EQ(ReadFile("Soaring.log"), theirs);
  }
}

// Only another program's writes count: the program's own saves move the remembered file
// along, so saving again and again asks nothing.
TEST_F(SaveGuardsTest, AFileUnchangedSinceItWasOpenedOrSavedIsSavedWithoutAQuestion) {
  OpenSoaring();
  MakeAChange("Pat");
  app->FileCommand(kFileSave);
  MakeAChange("Sam");
  app->FileCommand(kFileSave);
  MakeAChange("Kim");
  app->FileCommand(kFileSave);
  EXPECT_TRUE(platform.Messages().empty());
  EXPECT_EQ(PilotSavedIn(PathIn("Soaring.log")), "Kim");
  EXPECT_EQ(PilotSavedIn(PathIn("Soaring.bak")), "Sam");

  app->FileCommand(kFileNew);
  EXPECT_FALSE(app->Book().doc.diskStamp.has_value());
}

// Save As to another name overwrites nothing of the old file, and from then on the new file
// is the one watched.
TEST_F(SaveGuardsTest, SaveAsToANewNameAsksNothingAndWatchesTheNewFile) {
  OpenSoaring();
  const std::string theirs = OtherProgramSaves("Soaring.log");
  MakeAChange("Pat");
  platform.QueueFile(PathIn("Summer.log"));
  app->FileCommand(kFileSaveAs);
  MakeAChange("Sam");
  app->FileCommand(kFileSave);
  EXPECT_TRUE(platform.Messages().empty());
  EXPECT_EQ(ReadFile("Soaring.log"), theirs);
  EXPECT_EQ(PilotSavedIn(PathIn("Summer.log")), "Sam");

  const std::string theirsAgain = OtherProgramSaves("Summer.log");
  MakeAChange("Kim");
  platform.QueueAnswer(MsgBoxAnswer::kNo);
  app->FileCommand(kFileSave);
  EXPECT_EQ(platform.Prompts(),
            (std::vector<std::string>{"The logbook 'Summer' was changed by another program since "
                                      "it was opened. Overwrite it?"}));
  EXPECT_EQ(ReadFile("Summer.log"), theirsAgain);
}

TEST_F(SaveGuardsTest, AFileThatHasGoneIsWrittenAgainWithoutAQuestion) {
  OpenSoaring();
  std::filesystem::remove(PathIn("Soaring.log"));
  MakeAChange("Pat");
  app->FileCommand(kFileSave);
  EXPECT_TRUE(platform.Messages().empty());
  EXPECT_EQ(PilotSavedIn(PathIn("Soaring.log")), "Pat");
  EXPECT_FALSE(app->Book().doc.modified);
}

// The pilot keeps the logbook and the settings file elsewhere and links them into the
// program folder: saving writes where the links lead and leaves the links as they were; once
// the logbook behind its link has gone, the save is reported and nothing is written.
TEST_F(SaveGuardsTest, ALinkedLogbookAndSettingsFileAreSavedWhereTheLinksLead) {
  TempFolder elsewhere;
  const std::string logbook = elsewhere.PathOf("Flights.log");
  const std::string settings = elsewhere.PathOf("Settings.dat");
  elsewhere.WriteFile("Flights.log", *FormatLogbookFile(GlidersAndSites(), 37000.5));
  elsewhere.WriteFile("Settings.dat", "old settings");
  folder.MakeLink("Soaring.log", logbook);
  folder.MakeLink("Startup.dat", settings);
  const std::string before = elsewhere.ReadFile("Flights.log");
  StartApp(PathIn("Soaring.log"));

  MakeAChange("Pat");
  app->FileCommand(kFileSave);
  EXPECT_TRUE(platform.Messages().empty());
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"Soaring.log", "Startup.dat"}));
  EXPECT_EQ(folder.LinkText("Soaring.log"), logbook);
  EXPECT_EQ(folder.LinkText("Startup.dat"), settings);
  EXPECT_EQ(elsewhere.Names(),
            (std::vector<std::string>{"Flights.bak", "Flights.log", "Settings.dat"}));
  EXPECT_EQ(PilotSavedIn(logbook), "Pat");
  EXPECT_EQ(elsewhere.ReadFile("Flights.bak"), before);
  std::optional<StartupSettings> saved = ParseSettingsFile(elsewhere.ReadFile("Settings.dat"));
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->logbookPath, PathIn("Soaring.log"));

  std::filesystem::remove(logbook);
  MakeAChange("Sam");
  app->FileCommand(kFileSave);
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.LastMessage().prompt, CannotSaveMessage(PathIn("Soaring.log")));
  EXPECT_EQ(platform.LastMessage().icon, MsgBoxIcon::kCritical);
  EXPECT_TRUE(app->Book().doc.modified);
  EXPECT_EQ(elsewhere.Names(), (std::vector<std::string>{"Flights.bak", "Settings.dat"}));
  EXPECT_EQ(folder.LinkText("Soaring.log"), logbook);
}

}  // namespace
}  // namespace aloftra::test
