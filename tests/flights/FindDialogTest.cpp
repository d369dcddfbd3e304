// Finding a flight by its remarks and going to a flight by its number, from the Search menu.
#include <gtest/gtest.h>

#include "FlightPageFixture.h"
#include "views/frmFind.h"
#include "views/frmGoTo.h"

namespace aloftra::test {
namespace {

constexpr int kFalcon = 0;  // hang glider
constexpr int kMentor = 1;  // paraglider

class FindDialogTest : public FlightPageTest {
 protected:
  frmFind& Find() { return app->Dialogs().Get<DialogId::kFind>(); }
  frmGoTo& GoTo() { return app->Dialogs().Get<DialogId::kGoTo>(); }

  // Entered out of date order; the airtime order is the date order upside down.
  void OpenRemarkedFlights() {
    auto flight = [](int day, int glider, int airtime, const char* remarks, bool nonFlying) {
      FlightRecord record = MakeFlight({.date = MakeDateTime(2001, 5, day, 10),
                                        .airtime = airtime,
                                        .glider = glider,
                                        .nonFlying = nonFlying});
      record.REMARKS = remarks;
      return record;
    };
    OpenWithFlights({flight(3, kFalcon, 60, "sinking, no abc", false),
                     flight(1, kFalcon, 10, "Thermal ABC day", false),
                     flight(4, kFalcon, 90, "ground school abc", true),
                     flight(2, kMentor, 20, "Ridge abc again", false)});
  }
  void Search(const std::string& text) {
    Page().SearchMenu.Click(kSearchFind);
    TypeInto(Find().SearchText, text);
    Find().FindNext.Click();
  }
  void FindNext() { Page().SearchMenu.Click(kSearchFindNext); }
  void GoToFlight(const std::string& number, int kind) {
    Page().SearchMenu.Click(kSearchGoTo);
    TypeInto(GoTo().FlightNo, number);
    GoTo().SearchWhat[kind].SetValue(true);
    GoTo().Ok.Click();
  }
};

TEST_F(FindDialogTest, FindNextFollowsTheDateOrderUnderAnotherSortKeyAndWraps) {
  OpenRemarkedFlights();
  Book().doc.SortKey = kSortAirtime;
  Search("abc");
  EXPECT_FALSE(Find().Visible());
  EXPECT_TRUE(Page().Enabled());
  struct Visit {
    const char* remarks;
    int selStart;
    int airtimePosition;  // the longest flight first
  };
  const Visit expected[] = {{"Thermal ABC day", 8, 3},
                            {"Ridge abc again", 6, 2},
                            {"sinking, no abc", 12, 1},
                            {"ground school abc", 14, 0},
                            {"Thermal ABC day", 8, 3}};
  bool first = true;
  for (const Visit& visit : expected) {
    SCOPED_TRACE(visit.remarks);
    if (!first) FindNext();
    first = false;
    EXPECT_EQ(Page().Remarks.Text(), visit.remarks);
    EXPECT_EQ(Book().doc.CurrentPosition, visit.airtimePosition);
    EXPECT_EQ(FlightAt(visit.airtimePosition).REMARKS, visit.remarks);
    EXPECT_EQ(Page().Remarks.SelStart(), visit.selStart);
    EXPECT_EQ(Page().Remarks.SelLength(), 3);
    EXPECT_EQ(Page().ActiveControl(), &Page().Remarks);
  }
  EXPECT_TRUE(platform.Prompts().empty());
}

TEST_F(FindDialogTest, MatchCaseAndTheKindsOfEntrySearchedComeFromTheDialog) {
  OpenRemarkedFlights();
  Page().SearchMenu.Click(kSearchFind);
  TypeInto(Find().SearchText, "ABC");
  Find().MatchCase.SetChecked(true);
  Find().FindNext.Click();
  EXPECT_EQ(Page().Remarks.Text(), "Thermal ABC day");
  FindNext();  // the only exact match is found again
  EXPECT_EQ(Page().Remarks.Text(), "Thermal ABC day");

  Page().SearchMenu.Click(kSearchFind);
  EXPECT_TRUE(Find().MatchCase.Checked());
  EXPECT_EQ(Find().SearchText.Text(), "ABC");
  Find().MatchCase.SetChecked(false);
  Find().SearchWhat[kFindHangGlider].SetChecked(false);
  Find().SearchWhat[kFindParaglider].SetChecked(false);
  Find().SearchWhat[kFindNonFlying].SetChecked(false);  // the last one stays checked
  EXPECT_TRUE(Find().SearchWhat[kFindNonFlying].Checked());
  Find().FindNext.Click();
  EXPECT_EQ(Page().Remarks.Text(), "ground school abc");
}

TEST_F(FindDialogTest, ANewSearchTextStartsAgainAtTheOldestFlightButReopeningDoesNot) {
  OpenRemarkedFlights();
  Search("abc");
  FindNext();
  EXPECT_EQ(Page().Remarks.Text(), "Ridge abc again");
  Page().SearchMenu.Click(kSearchFind);  // showing the last text keeps the place
  Find().FindNext.Click();
  EXPECT_EQ(Page().Remarks.Text(), "sinking, no abc");
  Search("ab");
  EXPECT_EQ(Page().Remarks.Text(), "Thermal ABC day");
}

TEST_F(FindDialogTest, NothingFoundWarnsKeepsTheDialogAndSwitchesTheFilterOff) {
  OpenRemarkedFlights();
  app->Filter().PassCount = 2;
  Search("xyz");
  EXPECT_EQ(platform.LastMessage().prompt, "The search text was not found.");
  EXPECT_EQ(platform.LastMessage().icon, MsgBoxIcon::kExclamation);
  EXPECT_TRUE(Find().Visible());
  EXPECT_FALSE(app->Filter().On());
  EXPECT_EQ(Find().Settings.ResumePosition, 0);
  Find().Cancel.Click();
  EXPECT_TRUE(Page().Enabled());
}

TEST_F(FindDialogTest, FindNextWithoutASearchOpensTheDialogAndAnEmptyLogbookHasNothing) {
  FindNext();
  EXPECT_TRUE(Find().Visible());
  EXPECT_FALSE(Find().FindNext.Enabled());
  TypeInto(Find().SearchText, "abc");
  Find().FindNext.Click();
  EXPECT_EQ(platform.LastMessage().prompt, "There are no Aloftra entries to search.");

  Find().Cancel.Click();
  app->FileCommand(kFileNew);
  EXPECT_EQ(Find().Settings.SearchString, "");
}

TEST_F(FindDialogTest, GoToTellsHangGliderFromParagliderFlightNumbers) {
  OpenRemarkedFlights();
  app->Filter().PassCount = 1;
  GoToFlight("1", 1);
  EXPECT_EQ(Page().Remarks.Text(), "Ridge abc again");
  EXPECT_FALSE(app->Filter().On());
  EXPECT_FALSE(GoTo().Visible());
  GoToFlight(" 2.0", 0);
  EXPECT_EQ(Page().Remarks.Text(), "sinking, no abc");

  GoToFlight("2", 1);
  EXPECT_EQ(platform.LastMessage().prompt, "Flight not found.");
  EXPECT_TRUE(GoTo().Visible());
  EXPECT_EQ(GoTo().ActiveControl(), &GoTo().FlightNo);
  GoTo().Cancel.Click();
  GoToFlight("0", 0);  // a non-flying entry has no number to go to
  EXPECT_EQ(platform.Prompts().size(), 2u);
  EXPECT_EQ(Page().Remarks.Text(), "sinking, no abc");
}

TEST_F(FindDialogTest, GoToOffersTheKindOfTheFlightInTheHighestSlot) {
  OpenRemarkedFlights();  // the highest slot holds a paraglider flight
  Page().SearchMenu.Click(kSearchGoTo);
  EXPECT_TRUE(GoTo().SearchWhat[1].Value());
  GoTo().Cancel.Click();
  OpenWithFlights({MakeFlight({.glider = kMentor}), MakeFlight({.glider = kFalcon})});
  Page().SearchMenu.Click(kSearchGoTo);
  EXPECT_TRUE(GoTo().SearchWhat[0].Value());
}

}  // namespace
}  // namespace aloftra::test
