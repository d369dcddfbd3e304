// Creating, renaming and deleting gliders, and how the flight page's list follows.
#include <gtest/gtest.h>

#include <algorithm>

#include "GliderPageFixture.h"

namespace aloftra::test {
namespace {

using Strings = std::vector<std::string>;

TEST_F(GliderPageTest, ALoadedLogbookShowsItsLastGliderAndCount) {
  EXPECT_EQ(Page().GliderName.Text(), "Mentor");
  EXPECT_TRUE(Page().GliderType[1].Value());
  EXPECT_EQ(Page().TotalGliders.Text(), "2");
  EXPECT_EQ(Names(Page().GliderName), (Strings{"Falcon", "Mentor"}));
  EXPECT_EQ(Page().State, EditState::kClean);
}

TEST_F(GliderPageTest, ANewGliderIsStoredAndJoinsBothListsAndTheTotal) {
  Page().NewGlider.Click();
  EXPECT_EQ(Page().Manufacturer.Text(), "");
  EXPECT_EQ(Page().Manufacturer.ForeColor(), kRed);
  EXPECT_EQ(Page().State, EditState::kNew);
  Page().Places[1].SetValue(true);
  Page().GliderType[0].SetValue(true);
  Page().GliderName.SetText("Sport 2");
  Page().Manufacturer.SetText("Wills Wing");
  Page().Model.SetText("Sport");
  Page().GliderSize.SetText("167");
  Page().SerialNo.SetText("A-17");
  Page().Notes.SetText("line one\nline two");
  Page().Enter.Click();

  const GliderRecord& stored = Glider(2);
  EXPECT_EQ(stored.GLIDER_NAME, "Sport 2");
  EXPECT_EQ(stored.MANUFACTURER, "Wills Wing");
  EXPECT_EQ(stored.MODEL, "Sport");
  EXPECT_EQ(stored.SIZE, "167");
  EXPECT_EQ(stored.SERIAL_NO, "A-17");
  EXPECT_EQ(stored.NOTES, "line one\nline two");
  EXPECT_EQ(stored.HANG_GLIDER, kOptionSet);
  EXPECT_EQ(stored.PARAGLIDER, 0);
  EXPECT_EQ(stored.TANDEM, kOptionSet);
  EXPECT_EQ(stored.best, BestFlights{});
  EXPECT_EQ(Book().doc.currentGlider, 2);
  EXPECT_EQ(Page().TotalGliders.Text(), "3");
  EXPECT_EQ(Names(Page().GliderName), (Strings{"Falcon", "Mentor", "Sport 2"}));
  EXPECT_EQ(Names(FlightPage().GliderName), (Strings{"Falcon", "Mentor", "Sport 2"}));
  EXPECT_EQ(Page().State, EditState::kClean);
  EXPECT_EQ(Page().Manufacturer.ForeColor(), kBlack);
  EXPECT_TRUE(Book().doc.modified);

  // The next new glider keeps the type and places buttons.
  Page().NewGlider.Click();
  EXPECT_TRUE(Page().Places[1].Value());
  EXPECT_TRUE(Page().GliderType[0].Value());
  EXPECT_EQ(Page().SerialNo.Text(), "");
}

TEST_F(GliderPageTest, ARenameShowsOnTheFlightPageAtOnceWithPlacesAndType) {
  OpenWithFlights({{.glider = 0}});
  ASSERT_EQ(FlightPage().GliderName.Text(), "Falcon");
  Choose("Falcon");
  Page().GliderName.SetText("Falcon II");
  Page().Places[1].SetValue(true);
  Page().Enter.Click();

  EXPECT_EQ(Glider(0).GLIDER_NAME, "Falcon II");
  EXPECT_EQ(Names(Page().GliderName), (Strings{"Falcon II", "Mentor"}));
  EXPECT_EQ(Names(FlightPage().GliderName), (Strings{"Falcon II", "Mentor"}));
  EXPECT_EQ(FlightPage().GliderName.Text(), "Falcon II");
  EXPECT_TRUE(FlightPage().Places[1].Value());
  EXPECT_EQ(FlightPage().GliderType.Caption(), "Hang Glider");
  // The flight still refers to the glider by its slot.
  EXPECT_EQ(Book().flights[0].GLIDER_INDEX, 0);

  Page().GliderType[1].SetValue(true);
  Page().Enter.Click();
  EXPECT_EQ(FlightPage().GliderType.Caption(), "Paraglider");
}

TEST_F(GliderPageTest, ANameTakenByAnotherGliderIsRefusedWhateverItsCase) {
  Book().gliders[1].GLIDER_NAME = "O'Neil";
  struct Case {
    bool isNew;
    std::string typed;
    std::string refusal;  // empty: accepted
  };
  for (const Case& c : std::vector<Case>{
           {true, "", "The glider name cannot be blank."},
           {true, " ", "The glider name cannot be blank."},
           {true, "-1", "The glider name cannot be blank."},
           {true, "falcon", "The glider name 'falcon' has already been used."},
           {true, "O\"NEIL", "The glider name 'O\"NEIL' has already been used."},
           {false, "o'neil", "The glider name 'o'neil' has already been used."},
           // The glider being edited keeps its own name or changes only its case.
           {false, "FALCON", ""},
       }) {
    SCOPED_TRACE(c.typed);
    if (c.isNew) {
      Page().NewGlider.Click();
    } else {
      Book().doc.currentGlider = 0;
      Page().GlidersDisplayEntry();
      Page().Model.SetText("edited");
    }
    const EditState before = Page().State;
    platform.ClearMessages();
    Page().GliderName.SetText(c.typed);
    Page().Enter.Click();
    if (c.refusal.empty()) {
      EXPECT_TRUE(platform.Messages().empty());
      EXPECT_EQ(Glider(0).GLIDER_NAME, c.typed);
      continue;
    }
    EXPECT_EQ(platform.Prompts(), Strings{c.refusal});
    EXPECT_EQ(Page().State, before);
    EXPECT_EQ(Page().GliderName.Text(), c.typed);
    EXPECT_EQ(Page().ActiveControl(), &Page().GliderName);
    EXPECT_EQ(Book().gliders.SlotCount(), 2);
    EXPECT_EQ(FlightPage().GliderName.ListCount(), 2);
  }
}

TEST_F(GliderPageTest, AGliderWithFlightsCannotBeDeleted) {
  for (int flights : {1, 2, 3}) {
    SCOPED_TRACE(flights);
    std::vector<FlightValues> values(static_cast<std::size_t>(flights), FlightValues{.glider = 1});
    OpenWithFlights(values);
    platform.ClearMessages();
    Page().Delete.Click();
    const std::string count =
        flights == 1 ? "1 Aloftra entry" : std::to_string(flights) + " Aloftra entries";
    EXPECT_EQ(platform.Prompts(),
              Strings{"This glider is being referenced by " + count + " and cannot be deleted."});
    EXPECT_EQ(Glider(1).GLIDER_NAME, "Mentor");
    EXPECT_EQ(Page().TotalGliders.Text(), "2");
  }
}

TEST_F(GliderPageTest, DeletingFreesTheSlotTheNextNewGliderTakes) {
  Page().NewGlider.Click();
  Page().Delete.Click();
  EXPECT_EQ(platform.LastMessage().prompt,
            "The current glider has not yet been entered and cannot be deleted.");
  CreateGlider("Zephyr");
  ASSERT_EQ(Book().doc.currentGlider, 2);
  Choose("Mentor");

  platform.QueueAnswer(MsgBoxAnswer::kNo);
  Page().Delete.Click();
  EXPECT_EQ(Glider(1).GLIDER_NAME, "Mentor");
  EXPECT_EQ(Page().ActiveControl(), &Page().NewGlider);

  platform.QueueAnswer(MsgBoxAnswer::kYes);
  Page().Delete.Click();
  EXPECT_EQ(platform.LastMessage().prompt, "Are you sure you want delete the 'Mentor' glider?");
  EXPECT_EQ(platform.LastMessage().title, "Confirm Delete");
  EXPECT_TRUE(Book().gliders[1].IsFree());
  EXPECT_EQ(Book().gliders.LastIndex(), 2);
  EXPECT_EQ(Names(FlightPage().GliderName), (Strings{"Falcon", "Zephyr"}));
  EXPECT_EQ(Page().GliderName.Text(), "Falcon");  // the first of the list is shown
  EXPECT_EQ(Page().TotalGliders.Text(), "2");

  CreateGlider("Aero");
  EXPECT_EQ(Book().doc.currentGlider, 1);
  EXPECT_EQ(Glider(1).GLIDER_NAME, "Aero");
  EXPECT_EQ(Glider(1).MODEL, "");

  // Deleting the last slot lowers the upper bound past the free ones before it.
  Choose("Aero");
  platform.QueueAnswer(MsgBoxAnswer::kYes);
  Page().Delete.Click();
  Choose("Zephyr");
  platform.QueueAnswer(MsgBoxAnswer::kYes);
  Page().Delete.Click();
  EXPECT_EQ(Book().gliders.LastIndex(), 0);

  platform.QueueAnswer(MsgBoxAnswer::kYes);
  Page().Delete.Click();
  EXPECT_TRUE(Book().gliders.Empty());
  EXPECT_EQ(Book().doc.currentGlider, -1);
  EXPECT_EQ(Page().State, EditState::kNew);
  EXPECT_EQ(Page().TotalGliders.Text(), "0");
  platform.ClearMessages();
  Page().Delete.Click();
  EXPECT_EQ(platform.Prompts(), Strings{"There are no gliders to delete."});
}

TEST_F(GliderPageTest, ANewGliderIsRefusedWhenTheTableIsFull) {
  while (!Book().gliders.Full())
    Book().gliders.Append(MakeGlider("G" + std::to_string(Book().gliders.SlotCount()), 0));
  Page().NewGlider.Click();
  Page().GliderName.SetText("One too many");
  Page().Enter.Click();
  EXPECT_EQ(platform.LastMessage().prompt, "The glider list is full.");
  EXPECT_EQ(Page().State, EditState::kNew);
  EXPECT_EQ(Page().GliderName.Text(), "One too many");
  EXPECT_EQ(FlightPage().GliderName.ListCount(), 2);
}

TEST_F(GliderPageTest, AfterFileNewAGliderCreatedHereCanBeChosenOnTheFlightPage) {
  Page().GliderType[1].SetValue(true);
  app->FileCommand(kFileNew);
  EXPECT_EQ(Page().GliderName.ListCount(), 0);
  EXPECT_EQ(Page().TotalGliders.Text(), "0");
  EXPECT_EQ(Page().State, EditState::kNew);

  Page().GliderName.SetText("Alpha");
  Page().Enter.Click();
  ASSERT_EQ(Glider(0).GLIDER_NAME, "Alpha");
  EXPECT_EQ(Page().TotalGliders.Text(), "1");

  FlightPage().NewEntry.Click();
  FlightPage().GliderName.SetText("Alpha");
  EXPECT_EQ(FlightPage().GliderName.ListIndex(), 0);
  EXPECT_EQ(FlightPage().GliderType.Caption(), "Paraglider");
}

TEST_F(GliderPageTest, ALongOddNameSurvivesSavingAndOpening) {
  std::string name = "Tänzer \"Ω\", Fly\r\nTwo 'quotes', ";
  while (name.size() < 10000)
    name += "Дельтаплан, \"x\" ";
  CreateGlider(name);
  Page().Notes.SetText("notes, \"quoted\"\r\nsecond line");
  Page().Enter.Click();
  ASSERT_EQ(Page().State, EditState::kClean);
  // A text item of the file cannot hold a double quote: the name is kept with the
  // apostrophe the file gives back, so it reads back as it was entered.
  std::string read = name;
  std::replace(read.begin(), read.end(), '"', '\'');
  ASSERT_EQ(Book().gliders.SlotCount(), 3);
  EXPECT_EQ(Glider(2).GLIDER_NAME, read);

  platform.QueueFile(PathIn("Odd.log"));
  app->FileCommand(kFileSaveAs);
  app->FileCommand(kFileNew);
  platform.QueueFile(PathIn("Odd.log"));
  app->FileCommand(kFileOpen);

  ASSERT_EQ(Book().gliders.SlotCount(), 3);
  EXPECT_EQ(Glider(2).GLIDER_NAME, read);
  EXPECT_EQ(Glider(2).NOTES, "notes, 'quoted'\r\nsecond line");
  EXPECT_EQ(Page().GliderName.Text(), read);
  EXPECT_EQ(FlightPage().GliderName.FindItem(read), 2);
}

}  // namespace
}  // namespace aloftra::test
