// Saving without a window of loss: a failure at any step leaves the old file and the old
// backup as they were and no temporary file behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "core/DateTime.h"
#include "core/LogbookFile.h"
#include "core/PosixFileSystem.h"
#include "core/SafeFileWriter.h"
#include "support/FaultyFileSystem.h"
#include "support/LogbookSamples.h"

namespace aloftra {
namespace {

struct Scenario {
  const char* name;
  bool oldFile;
  bool oldBackup;
  bool wantBackup;
  bool linksUnsupported;
};

const Scenario kScenarios[] = {
    {"old file and old backup", true, true, true, false},
    {"old file, no backup yet", true, false, true, false},
    {"first save of a new logbook", false, false, true, false},
    {"old backup but no old file", false, true, true, false},
    {"no hard links: the backup is a copy", true, true, true, true},
    {"no backup wanted", true, true, false, false},
};

constexpr const char* kLog = "Soaring.log";
constexpr const char* kBak = "Soaring.bak";

void Prepare(const TempFolder& folder, const Scenario& s) {
  if (s.oldFile) folder.WriteFile(kLog, "old logbook");
  if (s.oldBackup) folder.WriteFile(kBak, "older logbook");
}

std::vector<std::string> NamesBefore(const Scenario& s) {
  std::vector<std::string> names;
  if (s.oldBackup) names.push_back(kBak);
  if (s.oldFile) names.push_back(kLog);
  return names;
}

std::vector<std::string> NamesAfter(const Scenario& s) {
  std::vector<std::string> names;
  if (s.oldBackup || (s.oldFile && s.wantBackup)) names.push_back(kBak);
  names.push_back(kLog);
  return names;
}

WriteResult Save(FaultyFileSystem& fs, const TempFolder& folder, const Scenario& s) {
  std::optional<std::string> backup;
  if (s.wantBackup) backup = folder.PathOf(kBak);
  return WriteFileSafely(fs, folder.PathOf(kLog), "new logbook", backup);
}

void ExpectUntouched(const TempFolder& folder, const Scenario& s) {
  EXPECT_EQ(NamesBefore(s), folder.Names());
  if (s.oldFile) {
    EXPECT_EQ("old logbook", folder.ReadFile(kLog));
  }
  if (s.oldBackup) {
    EXPECT_EQ("older logbook", folder.ReadFile(kBak));
  }
}

void ExpectSaved(const TempFolder& folder, const Scenario& s) {
  EXPECT_EQ("new logbook", folder.ReadFile(kLog));
  if (s.oldFile && s.wantBackup) {
    EXPECT_EQ("old logbook", folder.ReadFile(kBak));
  } else if (s.oldBackup) {
    EXPECT_EQ("older logbook", folder.ReadFile(kBak));
  }
}

// Fails each operation of a save in turn. Every failure up to and including the rename that
// puts the new file in place must undo everything; a failure after it (flushing the folder,
// removing the set-aside backup) must not turn a complete save into a failure.
TEST(SafeFileWriterTest, FailingAnyStepLeavesTheOldFilesAsTheyWere) {
  PosixFileSystem real;
  for (const Scenario& s : kScenarios) {
    SCOPED_TRACE(s.name);
    TempFolder clean;
    Prepare(clean, s);
    FaultyFileSystem counting(real);
    counting.SetLinksUnsupported(s.linksUnsupported);
    ASSERT_TRUE(Save(counting, clean, s).ok);
    EXPECT_EQ(NamesAfter(s), clean.Names());
    ExpectSaved(clean, s);
    const std::vector<std::string> steps = counting.Log();
    const int total = counting.Operations();
    const int lastRename =
        static_cast<int>(std::find(steps.rbegin(), steps.rend(), "Rename") - steps.rbegin());
    const int placed = total - lastRename;  // 1-based position of the final rename

    for (int n = 1; n <= total; ++n) {
      SCOPED_TRACE("failing operation " + std::to_string(n) + ": " + steps[n - 1]);
      TempFolder folder;
      Prepare(folder, s);
      FaultyFileSystem fs(real);
      fs.SetLinksUnsupported(s.linksUnsupported);
      fs.FailAt(n);
      const WriteResult result = Save(fs, folder, s);
      if (n <= placed) {
        EXPECT_FALSE(result.ok);
        ExpectUntouched(folder, s);
      } else {
        EXPECT_TRUE(result.ok) << result.detail;
        ExpectSaved(folder, s);
        if (n == placed + 1) {
          EXPECT_EQ(NamesAfter(s), folder.Names());
        }
      }
    }
  }
}

TEST(SafeFileWriterTest, TheBackupIsASecondNameOfTheOldFileWhenLinksWork) {
  PosixFileSystem real;
  TempFolder folder;
  folder.WriteFile(kLog, "old logbook");
  FaultyFileSystem fs(real);
  ASSERT_TRUE(WriteFileSafely(fs, folder.PathOf(kLog), "new", folder.PathOf(kBak)).ok);
  EXPECT_NE(fs.Log().end(), std::find(fs.Log().begin(), fs.Log().end(), "HardLink"));
  EXPECT_EQ(fs.Log().end(), std::find(fs.Log().begin(), fs.Log().end(), "ReadFile"));
}

TEST(SafeFileWriterTest, ASavedFileKeepsTheAccessPermissionsOfTheFileItReplaces) {
  PosixFileSystem fs;
  TempFolder folder;
  folder.WriteFile(kLog, "old logbook");
  ASSERT_EQ(0, chmod(folder.PathOf(kLog).c_str(), 0600));
  ASSERT_TRUE(WriteFileSafely(fs, folder.PathOf(kLog), "new", folder.PathOf(kBak)).ok);
  struct stat saved {};
  ASSERT_EQ(0, stat(folder.PathOf(kLog).c_str(), &saved));
  EXPECT_EQ(0600u, saved.st_mode & 0777);
  struct stat backup {};
  ASSERT_EQ(0, stat(folder.PathOf(kBak).c_str(), &backup));
  EXPECT_EQ(0600u, backup.st_mode & 0777);
}

// A real full disk: a child process whose file size limit is far below the logbook's size
// saves over an existing logbook and reports the outcome through its exit code.
TEST(SafeFileWriterTest, AFullDiskFailsTheSaveAndKeepsTheOldFiles) {
  TempFolder folder;
  folder.WriteFile(kLog, "old logbook");
  folder.WriteFile(kBak, "older logbook");
  Logbook big = TellingLogbook();
  FlightRecord flight = big.flights[0];
  flight.REMARKS = std::string(400, 'r');
  for (int i = 0; i < 2000; ++i)
    big.flights.Append(flight);
  const std::string path = folder.PathOf(kLog);

  const pid_t child = fork();
  ASSERT_NE(-1, child);
  if (child == 0) {
    constexpr rlim_t kLimit = 64 * 1024;
    rlimit limit{kLimit, kLimit};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(3);
    signal(SIGXFSZ, SIG_IGN);
    PosixFileSystem fs;
    _exit(SaveLogbook(fs, path, big, MakeDateTime(2001, 1, 1)).ok ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(child, waitpid(child, &status, 0));
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(1, WEXITSTATUS(status)) << "0: the save claimed success, 3: no limit was set";
  EXPECT_EQ((std::vector<std::string>{kBak, kLog}), folder.Names());
  EXPECT_EQ("old logbook", folder.ReadFile(kLog));
  EXPECT_EQ("older logbook", folder.ReadFile(kBak));
}

TEST(SafeFileWriterTest, FolderOfAPath) {
  EXPECT_EQ(".", FolderOf("Soaring.log"));
  EXPECT_EQ("/", FolderOf("/Soaring.log"));
  EXPECT_EQ("/home/ann", FolderOf("/home/ann/Soaring.log"));
  EXPECT_EQ("logs", FolderOf("logs/Soaring.log"));
}

TEST(SafeFileWriterTest, BareFileNameIsSavedInTheCurrentFolder) {
  TempFolder folder;
  const std::string previous = std::filesystem::current_path().string();
  std::filesystem::current_path(folder.Path());
  PosixFileSystem fs;
  folder.WriteFile(kLog, "old logbook");
  const WriteResult result = WriteFileSafely(fs, kLog, "new logbook", std::string(kBak));
  std::filesystem::current_path(previous);
  ASSERT_TRUE(result.ok) << result.detail;
  EXPECT_EQ((std::vector<std::string>{kBak, kLog}), folder.Names());
  EXPECT_EQ("new logbook", folder.ReadFile(kLog));
  EXPECT_EQ("old logbook", folder.ReadFile(kBak));
}

}  // namespace
}  // namespace aloftra
