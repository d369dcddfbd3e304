// The filter dialog, opened from the Options menu, and browsing the flight page with the
// filter on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FlightPageFixture.h"
#include "views/FilterSettings.h"
#include "views/frmFilters.h"

namespace aloftra::test {
namespace {

constexpr int kFalcon = 0;
constexpr int kMentor = 1;

class FilterDialogTest : public FlightPageTest {
 protected:
  frmFilters& Filters() { return app->Dialogs().Get<DialogId::kFilters>(); }
  FilterSettings& Settings() { return app->Filter(); }
  void Open() { Page().OptionsMenu.Click(kOptionsFilter); }
  // The pilot clicks a check box: it toggles, then the mouse is let go over it. From the
  // keyboard (Space) it only toggles.
  void ClickBox(int index, bool byKeyboard = false) {
    Filters().Filter[index].Toggle();
    if (!byKeyboard) Filters().Filter[index].MouseUp(kLeftButton, 0, 0, 0);
  }
  void Choose(ComboBox& list, const std::string& name) { list.SetListIndex(list.FindItem(name)); }
  void LeaveDate(TextBox& box, const std::string& text) {
    Filters().SetFocus(box);
    TypeInto(box, text);
    Filters().SetFocus(Filters().Ok);
  }
  // Five flights on 1-5 May 2001, 10 to 50 minutes long; the Mentor flies on the 2nd and 4th.
  void OpenFiveFlights() {
    std::vector<FlightRecord> flights;
    for (int day = 1; day <= 5; ++day) {
      flights.push_back(MakeFlight({.date = MakeDateTime(2001, 5, day, 10),
                                    .airtime = 10 * day,
                                    .glider = day % 2 == 0 ? kMentor : kFalcon}));
    }
    OpenWithFlights(flights);
  }
  std::string Checked() {
    std::string boxes;
    for (int i = 0; i < kFilterFlagCount; ++i) {
      const CheckBox& box = Filters().Filter[i];
      boxes += box.Enabled() ? (box.Checked() ? 'x' : '.') : (box.Checked() ? '!' : '-');
    }
    return boxes;
  }
};

TEST_F(FilterDialogTest, CheckBoxRulesKeepAFlightKindAndAPlaceChosen) {
  struct Case {
    std::vector<int> clicks;
    std::string expected;  // boxes 0-7: x checked, . clear, - clear and disabled
  };
  const std::vector<Case> cases = {
      {{}, "xxxxx.x."},
      {{1, 2, 0}, ".x.xx.x."},  // the last flight kind cleared: the paraglider box instead
      {{0, 2, 1}, "x..xx.x."},  // the last one cleared is not box 0: the hang glider box
      {{0, 1, 2}, "x..xx.x."},  // only non-flying, then that cleared too: places come back
      {{0, 1}, "..x--.x."},     // only non-flying entries: no places
      {{0, 1, 1}, ".xxxx.x."},  // a flight kind again: both places back
      {{3}, "xxx.x.x."},
      {{3, 4}, "xxxx..x."},  // clearing the other place brings the first back
      {{4, 3}, "xxx.x.x."},
      {{5, 7}, "xxxxxxxx"},
  };
  for (bool byKeyboard : {false, true}) {
    for (const Case& c : cases) {
      Open();
      std::string trail;
      for (int index : c.clicks) {
        ClickBox(index, byKeyboard);
        trail += std::to_string(index) + " ";
      }
      EXPECT_EQ(Checked(), c.expected) << (byKeyboard ? "keys: " : "clicks: ") << trail;
      Filters().Cancel.Click();
    }
  }
}

TEST_F(FilterDialogTest, ClearingAllOffersTheLogbooksDatesAndKeepsTypedDatesAfterCancel) {
  OpenFiveFlights();
  Open();
  EXPECT_EQ(Filters().Caption(), "Aloftra Filter");
  EXPECT_FALSE(Filters().StartDate.Enabled());
  EXPECT_EQ(Filters().StartDate.BackColor(), kButtonFace);
  ClickBox(kFilterAllDates);
  EXPECT_TRUE(Filters().StartDate.Enabled());
  EXPECT_EQ(Filters().EndDate.BackColor(), kWhite);
  EXPECT_EQ(Filters().StartDate.Text(), "May 1, 2001");
  EXPECT_EQ(Filters().EndDate.Text(), "May 5, 2001");
  EXPECT_EQ(Settings().RangeStart, MakeDateTime(2001, 5, 1, 10));

  LeaveDate(Filters().EndDate, "not a date");
  EXPECT_EQ(platform.Beeps(), 1);
  EXPECT_EQ(Filters().EndDate.Text(), "");
  EXPECT_EQ(Filters().ActiveControl(), &Filters().EndDate);
  EXPECT_EQ(Settings().RangeEnd, MakeDateTime(2001, 5, 5, 10));
  EXPECT_TRUE(platform.Messages().empty());

  Filters().Ok.Click();  // the end box is empty
  EXPECT_EQ(platform.LastMessage().prompt, "Invalid date.");
  EXPECT_TRUE(Filters().Visible());
  EXPECT_FALSE(Settings().On());

  LeaveDate(Filters().EndDate, "5/3/2001");
  EXPECT_EQ(Filters().EndDate.Text(), "May 3, 2001");
  Filters().Cancel.Click();
  EXPECT_EQ(Settings().RangeEnd, MakeDateTime(2001, 5, 3, 0));
  EXPECT_EQ(Settings().Flags[kFilterAllDates], 1);  // flags wait for Ok
  EXPECT_FALSE(Settings().On());
  EXPECT_TRUE(Page().Enabled());

  // The kept dates come back when the dialog opens with All clear.
  Open();
  ClickBox(kFilterAllDates);
  EXPECT_EQ(Filters().EndDate.Text(), "May 3, 2001");
  Filters().Ok.Click();
  EXPECT_EQ(Page().EntryIndex.Caption(), "1 of 3");
  EXPECT_EQ(Page().AirTime.Text(), "0:10");
}

TEST_F(FilterDialogTest, BrowsingWithAGliderChosenSkipsTheOtherFlightsAndCountsThePasses) {
  OpenFiveFlights();
  Open();
  EXPECT_EQ(Filters().GliderName.Text(), "All");
  Choose(Filters().GliderName, "Mentor");
  Filters().Ok.Click();
  EXPECT_FALSE(Filters().Visible());
  EXPECT_EQ(Settings().GliderIndex, kMentor);
  EXPECT_EQ(Settings().PassCount, 2);
  EXPECT_EQ(Page().FilterStatus2.Caption(), "On");
  EXPECT_EQ(Page().FilterStatus2.ForeColor(), kRed);
  EXPECT_EQ(Page().EntryIndex.Caption(), "1 of 2");
  EXPECT_EQ(Page().AirTime.Text(), "0:20");

  Page().ViewEntry[2].Click();
  EXPECT_EQ(Page().EntryIndex.Caption(), "2 of 2");
  EXPECT_EQ(Page().AirTime.Text(), "0:40");
  Page().ViewEntry[2].Click();  // no passing flight after it
  EXPECT_EQ(platform.Beeps(), 1);
  EXPECT_EQ(Page().EntryIndex.Caption(), "2 of 2");
  EXPECT_EQ(Page().AirTime.Text(), "0:40");
  Page().ViewEntry[1].Click();
  EXPECT_EQ(Page().EntryIndex.Caption(), "1 of 2");
  EXPECT_EQ(Page().AirTime.Text(), "0:20");
  Page().ViewEntry[3].Click();
  EXPECT_EQ(Page().EntryIndex.Caption(), "2 of 2");

  // The dialog opens on the stored choice; Reset and Ok switch the filter off in place.
  Open();
  EXPECT_EQ(Filters().GliderName.Text(), "Mentor");
  Filters().Reset.Click();
  EXPECT_EQ(Filters().GliderName.Text(), "All");
  Filters().Ok.Click();
  EXPECT_EQ(Page().FilterStatus2.Caption(), "Off");
  EXPECT_EQ(Page().FilterStatus2.ForeColor(), kBlack);
  EXPECT_EQ(Settings().PassCount, -1);
  EXPECT_EQ(Page().EntryIndex.Caption(), "4 of 5");
  EXPECT_EQ(Page().AirTime.Text(), "0:40");

  // A new entry switches the filter off.
  Open();
  ClickBox(kFilterHangGlider);
  Filters().Ok.Click();
  EXPECT_TRUE(Settings().On());
  Page().NewEntry.Click();
  EXPECT_FALSE(Settings().On());
  EXPECT_EQ(Page().FilterStatus2.Caption(), "Off");
}

TEST_F(FilterDialogTest, NoPassingFlightWarnsAndKeepsTheDialogOpenWithTheFilterOn) {
  OpenFiveFlights();
  Open();
  ClickBox(kFilterCrossCountryOnly);
  Filters().Ok.Click();
  EXPECT_EQ(platform.LastMessage().prompt, "No Aloftra entries pass the current filter settings.");
  EXPECT_EQ(platform.LastMessage().icon, MsgBoxIcon::kExclamation);
  EXPECT_TRUE(Filters().Visible());
  EXPECT_EQ(Settings().PassCount, 0);
  EXPECT_EQ(Page().FilterStatus2.Caption(), "On");
  Filters().Cancel.Click();
  Page().ViewEntry[0].Click();
  EXPECT_EQ(platform.Beeps(), 1);
  EXPECT_EQ(Page().AirTime.Text(), "0:50");
}

TEST_F(FilterDialogTest, OkWithThePassAllSettingsKeepsANewEntryBeingTyped) {
  OpenFiveFlights();
  Page().NewEntry.Click();
  TypeInto(Page().Remarks, "half typed");
  Open();
  Filters().Ok.Click();
  EXPECT_FALSE(Filters().Visible());
  EXPECT_EQ(Page().State, EditState::kNew);
  EXPECT_EQ(Page().Remarks.Text(), "half typed");
  EXPECT_EQ(Page().EntryIndex.Caption(), "- New Entry -");
}

TEST_F(FilterDialogTest, AnEmptyLogbookOnlyClosesTheDialog) {
  Open();
  ClickBox(kFilterHighlightedOnly);
  Choose(Filters().SiteName, "Dunes");
  Filters().Ok.Click();
  EXPECT_FALSE(Filters().Visible());
  EXPECT_TRUE(platform.Messages().empty());
  EXPECT_EQ(Settings().SiteIndex, 1);
  EXPECT_EQ(Settings().PassCount, 0);
  EXPECT_EQ(Page().EntryIndex.Caption(), "- New Entry -");
}

}  // namespace
}  // namespace aloftra::test
