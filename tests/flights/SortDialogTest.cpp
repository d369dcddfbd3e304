// The sort dialog chooses which kept order the flight page follows.
#include <gtest/gtest.h>

#include "FlightPageFixture.h"
#include "views/frmSort.h"

namespace aloftra::test {
namespace {

class SortDialogTest : public FlightPageTest {
 protected:
  frmSort& Sort() { return app->Dialogs().Get<DialogId::kSort>(); }
  void ChooseKey(int key) {
    Page().OptionsMenu.Click(kOptionsSort);
    Sort().Sort[key].SetValue(true);
    Sort().Ok.Click();
  }
  void OpenFlightsOfDifferentLengths() {
    OpenWithFlights({MakeFlight({.date = MakeDateTime(2001, 5, 1, 10), .airtime = 60}),
                     MakeFlight({.date = MakeDateTime(2001, 5, 2, 10), .airtime = 240}),
                     MakeFlight({.date = MakeDateTime(2001, 5, 3, 10), .airtime = 30})});
  }
};

TEST_F(SortDialogTest, OpeningSelectsTheCurrentKey) {
  Book().doc.SortKey = kSortMaxMsl;
  Page().OptionsMenu.Click(kOptionsSort);
  EXPECT_TRUE(Sort().Visible());
  EXPECT_EQ(Sort().Caption(), "Sort");
  EXPECT_EQ(Sort().SortLabel.Caption(), "Sort Aloftra by");
  EXPECT_TRUE(Sort().Sort[kSortMaxMsl].Value());
  EXPECT_EQ(Sort().Left(), Page().Left() + 300);
  EXPECT_FALSE(Page().Enabled());
}

TEST_F(SortDialogTest, AirtimeShowsTheLongestFlightInRedAndDateTheMostRecentInBlack) {
  OpenFlightsOfDifferentLengths();
  ChooseKey(kSortAirtime);
  EXPECT_EQ(Page().AirTime.Text(), "4:00");
  EXPECT_EQ(Page().SortStatus2.Caption(), "Airtime");
  EXPECT_EQ(Page().SortStatus2.ForeColor(), kRed);
  EXPECT_FALSE(Sort().Visible());
  EXPECT_TRUE(Page().Enabled());

  ChooseKey(kSortDate);
  EXPECT_EQ(Page().FlightDate.Text(), "May 3, 2001");
  EXPECT_EQ(Page().SortStatus2.Caption(), "Date");
  EXPECT_EQ(Page().SortStatus2.ForeColor(), kBlack);
}

TEST_F(SortDialogTest, SortingAnEmptyLogbookChangesOnlyTheKeyAndTheLabel) {
  ChooseKey(kSortDistance);
  EXPECT_EQ(Book().doc.SortKey, kSortDistance);
  EXPECT_EQ(Page().SortStatus2.Caption(), "Distance");
  EXPECT_EQ(Page().EntryIndex.Caption(), "- New Entry -");
  EXPECT_EQ(platform.Beeps(), 0);
}

TEST_F(SortDialogTest, CancelChangesNothing) {
  OpenFlightsOfDifferentLengths();
  Page().OptionsMenu.Click(kOptionsSort);
  Sort().Sort[kSortAirtime].SetValue(true);
  Sort().Cancel.Click();
  EXPECT_EQ(Book().doc.SortKey, kSortDate);
  EXPECT_EQ(Page().SortStatus2.Caption(), "Date");
  EXPECT_TRUE(Page().Enabled());
}

TEST_F(SortDialogTest, EditsSavedWhileChangingTheOrderGoToTheFlightThatWasEdited) {
  OpenFlightsOfDifferentLengths();
  Page().ViewEntry[0].Click();  // 1 May, 60 minutes: first by date, second by airtime
  TypeInto(Page().Remarks, "belongs to the first of May");
  platform.QueueAnswer(MsgBoxAnswer::kYes);
  ChooseKey(kSortAirtime);
  EXPECT_EQ(Book().flights[0].REMARKS, "belongs to the first of May");
  EXPECT_EQ(Book().flights[1].REMARKS, "");
  EXPECT_EQ(Page().AirTime.Text(), "4:00");
}

}  // namespace
}  // namespace aloftra::test
