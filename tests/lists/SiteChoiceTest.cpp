// Picking another site from the list while a site is being edited or a new one is pending:
// the save question, and what each answer does to the typed entry and the table.
#include <gtest/gtest.h>

#include "SitePageFixture.h"

namespace aloftra::test {
namespace {

TEST_F(SitePageTest, ChoosingAnotherSiteOffersThePendingEntryForSavingAndKeepsWhatARefusalLeaves) {
  struct Case {
    const char* what;
    bool pendingNew;  // else Dunes, the shown site, is being edited
    std::string typedName;
    MsgBoxAnswer answer;
    std::string refusal;  // the message of a refused Enter, "" when none
  };
  const Case cases[] = {
      {"edit, No", false, "Big Dunes", MsgBoxAnswer::kNo, ""},
      {"edit, Yes", false, "Big Dunes", MsgBoxAnswer::kYes, ""},
      {"edit, Yes, taken", false, "point", MsgBoxAnswer::kYes,
       "The site name 'point' has already been used."},
      {"new, No", true, "Ridge", MsgBoxAnswer::kNo, ""},
      {"new, Yes", true, "Ridge", MsgBoxAnswer::kYes, ""},
      {"new, Yes, blank", true, "", MsgBoxAnswer::kYes, "The site name cannot be blank."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Reopen(GlidersAndSites());
    ASSERT_EQ(Page().SiteName.Text(), "Dunes");
    if (c.pendingNew) {
      TypeNewSite(c.typedName);
    } else {
      Page().SiteName.SetText(c.typedName);
    }
    TypeInto(Page().Location, "Coast");
    const RecordTable<SiteRecord> before = Book().sites;
    platform.ClearMessages();
    platform.QueueAnswer(c.answer);
    Choose("Point");

    const std::string question =
        c.pendingNew ? "Do you want to save the new site?"
                     : "Do you want to save the changes to the 'Dunes' flying site?";
    ASSERT_GE(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].prompt, question);
    EXPECT_EQ(platform.Messages()[0].buttons, MsgBoxButtons::kYesNo);
    EXPECT_EQ(platform.Messages()[0].title, "Save Changes");

    if (!c.refusal.empty()) {
      // Nothing typed is lost: the entry stays pending as the pilot left it.
      EXPECT_EQ(platform.Prompts(), (std::vector<std::string>{question, c.refusal}));
      EXPECT_EQ(Page().State, c.pendingNew ? EditState::kNew : EditState::kModified);
      EXPECT_EQ(Page().SiteName.Text(), c.typedName);
      EXPECT_EQ(Page().Location.Text(), "Coast");
      EXPECT_EQ(Page().Location.ForeColor(), kRed);
      EXPECT_EQ(Book().sites, before);
      EXPECT_EQ(Book().doc.currentSite, 1);
      continue;
    }
    EXPECT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(Page().State, EditState::kClean);
    EXPECT_EQ(Page().SiteName.Text(), "Point");
    EXPECT_EQ(Page().Location.Text(), "Utah");
    EXPECT_EQ(Page().Location.ForeColor(), kBlack);
    EXPECT_EQ(Book().doc.currentSite, 0);
    const bool saved = c.answer == MsgBoxAnswer::kYes;
    const std::vector<std::string> names = !saved ? std::vector<std::string>{"Dunes", "Point"}
                                           : c.pendingNew
                                               ? std::vector<std::string>{"Dunes", "Point", "Ridge"}
                                               : std::vector<std::string>{"Big Dunes", "Point"};
    EXPECT_EQ(Names(Page().SiteName), names);
    EXPECT_EQ(Names(FlightPage().SiteName), names);
    if (c.pendingNew && saved) {
      ASSERT_EQ(Book().sites.LastIndex(), 2);
      EXPECT_EQ(Book().sites[2].LOCATION, "Coast");
      EXPECT_EQ(Page().TotalSites.Text(), "3");
    } else if (saved) {
      EXPECT_EQ(Book().sites[1].SITE_NAME, "Big Dunes");
      EXPECT_EQ(Book().sites[1].LOCATION, "Coast");
    } else {
      EXPECT_EQ(Book().sites, before);
      EXPECT_EQ(Page().TotalSites.Text(), "2");
    }
  }
}

// The name typed over the shown site leaves nothing selected in the list, so choosing the
// shown site itself is a choice too: the edit is offered for saving, and No shows it as stored.
TEST_F(SitePageTest, ChoosingTheShownSiteAfterTypingOverItsNameAsksAboutTheEdit) {
  Page().SiteName.SetText("Big Dunes");
  platform.QueueAnswer(MsgBoxAnswer::kNo);
  Choose("Dunes");
  EXPECT_EQ(platform.Prompts(), std::vector<std::string>{
                                    "Do you want to save the changes to the 'Dunes' flying site?"});
  EXPECT_EQ(Page().State, EditState::kClean);
  EXPECT_EQ(Page().SiteName.Text(), "Dunes");
  EXPECT_EQ(Book().sites[1].SITE_NAME, "Dunes");
}

TEST_F(SitePageTest, NewOnAnEditedSiteAsksAndAYesThatIsRefusedKeepsTheEdit) {
  Page().SiteName.SetText("Point");
  platform.QueueAnswer(MsgBoxAnswer::kYes);
  Page().NewSite.Click();
  EXPECT_EQ(platform.Prompts(),
            (std::vector<std::string>{"Do you want to save the changes to the 'Dunes' flying site?",
                                      "The site name 'Point' has already been used."}));
  EXPECT_EQ(Page().State, EditState::kModified);
  EXPECT_EQ(Page().SiteName.Text(), "Point");

  Page().SiteName.SetText("Dunes North");
  platform.QueueAnswer(MsgBoxAnswer::kYes);
  Page().NewSite.Click();
  EXPECT_EQ(Book().sites[1].SITE_NAME, "Dunes North");
  EXPECT_EQ(Page().State, EditState::kNew);
  EXPECT_EQ(Page().SiteName.Text(), "");
  EXPECT_EQ(Page().Location.Text(), "");
  EXPECT_EQ(Page().ActiveControl(), &Page().SiteName);
}

}  // namespace
}  // namespace aloftra::test
