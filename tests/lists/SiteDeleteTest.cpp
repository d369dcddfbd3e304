// Deleting sites: the refusals, the freed slot that the next new site takes, and the page
// left when the last site goes.
#include <gtest/gtest.h>

#include "SitePageFixture.h"

namespace aloftra::test {
namespace {

TEST_F(SitePageTest, ASiteThatFlightsReferToCannotBeDeleted) {
  struct Case {
    int flights;
    std::string refusal;
  };
  const Case cases[] = {
      {1, "This site is being referenced by 1 Aloftra entry and cannot be deleted."},
      {3, "This site is being referenced by 3 Aloftra entries and cannot be deleted."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flights);
    Logbook book = GlidersAndSites();
    for (int i = 0; i < c.flights; ++i)
      AddFlight(book, {.date = 37000.5 + i, .site = 1});
    Reopen(book);
    ASSERT_EQ(Page().SiteName.Text(), "Dunes");
    platform.ClearMessages();
    Page().Delete.Click();
    EXPECT_EQ(platform.Prompts(), std::vector<std::string>{c.refusal});
    EXPECT_EQ(Book().sites[1].SITE_NAME, "Dunes");
    EXPECT_EQ(Page().SiteName.ListCount(), 2);
    EXPECT_EQ(FlightPage().SiteName.ListCount(), 2);
    EXPECT_FALSE(Book().doc.modified);
  }
}

TEST_F(SitePageTest, NothingToDeleteAndAnUnenteredSiteAreRefused) {
  Page().NewSite.Click();
  Page().Delete.Click();
  EXPECT_EQ(platform.LastMessage().prompt,
            "The current site has not yet been entered and cannot be deleted.");
  app->FileCommand(kFileNew);
  Page().Delete.Click();
  EXPECT_EQ(platform.LastMessage().prompt, "There are no sites to delete.");
}

TEST_F(SitePageTest, ADeletedSiteLeavesAFreeSlotThatTheNextNewSiteTakes) {
  Logbook book = GlidersAndSites();
  book.sites.Append(MakeSite("Cliff", "Wales"));
  AddFlight(book, {.site = 2});
  Reopen(book);
  Choose("Dunes");

  platform.QueueAnswer(MsgBoxAnswer::kNo);
  Page().Delete.Click();
  EXPECT_EQ(Book().sites[1].SITE_NAME, "Dunes");
  EXPECT_EQ(Page().ActiveControl(), &Page().NewSite);

  platform.QueueAnswer(MsgBoxAnswer::kYes);
  Page().Delete.Click();
  EXPECT_EQ(platform.LastMessage().prompt,
            "Are you sure you want delete 'Dunes' from the site list?");
  EXPECT_EQ(platform.LastMessage().title, "Confirm Delete");
  EXPECT_TRUE(Book().sites[1].IsFree());
  EXPECT_EQ(Book().sites.LastIndex(), 2);
  EXPECT_TRUE(Book().doc.modified);
  // The alphabetically first site is shown.
  EXPECT_EQ(Page().State, EditState::kClean);
  EXPECT_EQ(Page().SiteName.Text(), "Cliff");
  EXPECT_EQ(Page().Location.Text(), "Wales");
  EXPECT_EQ(Book().doc.currentSite, 2);
  EXPECT_EQ(Page().TotalSites.Text(), "2");
  EXPECT_EQ(Names(FlightPage().SiteName), (std::vector<std::string>{"Cliff", "Point"}));

  EnterNewSite("Ridge");
  EXPECT_EQ(Book().doc.currentSite, 1);
  EXPECT_EQ(Book().sites[1].SITE_NAME, "Ridge");
  EXPECT_EQ(Book().sites[1].LOCATION, "");
  EXPECT_EQ(Book().flights[0].SITE_INDEX, 2);
  EXPECT_EQ(Page().TotalSites.Text(), "3");
}

TEST_F(SitePageTest, DeletingTheSitesInTheHighestSlotsLowersTheUpperBound) {
  Logbook book = GlidersAndSites();
  book.sites.Append(MakeSite("Cliff"));
  Reopen(book);
  Choose("Dunes");
  platform.QueueAnswer(MsgBoxAnswer::kYes);
  Page().Delete.Click();
  EXPECT_EQ(Book().sites.LastIndex(), 2);
  Choose("Cliff");
  platform.QueueAnswer(MsgBoxAnswer::kYes);
  Page().Delete.Click();
  EXPECT_EQ(Book().sites.LastIndex(), 0);
  EXPECT_EQ(Page().SiteName.Text(), "Point");
}

TEST_F(SitePageTest, DeletingTheOnlySiteLeavesABlankNewSiteAndTheNextOneTakesSlotZero) {
  Logbook book;
  book.sites.Append(MakeSite("Solo Hill", "Nowhere", 500));
  Reopen(book);
  ASSERT_EQ(Page().SiteName.Text(), "Solo Hill");
  platform.QueueAnswer(MsgBoxAnswer::kYes);
  Page().Delete.Click();

  EXPECT_EQ(Page().State, EditState::kNew);
  EXPECT_EQ(Book().doc.currentSite, -1);
  EXPECT_TRUE(Book().sites.Empty());
  for (TextBox* box : {&Page().Location, &Page().LaunchMSL, &Page().FlyingDays})
    EXPECT_EQ(box->Text(), "");
  EXPECT_EQ(Page().SiteName.Text(), "");
  EXPECT_EQ(Page().TotalSites.Text(), "0");
  EXPECT_EQ(FlightPage().SiteName.ListCount(), 0);

  EnterNewSite("Second Hill");
  EXPECT_EQ(Book().doc.currentSite, 0);
  EXPECT_EQ(Book().sites[0].SITE_NAME, "Second Hill");
  EXPECT_EQ(Book().sites[0].LAUNCH_MSL, 0);
  EXPECT_EQ(Page().TotalSites.Text(), "1");
}

}  // namespace
}  // namespace aloftra::test
