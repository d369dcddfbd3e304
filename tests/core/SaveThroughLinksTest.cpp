// Saving a logbook that is reached through symbolic links: the file they lead to is replaced,
// its backup and temporary file stay beside it, and the links stay links.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/LogbookFile.h"
#include "core/PosixFileSystem.h"
#include "core/SafeFileWriter.h"
#include "support/FaultyFileSystem.h"

namespace aloftra {
namespace {

// The pilot's logbook lives in data; sync (a synchronised folder) holds only links to it.
class SaveThroughLinksTest : public ::testing::Test {
 protected:
  // How sync/Soaring.log reaches data/Flights.log.
  enum class Chain { absolute, relative, twoLinks };

  void Prepare(Chain chain) const {
    Empty(sync);
    Empty(data);
    data.WriteFile("Flights.log", "old logbook");
    data.WriteFile("Flights.bak", "older logbook");
    switch (chain) {
      case Chain::absolute:
        sync.MakeLink("Soaring.log", data.PathOf("Flights.log"));
        break;
      case Chain::relative:
        sync.MakeLink("Soaring.log", RelativeToData("Flights.log"));
        break;
      case Chain::twoLinks:
        sync.MakeLink("Soaring.log", "Middle.log");
        sync.MakeLink("Middle.log", data.PathOf("Flights.log"));
        break;
    }
  }

  static void Empty(const TempFolder& folder) {
    for (const std::string& name : folder.Names())
      std::filesystem::remove(folder.PathOf(name));
  }

  // The path from sync to a name in data: the two folders are siblings.
  std::string RelativeToData(const std::string& name) const {
    return "../" + std::filesystem::path(data.Path()).filename().string() + "/" + name;
  }

  WriteResult Save(FileSystem& fs) const {
    return WriteFileSafely(fs, sync.PathOf("Soaring.log"), "new logbook", BackupPathFor);
  }

  // The links are exactly as the pilot made them, and nothing was written beside them.
  void ExpectLinksKept(Chain chain) const {
    const std::string first = sync.LinkText("Soaring.log");
    switch (chain) {
      case Chain::absolute:
        EXPECT_EQ(data.PathOf("Flights.log"), first);
        EXPECT_EQ((std::vector<std::string>{"Soaring.log"}), sync.Names());
        break;
      case Chain::relative:
        EXPECT_EQ(RelativeToData("Flights.log"), first);
        EXPECT_EQ((std::vector<std::string>{"Soaring.log"}), sync.Names());
        break;
      case Chain::twoLinks:
        EXPECT_EQ("Middle.log", first);
        EXPECT_EQ(data.PathOf("Flights.log"), sync.LinkText("Middle.log"));
        EXPECT_EQ((std::vector<std::string>{"Middle.log", "Soaring.log"}), sync.Names());
        break;
    }
  }

  void ExpectUntouched(Chain chain) const {
    ExpectLinksKept(chain);
    EXPECT_EQ((std::vector<std::string>{"Flights.bak", "Flights.log"}), data.Names());
    EXPECT_EQ("old logbook", data.ReadFile("Flights.log"));
    EXPECT_EQ("older logbook", data.ReadFile("Flights.bak"));
  }

  void ExpectSaved(Chain chain) const {
    ExpectLinksKept(chain);
    EXPECT_EQ("new logbook", data.ReadFile("Flights.log"));
    EXPECT_EQ("old logbook", data.ReadFile("Flights.bak"));
    EXPECT_EQ("<no link>", data.LinkText("Flights.log"));
    EXPECT_EQ("<no link>", data.LinkText("Flights.bak"));
  }

  PosixFileSystem real;
  TempFolder sync;
  TempFolder data;
};

// Fails each operation of a save through links in turn, as the safe writer's own test does:
// up to the rename that puts the new file in place nothing may change, neither the target
// and its backup nor the links; after it the save stands.
TEST_F(SaveThroughLinksTest, TheTargetIsReplacedAndAFailureAtAnyStepChangesNothing) {
  const std::pair<Chain, const char*> chains[] = {{Chain::absolute, "absolute link"},
                                                  {Chain::relative, "relative link"},
                                                  {Chain::twoLinks, "chain of two links"}};
  for (auto [chain, name] : chains) {
    SCOPED_TRACE(name);
    std::vector<std::string> steps;
    {
      Prepare(chain);
      FaultyFileSystem counting(real);
      const WriteResult result = Save(counting);
      ASSERT_TRUE(result.ok) << result.detail;
      ExpectSaved(chain);
      EXPECT_EQ((std::vector<std::string>{"Flights.bak", "Flights.log"}), data.Names());
      steps = counting.Log();
    }
    const int placed = static_cast<int>(
        steps.size() - (std::find(steps.rbegin(), steps.rend(), "Rename") - steps.rbegin()));

    for (int n = 1; n <= static_cast<int>(steps.size()); ++n) {
      SCOPED_TRACE("failing operation " + std::to_string(n) + ": " + steps[n - 1]);
      Prepare(chain);
      FaultyFileSystem fs(real);
      fs.FailAt(n);
      const WriteResult result = Save(fs);
      if (n <= placed) {
        EXPECT_FALSE(result.ok);
        ExpectUntouched(chain);
      } else {
        EXPECT_TRUE(result.ok) << result.detail;
        ExpectSaved(chain);
      }
    }
  }
}

// A link that leads nowhere is reported, and nothing is created at its target or beside it.
TEST_F(SaveThroughLinksTest, ALinkLeadingNowhereFailsTheSaveAndWritesNothing) {
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, std::string>> links;  // in sync: name, content
  };
  const Case cases[] = {
      {"dangling link", {{"Soaring.log", data.PathOf("Gone.log")}}},
      {"dangling end of a chain",
       {{"Soaring.log", "Middle.log"}, {"Middle.log", RelativeToData("Gone.log")}}},
      {"loop", {{"Soaring.log", "Middle.log"}, {"Middle.log", "Soaring.log"}}},
      {"link to itself", {{"Soaring.log", "Soaring.log"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Empty(sync);
    std::vector<std::string> names;
    for (const auto& [name, target] : c.links) {
      sync.MakeLink(name, target);
      names.push_back(name);
    }
    std::sort(names.begin(), names.end());

    const WriteResult result = SaveLogbook(real, sync.PathOf("Soaring.log"), Logbook{}, 0);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.detail.empty());
    EXPECT_EQ(names, sync.Names());
    for (const auto& [name, target] : c.links)
      EXPECT_EQ(target, sync.LinkText(name));
    EXPECT_TRUE(data.Names().empty());
  }
}

// The backup of the target would take the name of the link the pilot opened (Flights.bak
// linked to Flights.log): the link is kept and no backup is made rather than breaking it.
TEST_F(SaveThroughLinksTest, ABackupNeverReplacesALinkOnTheWay) {
  data.WriteFile("Flights.log", "old logbook");
  data.MakeLink("Flights.bak", "Flights.log");
  const WriteResult result =
      WriteFileSafely(real, data.PathOf("Flights.bak"), "new logbook", BackupPathFor);
  ASSERT_TRUE(result.ok) << result.detail;
  EXPECT_EQ((std::vector<std::string>{"Flights.bak", "Flights.log"}), data.Names());
  EXPECT_EQ("Flights.log", data.LinkText("Flights.bak"));
  EXPECT_EQ("new logbook", data.ReadFile("Flights.log"));
}

}  // namespace
}  // namespace aloftra
