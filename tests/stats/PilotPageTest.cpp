// The pilot page: the rules of the rating and award boxes, the pilot's data kept through a
// save and an open, and the page's layout.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/LogbookFile.h"
#include "stats/AwardRules.h"
#include "stats/frmPilotInfo.h"
#include "support/AppFixture.h"

namespace aloftra::test {
namespace {

using Boxes = std::set<int>;  // the checked boxes of one block, by index within it

constexpr int kBronze = kLilienthalBronze;
constexpr int kSilver = kLilienthalSilver;
constexpr int kGold = kLilienthalGold;
constexpr int kDiamondLeft = kLilienthalDiamondLeft;
constexpr int kDiamondRight = kLilienthalDiamondRight;
constexpr int kLevel2 = 1;
constexpr int kLevel3 = 2;

struct AwardCase {
  const char* name;
  Boxes before;
  int clicked;
  Boxes after;
};

const std::vector<AwardCase>& AwardCases() {
  static const std::vector<AwardCase> cases = {
      {"OneLevelAtATime", {kLevel2}, kLevel3, {kLevel3}},
      {"ALevelKeepsTheOtherRatings",
       {kLevel1, kTandemII, kAdvancedInstructor},
       kLevel5,
       {kLevel5, kTandemII, kAdvancedInstructor}},
      {"InstructorBesideTandem", {kTandemII}, kBasicInstructor, {kTandemII, kBasicInstructor}},
      {"TandemIIReplacesTandemI", {kTandemI}, kTandemII, {kTandemII}},
      {"TandemIReplacesTandemII", {kTandemII}, kTandemI, {kTandemI}},
      {"AdvancedReplacesBasic", {kBasicInstructor}, kAdvancedInstructor, {kAdvancedInstructor}},
      {"BasicReplacesAdvanced", {kAdvancedInstructor}, kBasicInstructor, {kBasicInstructor}},
      {"TandemInstructorClearsNothing",
       {kLevel1, kTandemI, kBasicInstructor},
       kTandemInstructor,
       {kLevel1, kTandemI, kBasicInstructor, kTandemInstructor}},
      {"UncheckingALevelClearsNothing", {kLevel2, kLevel3}, kLevel3, {kLevel2}},
      {"SilverNeedsBronze", {}, kSilver, {}},
      {"GoldOnSilverAndBronze", {kBronze, kSilver}, kGold, {kBronze, kSilver, kGold}},
      {"DiamondNeedsGold", {kBronze, kSilver}, kDiamondLeft, {kBronze, kSilver}},
      {"DiamondRightWithoutDiamondLeft",
       {kBronze, kSilver, kGold},
       kDiamondRight,
       {kBronze, kSilver, kGold, kDiamondRight}},
      {"ClearingSilverClearsTheRungsAbove",
       {kBronze, kSilver, kGold, kDiamondLeft, kDiamondRight},
       kSilver,
       {kBronze}},
      {"ClearingBronzeClearsAll",
       {kBronze, kSilver, kGold, kDiamondLeft, kDiamondRight},
       kBronze,
       {}},
      {"ClearingADiamondClearsItAlone",
       {kBronze, kSilver, kGold, kDiamondLeft, kDiamondRight},
       kDiamondLeft,
       {kBronze, kSilver, kGold, kDiamondRight}},
      // A file may hold Gold without Silver: Silver refused is Silver cleared, which takes
      // every rung above it too.
      {"ARefusedRungClearsTheRungsAbove", {kGold, kDiamondRight}, kSilver, {}},
      {"CrossCountryAnyCombination",
       {kFirstCrossCountry + 5},
       kFirstCrossCountry,
       {kFirstCrossCountry, kFirstCrossCountry + 5}},
      {"SafePilotAnyCombination",
       {kFirstSafePilot, kFirstSafePilot + 6},
       kFirstSafePilot + 3,
       {kFirstSafePilot, kFirstSafePilot + 3, kFirstSafePilot + 6}},
      {"SafePilotUnchecked",
       {kFirstSafePilot, kFirstSafePilot + 1},
       kFirstSafePilot,
       {kFirstSafePilot + 1}},
  };
  return cases;
}

class PilotPageTest : public AppFixture {
 protected:
  void SetUp() override { StartApp(); }
  frmPilotInfo& Page() { return app->PilotInfo(); }
  Logbook& Book() { return app->Book(); }
  Boxes CheckedIn(int block) {
    Boxes checked;
    for (int box = 0; box < kAwardBlockSize; ++box) {
      if (Page().AwardBoxOfFlag(block * kAwardBlockSize + box).Checked()) checked.insert(box);
    }
    return checked;
  }
};

TEST_F(PilotPageTest, EachBlockFollowsItsRulesAndLeavesTheOtherAlone) {
  for (int block : {0, 1}) {
    for (const AwardCase& c : AwardCases()) {
      SCOPED_TRACE(std::string(block == 0 ? "hang gliding " : "paragliding ") + c.name);
      // The other block holds boxes of every kind the rules touch.
      const Boxes other = {kLevel3, kTandemI, kBasicInstructor, kBronze, kSilver, kFirstSafePilot};
      Book().pilot.AWARD_FLAGS = {};
      for (int box : c.before)
        Book().pilot.AWARD_FLAGS[block * kAwardBlockSize + box] = kFlagSet;
      for (int box : other)
        Book().pilot.AWARD_FLAGS[(1 - block) * kAwardBlockSize + box] = kFlagSet;
      Page().PilotInfoDisplayInfo();
      app->UpdateCaption(false, true);

      Page().AwardBoxOfFlag(block * kAwardBlockSize + c.clicked).Toggle();

      EXPECT_EQ(CheckedIn(block), c.after);
      EXPECT_EQ(CheckedIn(1 - block), other);
      EXPECT_TRUE(Book().doc.modified);
      // The pure rules agree with the page.
      AwardBlock boxes{};
      for (int box : c.before)
        boxes[box] = true;
      boxes[c.clicked] = !boxes[c.clicked];
      AwardBlock after = ApplyAwardClick(boxes, c.clicked);
      for (int box = 0; box < kAwardBlockSize; ++box)
        EXPECT_EQ(after[box], c.after.count(box) == 1) << box;
    }
  }
}

TEST_F(PilotPageTest, EveryChangeMarksTheLogbookModified) {
  std::vector<std::pair<std::string, std::function<void()>>> changes = {
      {"name", [this] { Page().PilotName.SetText("Pat"); }},
      {"phone", [this] { Page().PhoneNo.SetText("555"); }},
      {"email", [this] { Page().Email.SetText("pat@example.com"); }},
      {"member", [this] { Page().USHGA_No.SetText("12345"); }},
      {"region", [this] { Page().Region.SetListIndex(3); }},
      {"rating", [this] { Page().P_Rating[9].Toggle(); }},
      {"lilienthal", [this] { Page().H_Lilienthal[0].Toggle(); }},
      {"refused lilienthal", [this] { Page().P_Lilienthal[4].Toggle(); }},
      {"cross-country", [this] { Page().H_XC[2].Toggle(); }},
      {"safe pilot", [this] { Page().P_Safe[6].Toggle(); }},
  };
  for (auto& [name, change] : changes) {
    SCOPED_TRACE(name);
    app->UpdateCaption(false, true);
    change();
    EXPECT_TRUE(Book().doc.modified);
    EXPECT_EQ(Page().Caption(), "Aloftra - Untitled*");
  }
  // The record lags behind the page until the logbook is saved.
  EXPECT_EQ(Book().pilot, PilotInfo{});
}

TEST_F(PilotPageTest, ThePilotsDataComesBackFromTheFileAsTyped) {
  std::string name;
  while (name.size() < 10000)
    name += "Renée 'Ace' O'Neil, Łódź – 飛行 ";
  Page().PilotName.SetText(name);
  Page().PhoneNo.SetText("+1 (555) 0100\r\next. 7");
  Page().Email.SetText("renée@example.com");
  Page().USHGA_No.SetText("  0042  ");
  Page().Region.SetListIndex(13);
  for (int flag : {0, 5, 9, 10, 11, 12, 14, 20, 27, 29, 36, 38, 42, 48, 55})
    Page().AwardBoxOfFlag(flag).Toggle();
  std::array<Flag, kAwardFlags> flags{};
  for (int flag = 0; flag < kAwardFlags; ++flag)
    flags[flag] = Page().AwardBoxOfFlag(flag).Checked() ? kFlagSet : 0;

  platform.QueueFile(PathIn("Pilot.log"));
  app->FileCommand(kFileSaveAs);
  ASSERT_FALSE(Book().doc.modified);
  EXPECT_EQ(Book().pilot.PILOT_NAME, name);  // stored before the file was written
  EXPECT_EQ(Book().pilot.AWARD_FLAGS, flags);

  app->FileCommand(kFileNew);
  EXPECT_EQ(Page().PilotName.Text(), "");
  EXPECT_EQ(Page().Region.ListIndex(), 0);
  EXPECT_TRUE(CheckedIn(0).empty());
  EXPECT_FALSE(Book().doc.modified);

  platform.QueueFile(PathIn("Pilot.log"));
  app->FileCommand(kFileOpen);
  EXPECT_FALSE(Book().doc.modified);
  EXPECT_EQ(Page().PilotName.Text(), name);
  EXPECT_EQ(Page().PhoneNo.Text(), "+1 (555) 0100\r\next. 7");
  EXPECT_EQ(Page().Email.Text(), "renée@example.com");
  EXPECT_EQ(Page().USHGA_No.Text(), "  0042  ");
  EXPECT_EQ(Page().Region.Text(), "13");
  for (int flag = 0; flag < kAwardFlags; ++flag)
    EXPECT_EQ(Page().AwardBoxOfFlag(flag).Checked(), flags[flag] != 0) << flag;
}

TEST_F(PilotPageTest, ALoadedRecordIsShownAsStoredWithoutMarkingTheLogbook) {
  Logbook book;
  book.pilot.PILOT_NAME = "Kim";
  // Two levels and Gold without Silver: no click could make these, a file can hold them.
  for (int flag : {0, 1, 12, 28 + 13})
    book.pilot.AWARD_FLAGS[flag] = kFlagSet;
  book.pilot.REGION = 0;
  app = std::make_unique<App>(platform, files);
  OpenOnStart("Kim.log", book);
  EXPECT_FALSE(Book().doc.modified);
  EXPECT_EQ(Page().PilotName.Text(), "Kim");
  EXPECT_EQ(CheckedIn(0), (Boxes{kLevel1, kLevel2, kGold}));
  EXPECT_EQ(CheckedIn(1), Boxes{kDiamondLeft});
  EXPECT_EQ(Page().Region.ListIndex(), 0);  // the blank entry
  EXPECT_EQ(Page().Region.Text(), "");

  // Saved untouched, the record is written back as it was; no region chosen is 0.
  Page().Region.SetListIndex(-1);
  app->FileCommand(kFileSave);
  Logbook read;
  ASSERT_TRUE(LoadLogbook(files, PathIn("Kim.log"), read).ok());
  EXPECT_EQ(read.pilot, book.pilot);
}

TEST_F(PilotPageTest, EveryControlLiesOnThePageWithoutCoveringAnother) {
  std::vector<const Control*> placed;
  for (const Control* control : Page().Controls()) {
    if (control->Kind() == ControlKind::kFrame || control->Name().rfind("Goto", 0) == 0) continue;
    placed.push_back(control);
  }
  ASSERT_EQ(placed.size(), 56u + 5 + 5);
  for (const Control* a : placed) {
    const Rect& r = a->Geometry();
    EXPECT_GE(r.left, 90) << a->QualifiedName();
    EXPECT_LE(r.left + r.width, 7560) << a->QualifiedName();
    EXPECT_GE(r.top, 600) << a->QualifiedName();
    EXPECT_LE(r.top + r.height, 6150) << a->QualifiedName();
    for (const Control* b : placed) {
      if (a == b) continue;
      const Rect& s = b->Geometry();
      bool apart = r.left + r.width <= s.left || s.left + s.width <= r.left ||
                   r.top + r.height <= s.top || s.top + s.height <= r.top;
      EXPECT_TRUE(apart) << a->QualifiedName() << " covers " << b->QualifiedName();
    }
  }
}

}  // namespace
}  // namespace aloftra::test
