// Entering sites on the site page: new sites, renames, the name and altitude checks, and what
// a saved site looks like when the logbook is opened again.
#include <gtest/gtest.h>

#include <algorithm>

#include "SitePageFixture.h"
#include "flights/RoseDrawing.h"

namespace aloftra::test {
namespace {

TEST_F(SitePageTest, ANewSiteIsStoredInStorageUnitsAndJoinsBothNameLists) {
  UseMetres();
  TypeNewSite("Ridge", "Alps");
  TypeInto(Page().LaunchMSL, "1000");
  TypeInto(Page().LandingMSL, "-20");
  Page().Difficulty[1].Toggle();
  Page().Difficulty[3].Toggle();
  Page().Form_MouseUp(kLeftButton, 0, kSiteRoseCentreX, kSiteRoseCentreY - 500);  // N
  TypeInto(Page().Description, "Strong in the afternoon");
  TypeInto(Page().SiteURL, "https://ridge.example");
  EXPECT_EQ(Page().Location.ForeColor(), kRed);
  Page().Enter.Click();

  ASSERT_EQ(Book().sites.LastIndex(), 2);
  const SiteRecord& site = Book().sites[2];
  EXPECT_EQ(site.SITE_NAME, "Ridge");
  EXPECT_EQ(site.LOCATION, "Alps");
  EXPECT_EQ(site.LAUNCH_MSL, 3281);
  EXPECT_EQ(site.LANDING_MSL, -66);
  EXPECT_EQ(site.DIFFICULTY, (std::array<Flag, 4>{0, 1, 0, 1}));
  EXPECT_EQ(site.WIND_FLAGS[4], kFlagSet);
  EXPECT_EQ(site.DESCRIPTION, "Strong in the afternoon");
  EXPECT_EQ(site.URL, "https://ridge.example");
  EXPECT_EQ(site.best, BestFlights{});
  EXPECT_EQ(Book().doc.currentSite, 2);
  EXPECT_TRUE(Book().doc.modified);

  EXPECT_EQ(Page().State, EditState::kClean);
  EXPECT_EQ(Page().Location.ForeColor(), kBlack);
  EXPECT_EQ(Page().LaunchMSL.Text(), "1000");
  EXPECT_EQ(Page().TotalSites.Text(), "3");
  for (TextBox* box : {&Page().Longest, &Page().Highest, &Page().OverLaunch, &Page().Distance})
    EXPECT_EQ(box->Text(), "");
  EXPECT_EQ(Page().FlyingDays.Text(), "0");
  EXPECT_EQ(Page().Flights.Text(), "0");
  EXPECT_EQ(Page().AvgAirtime.Text(), "0:00");
  EXPECT_EQ(Page().TotalAirtime.Text(), "0:00");
  EXPECT_EQ(Names(Page().SiteName), (std::vector<std::string>{"Dunes", "Point", "Ridge"}));
  EXPECT_EQ(Names(FlightPage().SiteName), (std::vector<std::string>{"Dunes", "Point", "Ridge"}));
}

TEST_F(SitePageTest, RenamingTheSiteTheFlightPageShowsChangesItThereAtOnce) {
  Logbook book = GlidersAndSites();
  AddFlight(book, {.site = 0});
  Reopen(book);
  ASSERT_EQ(FlightPage().SiteName.Text(), "Point");
  Choose("Point");

  Page().SiteName.SetText("Point of the Mountain");
  TypeInto(Page().Location, "Draper, Utah");
  Page().Enter.Click();

  EXPECT_EQ(Book().sites[0].SITE_NAME, "Point of the Mountain");
  EXPECT_EQ(Book().flights[0].SITE_INDEX, 0);
  EXPECT_EQ(FlightPage().SiteName.Text(), "Point of the Mountain");
  EXPECT_EQ(FlightPage().SiteLocation.Text(), "Draper, Utah");
  EXPECT_EQ(FlightPage().State, EditState::kClean);
  EXPECT_EQ(Names(FlightPage().SiteName),
            (std::vector<std::string>{"Dunes", "Point of the Mountain"}));
  EXPECT_EQ(Names(Page().SiteName), Names(FlightPage().SiteName));
  EXPECT_EQ(Page().TotalSites.Text(), "2");
}

TEST_F(SitePageTest, BlankAndTakenNamesAreRefusedWithoutChangingTheTable) {
  struct Case {
    bool editPoint;  // rename Point, else a new site
    std::string typed;
    std::string refusal;  // "" when the name is accepted
    std::string stored{};  // the name kept, when it is not the name typed
  };
  const std::string blank = "The site name cannot be blank.";
  auto taken = [](const std::string& name) {
    return "The site name '" + name + "' has already been used.";
  };
  const Case cases[] = {
      {false, "", blank},
      {false, " ", blank},
      {false, "-1", blank},  // the file could not give it back
      {false, "point", taken("point")},
      {false, "DUNES", taken("DUNES")},
      {false, "Joe\"s hill", taken("Joe\"s hill")},
      {false, "Joe's Hills", ""},
      {false, "The \"Bowl\"", "", "The 'Bowl'"},  // kept as the file gives it back
      {true, "Dunes", taken("Dunes")},
      {true, "POINT", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Logbook book = GlidersAndSites();
    book.sites.Append(MakeSite("Joe's Hill"));
    Reopen(book);
    if (c.editPoint) {
      Choose("Point");
      Page().SiteName.SetText(c.typed);
    } else {
      TypeNewSite(c.typed, "Somewhere");
    }
    const EditState before = Page().State;
    platform.ClearMessages();
    Page().Enter.Click();

    if (c.refusal.empty()) {
      EXPECT_TRUE(platform.Messages().empty());
      EXPECT_EQ(Page().State, EditState::kClean);
      const std::string stored = c.stored.empty() ? c.typed : c.stored;
      EXPECT_EQ(Book().sites[Book().doc.currentSite].SITE_NAME, stored);
      EXPECT_EQ(Page().SiteName.Text(), stored);
      EXPECT_EQ(Page().TotalSites.Text(), c.editPoint ? "3" : "4");
    } else {
      ASSERT_EQ(platform.Prompts(), std::vector<std::string>{c.refusal});
      EXPECT_EQ(Page().State, before);
      EXPECT_EQ(Page().SiteName.Text(), c.typed);
      EXPECT_EQ(Page().ActiveControl(), &Page().SiteName);
      EXPECT_EQ(Book().sites.LiveCount(), 3);
      EXPECT_EQ(Book().sites[0].SITE_NAME, "Point");
    }
  }
}

TEST_F(SitePageTest, AltitudesOutsideTheirBoundsAreRefusedInFeetAndMetres) {
  struct Case {
    bool metres;
    bool launch;
    std::string typed;
    std::string refusal;  // "" when accepted
  };
  const std::string launchFeet = "Invalid launch altitude (-500 min, 30000 max).";
  const std::string landingFeet = "Invalid landing altitude (-500 min, 30000 max).";
  const std::string launchMetres = "Invalid launch altitude (-150 min, 9100 max).";
  const std::string landingMetres = "Invalid landing altitude (-150 min, 9100 max).";
  const Case cases[] = {
      {false, true, "30000", ""},
      {false, true, "30001", launchFeet},
      {false, true, "-500", ""},
      {false, true, "-501", launchFeet},
      {false, false, "30000", ""},
      {false, false, "-500.5", landingFeet},
      {false, true, "12abc", ""},
      {false, true, "", ""},
      {true, true, "9100", ""},
      {true, true, "9101", launchMetres},
      {true, false, "-150", ""},
      {true, false, "-151", landingMetres},
      {true, false, "30000", landingMetres},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed + (c.metres ? " m" : " ft") + (c.launch ? " launch" : " landing"));
    Book().UNIT_FLAGS = DefaultUnitFlags();
    if (c.metres) UseMetres();
    Choose(Page().SiteName.Text() == "Point" ? "Dunes" : "Point");
    TextBox& box = c.launch ? Page().LaunchMSL : Page().LandingMSL;
    TypeInto(box, c.typed);
    platform.ClearMessages();
    Page().SetFocus(Page().Description);
    if (c.refusal.empty()) {
      EXPECT_TRUE(platform.Messages().empty());
      EXPECT_EQ(box.Text(), c.typed);
    } else {
      EXPECT_EQ(platform.Prompts(), std::vector<std::string>{c.refusal});
      EXPECT_EQ(box.Text(), "");
      EXPECT_EQ(Page().ActiveControl(), &Page().Description);
    }
    platform.QueueAnswer(MsgBoxAnswer::kNo);  // the next choice drops the change
  }
}

TEST_F(SitePageTest, EnterRefusesAnAltitudeTooLargeToStoreThatWasNeverChecked) {
  const RecordTable<SiteRecord> before = Book().sites;
  UseMetres();
  TypeInto(Page().LandingMSL, "10000");  // 32810 feet
  Page().Enter.Click();
  EXPECT_EQ(platform.LastMessage().prompt, "Invalid landing altitude (-150 min, 9100 max).");
  EXPECT_EQ(Page().LandingMSL.Text(), "10000");
  EXPECT_EQ(Page().ActiveControl(), &Page().LandingMSL);
  EXPECT_EQ(Page().State, EditState::kModified);
  EXPECT_EQ(Book().sites, before);

  TypeInto(Page().LandingMSL, "9000");
  Page().Enter.Click();
  EXPECT_EQ(Book().sites[1].LANDING_MSL, 29529);
}

TEST_F(SitePageTest, ALongNameWithQuotesLineBreaksAndOtherScriptsSurvivesSaveAndOpen) {
  std::string name = "Babadağ \"Ölüdeniz\", Türkiye\r\nУчкуш, 富士山 'West'";
  while (name.size() < 10000)
    name += " ridge, \"bowl\"";
  const std::string description = "Line one\r\nLine \"two\", with, commas";
  TypeNewSite(name, "Fethiye");
  TypeInto(Page().Description, description);
  Page().Enter.Click();
  ASSERT_EQ(Page().State, EditState::kClean);

  platform.QueueFile(PathIn("Round.log"));
  app->FileCommand(kFileSaveAs);
  app->FileCommand(kFileNew);
  ASSERT_EQ(Page().SiteName.ListCount(), 0);
  platform.QueueFile(PathIn("Round.log"));
  app->FileCommand(kFileOpen);

  // The file has no way to hold a double quote inside a text item: it writes an apostrophe
  // in its place, which the duplicate rule already treats as the same name.
  auto asFiled = [](std::string text) {
    std::replace(text.begin(), text.end(), '"', '\'');
    return text;
  };
  ASSERT_EQ(Book().sites.LastIndex(), 2);
  EXPECT_EQ(Book().sites[2].SITE_NAME, asFiled(name));
  EXPECT_EQ(Book().sites[2].DESCRIPTION, asFiled(description));
  EXPECT_EQ(Page().SiteName.Text(), asFiled(name));
  EXPECT_EQ(Page().SiteName.FindItem(asFiled(name)), 0);
  EXPECT_EQ(Page().Location.Text(), "Fethiye");
  EXPECT_EQ(Page().TotalSites.Text(), "3");
  EXPECT_GE(FlightPage().SiteName.FindItem(asFiled(name)), 0);
}

TEST_F(SitePageTest, AfterFileNewASiteCreatedHereCanBeChosenOnTheFlightPage) {
  app->FileCommand(kFileNew);
  EXPECT_EQ(Page().State, EditState::kNew);
  EXPECT_EQ(Page().TotalSites.Text(), "0");
  EXPECT_EQ(Page().SiteName.Text(), "");

  Page().SiteName.SetText("Hill");
  TypeInto(Page().Location, "Alps");
  TypeInto(Page().LaunchMSL, "2000");
  Page().Enter.Click();
  ASSERT_EQ(Book().sites.LastIndex(), 0);
  EXPECT_EQ(Page().TotalSites.Text(), "1");

  FlightPage().NewEntry.Click();
  FlightPage().SiteName.SetText("Hill");
  EXPECT_EQ(FlightPage().SiteName.ListIndex(), 0);
  EXPECT_EQ(FlightPage().SiteLocation.Text(), "Alps");
  EXPECT_EQ(FlightPage().LaunchMSL.Text(), "2000");
}

TEST_F(SitePageTest, ANewSiteIsRefusedWhenEverySlotOfTheTableIsTaken) {
  while (!Book().sites.Full())
    Book().sites.Append(MakeSite("Site " + std::to_string(Book().sites.SlotCount())));
  TypeNewSite("One Too Many");
  Page().Enter.Click();
  EXPECT_EQ(platform.LastMessage().prompt, "The site list is full.");
  EXPECT_EQ(Page().State, EditState::kNew);
  EXPECT_EQ(Page().SiteName.Text(), "One Too Many");
  EXPECT_EQ(Book().sites.SlotCount(), kMaxSlots);
  EXPECT_EQ(Page().SiteName.FindItem("One Too Many"), -1);

  // A freed slot makes room again.
  Book().sites[7].SITE_NAME.clear();
  Page().Enter.Click();
  EXPECT_EQ(Book().sites[7].SITE_NAME, "One Too Many");
}

}  // namespace
}  // namespace aloftra::test
