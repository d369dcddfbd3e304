// The machine's file system behind the FileSystem interface.
#include <gtest/gtest.h>

#include "core/PosixFileSystem.h"
#include "support/FaultyFileSystem.h"

namespace aloftra {
namespace {

class FileSystemPosixTest : public ::testing::Test {
 protected:
  TempFolder folder;
  PosixFileSystem fs;
};

TEST_F(FileSystemPosixTest, ReadsWholeFilesAndRefusesWhatIsNoFile) {
  std::string big(3 * 65536 + 17, '\0');
  for (std::size_t i = 0; i < big.size(); ++i)
    big[i] = static_cast<char>(i * 7);
  folder.WriteFile("big", big);
  folder.WriteFile("empty", "");
  EXPECT_EQ(big, fs.ReadFile(folder.PathOf("big")));
  EXPECT_EQ("", fs.ReadFile(folder.PathOf("empty")));
  EXPECT_EQ(std::nullopt, fs.ReadFile(folder.PathOf("missing")));
  EXPECT_EQ(std::nullopt, fs.ReadFile(folder.Path()));
}

TEST_F(FileSystemPosixTest, ExistsTellsPresentAndAbsent) {
  folder.WriteFile("a", "x");
  EXPECT_EQ(Presence::present, fs.Exists(folder.PathOf("a")));
  EXPECT_EQ(Presence::absent, fs.Exists(folder.PathOf("b")));
  EXPECT_EQ(Presence::absent, fs.Exists(folder.PathOf("a/b")));  // a file is no folder
}

TEST_F(FileSystemPosixTest, InspectEntryTellsALinkWithoutFollowingIt) {
  folder.WriteFile("file", "x");
  const std::string longName = std::string(300, 'n');  // read whole, not cut at a guess
  folder.MakeLink("link", "file");
  folder.MakeLink("dangling", "missing");
  folder.MakeLink("long", longName);
  struct Case {
    std::string name;
    EntryKind kind;
    std::string text;
  };
  const Case cases[] = {
      {"file", EntryKind::other, ""},
      {"link", EntryKind::symbolicLink, "file"},
      {"dangling", EntryKind::symbolicLink, "missing"},
      {"long", EntryKind::symbolicLink, longName},
      {"missing", EntryKind::absent, ""},
      {"file/below", EntryKind::absent, ""},
  };
  for (const Case& c : cases) {
    const Entry entry = fs.InspectEntry(folder.PathOf(c.name));
    EXPECT_EQ(c.kind, entry.kind) << c.name;
    EXPECT_EQ(c.text, entry.linkText) << c.name;
  }
  EXPECT_EQ(EntryKind::other, fs.InspectEntry(folder.Path()).kind);
}

TEST_F(FileSystemPosixTest, CreateNewNeverReplacesAFile) {
  folder.WriteFile("taken", "keep me");
  CreateResult taken = fs.CreateNew(folder.PathOf("taken"));
  EXPECT_EQ(CreateStatus::alreadyExists, taken.status);
  EXPECT_EQ("keep me", folder.ReadFile("taken"));
  EXPECT_EQ(CreateStatus::failed, fs.CreateNew(folder.PathOf("no/such")).status);

  CreateResult created = fs.CreateNew(folder.PathOf("new"));
  ASSERT_EQ(CreateStatus::created, created.status);
  EXPECT_TRUE(fs.Write(created.file, "first,"));
  EXPECT_TRUE(fs.Write(created.file, "second"));
  EXPECT_TRUE(fs.Write(created.file, ""));
  EXPECT_TRUE(fs.Sync(created.file));
  EXPECT_TRUE(fs.Close(created.file));
  EXPECT_EQ("first,second", folder.ReadFile("new"));
}

TEST_F(FileSystemPosixTest, RenameReplacesTheTarget) {
  folder.WriteFile("a", "new");
  folder.WriteFile("b", "old");
  EXPECT_TRUE(fs.Rename(folder.PathOf("a"), folder.PathOf("b")));
  EXPECT_EQ((std::vector<std::string>{"b"}), folder.Names());
  EXPECT_EQ("new", folder.ReadFile("b"));
  EXPECT_FALSE(fs.Rename(folder.PathOf("a"), folder.PathOf("c")));
}

TEST_F(FileSystemPosixTest, HardLinkGivesASecondNameAndNeverReplaces) {
  folder.WriteFile("a", "content");
  folder.WriteFile("c", "other");
  EXPECT_EQ(LinkStatus::linked, fs.HardLink(folder.PathOf("a"), folder.PathOf("b")));
  EXPECT_EQ("content", folder.ReadFile("b"));
  EXPECT_TRUE(fs.Remove(folder.PathOf("a")));
  EXPECT_EQ("content", folder.ReadFile("b"));
  EXPECT_EQ(LinkStatus::failed, fs.HardLink(folder.PathOf("b"), folder.PathOf("c")));
  EXPECT_EQ("other", folder.ReadFile("c"));
  EXPECT_EQ(LinkStatus::failed, fs.HardLink(folder.PathOf("missing"), folder.PathOf("d")));
}

TEST_F(FileSystemPosixTest, RemoveAndSyncFolderReportFailures) {
  EXPECT_FALSE(fs.Remove(folder.PathOf("missing")));
  EXPECT_TRUE(fs.SyncFolder(folder.Path()));
  EXPECT_FALSE(fs.SyncFolder(folder.PathOf("missing")));
}

}  // namespace
}  // namespace aloftra
