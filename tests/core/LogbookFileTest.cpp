// Loading and saving logbooks by path, with the backup, and the program's messages.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <functional>

#include "core/DateTime.h"
#include "core/FileItems.h"
#include "core/LogbookFile.h"
#include "core/LogbookWriter.h"
#include "core/PosixFileSystem.h"
#include "support/FaultyFileSystem.h"
#include "support/LogbookSamples.h"

namespace aloftra {
namespace {

TEST(LogbookFileTest, BackupNameReplacesTheLastThreeCharacters) {
  struct Case {
    std::string path;
    std::optional<std::string> backup;
  };
  const Case cases[] = {
      {"Soaring.log", "Soaring.bak"},
      {"/home/ann/logs/Summer.2001.log", "/home/ann/logs/Summer.2001.bak"},
      {"C:\\Logs\\Summer.LOG", "C:\\Logs\\Summer.bak"},
      {"notes.txt", "notes.bak"},
      {"Soaring.bak", std::nullopt},  // would be its own backup and delete the logbook
      {"/logs/x/ab", std::nullopt},   // "/ab" would become a backup in another folder
      {"C:\\a\\b", std::nullopt},
      {"log", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.backup, BackupPathFor(c.path)) << c.path;
}

TEST(LogbookFileTest, MessagesAreTheProgramsOwnTexts) {
  EXPECT_EQ("Cannot open file 'D:\\Logs\\Summer.log'.", CannotOpenMessage("D:\\Logs\\Summer.log"));
  EXPECT_EQ("Cannot open file '/tmp/a.log'. File not saved.", CannotSaveMessage("/tmp/a.log"));
  EXPECT_EQ((std::vector<std::string>{"Unknown data file version", "Cannot open file 'x.log'."}),
            LoadFailureMessages({LogbookReadError::unknownVersion, ""}, "x.log"));
  EXPECT_EQ((std::vector<std::string>{"Cannot open file 'x.log'."}),
            LoadFailureMessages({LogbookReadError::cannotOpen, ""}, "x.log"));
  EXPECT_TRUE(LoadFailureMessages({}, "x.log").empty());
  EXPECT_EQ(
      "The logbook 'Soaring' was changed by another program since it was opened. "
      "Overwrite it?",
      ChangedOnDiskQuestion("Soaring"));
}

class LogbookFileOnDiskTest : public ::testing::Test {
 protected:
  TempFolder folder;
  PosixFileSystem fs;
  std::string path = folder.PathOf("Soaring.log");
};

TEST_F(LogbookFileOnDiskTest, FirstSaveOfANewLogbookMakesNoBackup) {
  WriteResult saved = SaveLogbook(fs, path, TellingLogbook(), MakeDateTime(2001, 1, 1));
  ASSERT_TRUE(saved.ok) << saved.detail;
  EXPECT_EQ((std::vector<std::string>{"Soaring.log"}), folder.Names());
  Logbook read;
  LogbookReadResult loaded = LoadLogbook(fs, path, read);
  ASSERT_TRUE(loaded.ok()) << loaded.detail;
  ExpectSameFileContent(TellingLogbook(), read);
}

TEST_F(LogbookFileOnDiskTest, TwoSavesKeepExactlyOneBackupHoldingTheVersionBeforeTheLast) {
  Logbook book = TellingLogbook();
  ASSERT_TRUE(SaveLogbook(fs, path, book, MakeDateTime(2001, 1, 1)).ok);
  const std::string first = folder.ReadFile("Soaring.log");
  book.pilot.PILOT_NAME = "Second";
  ASSERT_TRUE(SaveLogbook(fs, path, book, MakeDateTime(2001, 1, 2)).ok);
  const std::string second = folder.ReadFile("Soaring.log");
  book.pilot.PILOT_NAME = "Third";
  ASSERT_TRUE(SaveLogbook(fs, path, book, MakeDateTime(2001, 1, 3)).ok);

  EXPECT_EQ((std::vector<std::string>{"Soaring.bak", "Soaring.log"}), folder.Names());
  EXPECT_EQ(second, folder.ReadFile("Soaring.bak"));
  EXPECT_NE(first, second);
  Logbook read;
  ASSERT_TRUE(LoadLogbook(fs, path, read).ok());
  EXPECT_EQ("Third", read.pilot.PILOT_NAME);
}

TEST_F(LogbookFileOnDiskTest, SavingOverAnOldFileKeepsItAsTheBackup) {
  folder.WriteFile("Soaring.log", "old logbook");
  folder.WriteFile("Soaring.bak", "older logbook");
  ASSERT_TRUE(SaveLogbook(fs, path, SmallLogbook(), SmallLogbookSaveTime()).ok);
  EXPECT_EQ("old logbook", folder.ReadFile("Soaring.bak"));
  EXPECT_EQ(TestDataFile("logbook-small.log"), folder.ReadFile("Soaring.log"));
}

TEST_F(LogbookFileOnDiskTest, ALogbookNamedLikeABackupIsSavedWithoutDeletingItself) {
  const std::string bakPath = folder.PathOf("Soaring.bak");
  folder.WriteFile("Soaring.bak", "old logbook");
  ASSERT_TRUE(SaveLogbook(fs, bakPath, SmallLogbook(), SmallLogbookSaveTime()).ok);
  EXPECT_EQ((std::vector<std::string>{"Soaring.bak"}), folder.Names());
  EXPECT_EQ(TestDataFile("logbook-small.log"), folder.ReadFile("Soaring.bak"));
}

TEST_F(LogbookFileOnDiskTest, SavingIntoAMissingFolderFailsAndLeavesNothing) {
  WriteResult saved = SaveLogbook(fs, folder.PathOf("no/such/folder.log"), TellingLogbook(), 0);
  EXPECT_FALSE(saved.ok);
  EXPECT_FALSE(saved.detail.empty());
  EXPECT_TRUE(folder.Names().empty());
}

TEST_F(LogbookFileOnDiskTest, ALogbookTooLongToReadBackIsNotSaved) {
  folder.WriteFile("Soaring.log", "old logbook");
  Logbook book;
  book.topics.Append({"Diary", std::string(kMaxRecordLength, 'x')});
  EXPECT_FALSE(SaveLogbook(fs, path, book, 0).ok);
  EXPECT_EQ((std::vector<std::string>{"Soaring.log"}), folder.Names());
  EXPECT_EQ("old logbook", folder.ReadFile("Soaring.log"));
}

TEST_F(LogbookFileOnDiskTest, LoadReportsAMissingFileOrAFolderAsCannotOpen) {
  Logbook book;
  EXPECT_EQ(LogbookReadError::cannotOpen, LoadLogbook(fs, folder.PathOf("none.log"), book).error);
  EXPECT_EQ(LogbookReadError::cannotOpen, LoadLogbook(fs, folder.Path(), book).error);
}

TEST_F(LogbookFileOnDiskTest, LoadReportsAnUnknownVersion) {
  folder.WriteFile("Soaring.log", "\"Aloftra\",\"1.4\"\r\n");
  Logbook book;
  EXPECT_EQ(LogbookReadError::unknownVersion, LoadLogbook(fs, path, book).error);
}

// The settings file is written through the same safe writer, without a backup.
TEST_F(LogbookFileOnDiskTest, FileWithoutBackupIsReplacedAndNoBackupAppears) {
  folder.WriteFile("Startup.dat", "old settings");
  WriteResult written =
      WriteFileSafely(fs, folder.PathOf("Startup.dat"), "new settings", std::nullopt);
  ASSERT_TRUE(written.ok) << written.detail;
  EXPECT_EQ((std::vector<std::string>{"Startup.dat"}), folder.Names());
  EXPECT_EQ("new settings", folder.ReadFile("Startup.dat"));
}

// Another program's write shows however little it changed: each case below leaves every
// part of the stamp but one as it was. A file that went away, or one never remembered, is
// no change (there is nothing to overwrite, or nothing to compare with).
TEST_F(LogbookFileOnDiskTest, AChangeByAnotherProgramIsToldByAnyPartOfTheStamp) {
  const auto setTime = [](const std::string& file, long nanoseconds) {
    const timespec times[2] = {{1000000000, 0}, {1000000000, nanoseconds}};
    ASSERT_EQ(0, utimensat(AT_FDCWD, file.c_str(), times, 0));
  };
  struct Case {
    const char* name;
    std::function<void()> otherProgram;
    bool changed;
  };
  const Case cases[] = {
      {"untouched", [] {}, false},
      {"rewritten in place within the same second, same size",
       [&] {
         folder.WriteFile("Soaring.log", "OLD LOGBOOK");
         setTime(path, 2);
       },
       true},
      {"rewritten in place, time put back, another size",
       [&] {
         folder.WriteFile("Soaring.log", "old logbook!");
         setTime(path, 1);
       },
       true},
      {"replaced by another file of the same size and time",
       [&] {
         folder.WriteFile("Other.log", "old logbook");
         setTime(folder.PathOf("Other.log"), 1);
         ASSERT_EQ(0, std::rename(folder.PathOf("Other.log").c_str(), path.c_str()));
       },
       true},
      {"removed", [&] { std::remove(path.c_str()); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    folder.WriteFile("Soaring.log", "old logbook");
    setTime(path, 1);
    Logbook book;
    book.doc.filePath = path;
    book.doc.diskStamp = StampOnDisk(fs, path);
    ASSERT_TRUE(book.doc.diskStamp.has_value());
    c.otherProgram();
    EXPECT_EQ(c.changed, ChangedOnDisk(fs, book));
    book.doc.diskStamp.reset();
    EXPECT_FALSE(ChangedOnDisk(fs, book));
  }
}

TEST_F(LogbookFileOnDiskTest, LoadRemembersTheFileItRead) {
  ASSERT_TRUE(SaveLogbook(fs, path, TellingLogbook(), 0).ok);
  Logbook book;
  book.doc.filePath = path;
  ASSERT_TRUE(LoadLogbook(fs, path, book).ok());
  EXPECT_EQ(StampOnDisk(fs, path), book.doc.diskStamp);
  EXPECT_FALSE(ChangedOnDisk(fs, book));
}

}  // namespace
}  // namespace aloftra
