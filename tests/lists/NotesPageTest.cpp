// The notes page: topics entered, renamed, chosen and deleted, the questions asked before
// a pending topic is left, and topics kept through a save and an open.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lists/frmNotes.h"
#include "support/AppFixture.h"

namespace aloftra::test {
namespace {

constexpr const char* kSaveNewQuestion = "Do you want to save the new topic?";

class NotesPageTest : public AppFixture {
 protected:
  void SetUp() override { StartApp(); }
  frmNotes& Page() { return app->Notes(); }
  Logbook& Book() { return app->Book(); }

  // Starts a new topic, types its name and text, and presses Enter.
  void AddTopic(const std::string& name, const std::string& text = "") {
    Page().NewTopic.Click();
    Page().Topic.SetText(name);
    Page().GeneralNotes.SetText(text);
    Page().Enter.Click();
  }
  void Choose(const std::string& name) {
    int index = Page().Topic.FindItem(name);
    ASSERT_GE(index, 0) << name;
    Page().Topic.SetListIndex(index);
  }
  std::vector<std::string> ListedTopics() {
    std::vector<std::string> names;
    for (int i = 0; i < Page().Topic.ListCount(); ++i)
      names.push_back(Page().Topic.List(i));
    return names;
  }
  std::vector<std::string> StoredTopics() {
    std::vector<std::string> names;
    for (const NoteTopic& topic : Book().topics)
      names.push_back(topic.TOPIC);
    return names;
  }
  // The page shows this topic as stored, in black, with nothing pending.
  void ExpectShown(const std::string& name, const std::string& text) {
    EXPECT_EQ(Page().Topic.Text(), name);
    EXPECT_EQ(Page().GeneralNotes.Text(), text);
    EXPECT_EQ(Page().State, EditState::kClean);
    EXPECT_EQ(Page().Topic.ForeColor(), kBlack);
    EXPECT_EQ(Page().GeneralNotes.ForeColor(), kBlack);
    ASSERT_TRUE(Book().topics.IsLive(Book().doc.currentTopic));
    EXPECT_EQ(Book().topics[Book().doc.currentTopic].TOPIC, name);
  }
  void ExpectPendingInRed(EditState state, const std::string& name, const std::string& text) {
    EXPECT_EQ(Page().State, state);
    EXPECT_EQ(Page().Topic.Text(), name);
    EXPECT_EQ(Page().GeneralNotes.Text(), text);
    EXPECT_EQ(Page().Topic.ForeColor(), kRed);
    EXPECT_EQ(Page().GeneralNotes.ForeColor(), kRed);
  }
};

TEST_F(NotesPageTest, TopicsEnteredTakeSlotsInTurnAndTheListKeepsThemInOrder) {
  ExpectPendingInRed(EditState::kNew, "", "");
  EXPECT_FALSE(Book().doc.modified);

  AddTopic("Weather", "Fog in the morning");
  AddTopic("gear", "Reserve repacked");
  AddTopic("Launches");

  EXPECT_EQ(StoredTopics(), (std::vector<std::string>{"Weather", "gear", "Launches"}));
  EXPECT_EQ(Book().topics[1].NOTE_TEXT, "Reserve repacked");
  EXPECT_EQ(ListedTopics(), (std::vector<std::string>{"gear", "Launches", "Weather"}));
  ExpectShown("Launches", "");
  EXPECT_TRUE(Book().doc.modified);

  // Choosing from the list while nothing is pending shows the topic as stored.
  Choose("Weather");
  ExpectShown("Weather", "Fog in the morning");
  EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(NotesPageTest, BlankNamesAreRefusedWhetherNewOrRenamed) {
  AddTopic("Weather", "Fog");
  for (const std::string blank : {"", " ", "-1"}) {
    SCOPED_TRACE("'" + blank + "'");
    platform.ClearMessages();
    AddTopic(blank, "typed text");
    ASSERT_EQ(platform.Prompts(), std::vector<std::string>{"The topic cannot be blank."});
    EXPECT_EQ(platform.LastMessage().buttons, MsgBoxButtons::kOk);
    ExpectPendingInRed(EditState::kNew, blank, "typed text");

    platform.QueueAnswer(MsgBoxAnswer::kNo);  // the pending topic is dropped
    Choose("Weather");
    platform.ClearMessages();
    Page().Topic.SetText(blank);
    Page().Enter.Click();
    EXPECT_EQ(platform.Prompts(), std::vector<std::string>{"The topic cannot be blank."});
    ExpectPendingInRed(EditState::kModified, blank, "Fog");
    EXPECT_EQ(StoredTopics(), std::vector<std::string>{"Weather"});
    platform.QueueAnswer(MsgBoxAnswer::kNo);
    Page().NewTopic.Click();
  }
  // Names that merely hold blanks or "-1" are names.
  AddTopic("  ");
  AddTopic("-1 ");
  EXPECT_EQ(StoredTopics(), (std::vector<std::string>{"Weather", "  ", "-1 "}));
}

TEST_F(NotesPageTest, ANameTakenInAnyCaseOrWithAQuoteForTheApostropheIsRefused) {
  AddTopic("weather");
  AddTopic("Pilot's gear");
  struct Case {
    std::string typed;
    bool refused;
  };
  for (const Case& c : {Case{"Weather", true}, Case{"PILOT\"S GEAR", true},
                        Case{"Pilot's kit", false}, Case{"weather 2", false}}) {
    SCOPED_TRACE(c.typed);
    platform.ClearMessages();
    AddTopic(c.typed);
    if (c.refused) {
      EXPECT_EQ(platform.Prompts(),
                std::vector<std::string>{"The topic '" + c.typed + "' has already been used."});
      EXPECT_EQ(Page().State, EditState::kNew);
      Page().NewTopic.Click();
    } else {
      EXPECT_TRUE(platform.Messages().empty());
      ExpectShown(c.typed, "");  // stored as typed, quote and all
    }
  }
  EXPECT_EQ(Book().topics.LiveCount(), 4);

  // Renaming a topic onto another's name is refused too.
  Choose("weather 2");
  platform.ClearMessages();
  Page().Topic.SetText("WEATHER");
  Page().Enter.Click();
  EXPECT_EQ(platform.Prompts(),
            std::vector<std::string>{"The topic 'WEATHER' has already been used."});
  EXPECT_EQ(Page().State, EditState::kModified);
}

TEST_F(NotesPageTest, RenamingKeepsTheSlotAndMovesTheNameInTheList) {
  AddTopic("weather", "Fog");
  AddTopic("Gear");
  Choose("weather");
  const int slot = Book().doc.currentTopic;

  Page().Topic.SetText("Weather");  // only the case differs: the topic's own name
  ExpectPendingInRed(EditState::kModified, "Weather", "Fog");
  Page().Enter.Click();
  EXPECT_TRUE(platform.Messages().empty());
  ExpectShown("Weather", "Fog");
  EXPECT_EQ(Book().doc.currentTopic, slot);

  Page().Topic.SetText("Airspace");
  Page().GeneralNotes.SetText("Class B above 8000");
  Page().Enter.Click();
  ExpectShown("Airspace", "Class B above 8000");
  EXPECT_EQ(Book().doc.currentTopic, slot);
  EXPECT_EQ(ListedTopics(), (std::vector<std::string>{"Airspace", "Gear"}));
  EXPECT_EQ(Book().topics.SlotCount(), 2);
}

TEST_F(NotesPageTest, DeletingFreesTheSlotForTheNextNewTopic) {
  AddTopic("Alpha");
  AddTopic("Bravo", "b");
  AddTopic("Charlie");
  Choose("Alpha");
  platform.QueueAnswer(MsgBoxAnswer::kYes);
  Page().Delete.Click();
  const RecordedMessage& question = platform.LastMessage();
  EXPECT_EQ(question.prompt, "Are you sure you want delete the 'Alpha' topic?");
  EXPECT_EQ(question.title, "Confirm Delete");
  EXPECT_EQ(question.buttons, MsgBoxButtons::kYesNo);
  ExpectShown("Bravo", "b");  // the first of the list
  EXPECT_EQ(StoredTopics(), (std::vector<std::string>{"", "Bravo", "Charlie"}));

  AddTopic("Delta");
  EXPECT_EQ(StoredTopics(), (std::vector<std::string>{"Delta", "Bravo", "Charlie"}));

  // Deleting the topic in the last slot shortens the table.
  Choose("Charlie");
  platform.QueueAnswer(MsgBoxAnswer::kYes);
  Page().Delete.Click();
  EXPECT_EQ(StoredTopics(), (std::vector<std::string>{"Delta", "Bravo"}));

  // No keeps the topic.
  platform.QueueAnswer(MsgBoxAnswer::kNo);
  Page().Delete.Click();
  EXPECT_EQ(Book().topics.LiveCount(), 2);
}

TEST_F(NotesPageTest, DeletingTheOnlyTopicLeavesABlankNewTopicInRed) {
  platform.ClearMessages();
  Page().Delete.Click();
  EXPECT_EQ(platform.LastMessage().prompt, "There are no topics to delete.");

  AddTopic("Only", "text");
  Page().NewTopic.Click();
  Page().Delete.Click();
  EXPECT_EQ(platform.LastMessage().prompt,
            "The current topic has not yet been entered and cannot be deleted.");

  platform.QueueAnswer(MsgBoxAnswer::kNo);  // the pending new topic is dropped
  Choose("Only");
  platform.QueueAnswer(MsgBoxAnswer::kYes);
  Page().Delete.Click();
  ExpectPendingInRed(EditState::kNew, "", "");
  EXPECT_EQ(Page().Topic.ListCount(), 0);
  EXPECT_EQ(Book().topics.SlotCount(), 0);
  EXPECT_EQ(Book().doc.currentTopic, -1);
  EXPECT_TRUE(Book().doc.modified);
}

// What happens to a pending topic when the pilot chooses another from the list.
struct LeavingCase {
  const char* name;
  bool pendingIsNew;  // else a shown topic changed
  const char* typedName;
  MsgBoxAnswer answer;
  bool leaves;  // the chosen topic is shown
  std::vector<std::string> stored;
};

class NotesLeavingTest : public NotesPageTest, public ::testing::WithParamInterface<LeavingCase> {};

TEST_P(NotesLeavingTest, ThePendingTopicIsSavedDroppedOrKeptAsThePilotAnswers) {
  const LeavingCase& c = GetParam();
  AddTopic("Gear", "harness");
  AddTopic("Sites", "list");
  if (c.pendingIsNew) {
    Page().NewTopic.Click();
  } else {
    Choose("Sites");
  }
  Page().Topic.SetText(c.typedName);
  Page().GeneralNotes.SetText("typed");
  platform.ClearMessages();
  platform.QueueAnswer(c.answer);
  Choose("Gear");

  std::vector<std::string> prompts = platform.Prompts();
  ASSERT_FALSE(prompts.empty());
  EXPECT_EQ(prompts[0], c.pendingIsNew ? kSaveNewQuestion
                                       : "Do you want to save the changes to the 'Sites' topic?");
  EXPECT_EQ(platform.Messages()[0].title, "Save Changes");
  EXPECT_EQ(StoredTopics(), c.stored);
  if (c.leaves) {
    ExpectShown("Gear", "harness");
  } else {
    // Refused: the refusal was shown and nothing typed is lost.
    EXPECT_EQ(prompts.size(), 2u);
    ExpectPendingInRed(c.pendingIsNew ? EditState::kNew : EditState::kModified, c.typedName,
                       "typed");
    EXPECT_EQ(Page().Topic.ListIndex(), -1);
    Page().Topic.SetText("Flying sites");
    Page().Enter.Click();
    ExpectShown("Flying sites", "typed");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, NotesLeavingTest,
    ::testing::Values(
        LeavingCase{"NewYes", true, "Wings", MsgBoxAnswer::kYes, true, {"Gear", "Sites", "Wings"}},
        LeavingCase{"NewNo", true, "Wings", MsgBoxAnswer::kNo, true, {"Gear", "Sites"}},
        LeavingCase{"NewYesDuplicate", true, "gear", MsgBoxAnswer::kYes, false, {"Gear", "Sites"}},
        LeavingCase{"ChangedYes", false, "Places", MsgBoxAnswer::kYes, true, {"Gear", "Places"}},
        LeavingCase{"ChangedNo", false, "Places", MsgBoxAnswer::kNo, true, {"Gear", "Sites"}},
        LeavingCase{"ChangedYesBlank", false, "-1", MsgBoxAnswer::kYes, false, {"Gear", "Sites"}}),
    [](const ::testing::TestParamInfo<LeavingCase>& param) { return param.param.name; });

TEST_F(NotesPageTest, NewAsksAboutAChangedTopicAndARefusedSaveStaysOnIt) {
  AddTopic("Gear", "harness");
  Page().GeneralNotes.SetText("harness, reserve");
  platform.QueueAnswer(MsgBoxAnswer::kYes);
  Page().NewTopic.Click();
  EXPECT_EQ(platform.LastMessage().prompt, "Do you want to save the changes to the 'Gear' topic?");
  EXPECT_EQ(Book().topics[0].NOTE_TEXT, "harness, reserve");
  ExpectPendingInRed(EditState::kNew, "", "");

  platform.QueueAnswer(MsgBoxAnswer::kNo);
  Choose("Gear");
  Page().Topic.SetText(" ");
  platform.QueueAnswer(MsgBoxAnswer::kYes);
  Page().NewTopic.Click();
  EXPECT_EQ(platform.LastMessage().prompt, "The topic cannot be blank.");
  ExpectPendingInRed(EditState::kModified, " ", "harness, reserve");
}

TEST_F(NotesPageTest, OddNamesAndTextsComeBackFromTheFileAsTyped) {
  std::string longName;
  while (longName.size() < 10000)
    longName += "Ridge 'soaring', Über Åre – 滑翔 ";
  const std::string oddName = "Line one\r\nline, two 'quoted'";
  const std::string text = "First line\r\n'Quoted', with commas\r\n\r\nЛётчик ✈ end";
  AddTopic(longName, text);
  AddTopic(oddName, "");
  // A double quote in a name is kept as the apostrophe the file holds in its place (the
  // duplicate rule treats the two alike), so the name reads back as it was entered.
  AddTopic("Say \"hi\"", "\"x\"");
  EXPECT_EQ(Book().topics[2].TOPIC, "Say 'hi'");
  AddTopic("Plain", "plain");
  platform.QueueFile(PathIn("Notes.log"));
  app->FileCommand(kFileSaveAs);
  ASSERT_FALSE(Book().doc.modified);

  app->FileCommand(kFileNew);
  EXPECT_EQ(Page().Topic.ListCount(), 0);
  platform.QueueFile(PathIn("Notes.log"));
  app->FileCommand(kFileOpen);

  EXPECT_EQ(StoredTopics(), (std::vector<std::string>{longName, oddName, "Say 'hi'", "Plain"}));
  EXPECT_EQ(Book().topics[2].NOTE_TEXT, "'x'");
  ExpectShown("Plain", "plain");  // the highest slot in use
  EXPECT_FALSE(Book().doc.modified);
  Choose(longName);
  ExpectShown(longName, text);
  Choose(oddName);
  ExpectShown(oddName, "");
}

}  // namespace
}  // namespace aloftra::test
