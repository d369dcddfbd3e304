// The toolkit fires the events the pages rely on, whoever makes the change.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/CheckBox.h"
#include "form/ComboBox.h"
#include "form/CommandButton.h"
#include "form/Form.h"
#include "form/Frame.h"
#include "form/OptionButton.h"
#include "form/TextBox.h"

namespace aloftra {
namespace {

class DemoForm : public Form {
 public:
  DemoForm() : Form("frmDemo") {}
  TextBox First{*this, "First"};
  TextBox Second{*this, "Second"};
  CheckBox Box{*this, "Box"};
  Frame Group{*this, "Group"};
  OptionButton A{*this, "A"};
  OptionButton B{*this, "B"};
  OptionButton Outside{*this, "Outside"};
  ComboBox Names{*this, "Names"};
  CommandButton Go{*this, "Go"};
};

TEST(TextBoxTest, ChangingTheTextRunsTheChangeHandlerOnlyWhenItChanges) {
  DemoForm form;
  int changes = 0;
  form.First.onChange = [&] { ++changes; };
  form.First.SetText("abc");
  form.First.SetText("abc");
  form.First.SetText("");
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(form.First.Text(), "");
}

TEST(TextBoxTest, AChangeHandlerMayRewriteTheTextItIsReportingOn) {
  DemoForm form;
  form.First.onChange = [&] {
    if (form.First.Text() == "lower") form.First.SetText("LOWER");
  };
  form.First.SetText("lower");
  EXPECT_EQ(form.First.Text(), "LOWER");
}

TEST(CheckBoxTest, ChangingTheValueRunsClickAndSettingTheSameValueDoesNot) {
  DemoForm form;
  std::vector<int> seen;
  form.Box.onClick = [&] { seen.push_back(form.Box.Value()); };
  form.Box.SetChecked(true);
  form.Box.SetChecked(true);
  form.Box.Toggle();
  EXPECT_EQ(seen, (std::vector<int>{1, 0}));
}

TEST(OptionButtonTest, SelectingOneClearsTheOthersOfItsContainerOnly) {
  DemoForm form;
  form.A.SetContainer(&form.Group);
  form.B.SetContainer(&form.Group);
  int clicks = 0;
  form.B.onClick = [&] { ++clicks; };
  form.Outside.SetValue(true);
  form.A.SetValue(true);
  form.B.SetValue(true);
  form.B.SetValue(true);  // already selected: no second click
  EXPECT_FALSE(form.A.Value());
  EXPECT_TRUE(form.B.Value());
  EXPECT_TRUE(form.Outside.Value());
  EXPECT_EQ(clicks, 1);
}

TEST(CommandButtonTest, ADisabledButtonOrOneInADisabledFrameDoesNothing) {
  DemoForm form;
  int clicks = 0;
  form.Go.onClick = [&] { ++clicks; };
  form.Go.Click();
  form.Go.SetEnabled(false);
  form.Go.Click();
  form.Go.SetEnabled(true);
  form.Go.SetContainer(&form.Group);
  form.Group.SetEnabled(false);
  form.Go.Click();
  form.Group.SetEnabled(true);
  form.SetEnabled(false);
  form.Go.Click();
  EXPECT_EQ(clicks, 1);
}

TEST(FrameTest, HidingAFrameHidesWhatItHolds) {
  DemoForm form;
  form.A.SetContainer(&form.Group);
  form.Group.SetVisible(false);
  EXPECT_TRUE(form.A.Visible());
  EXPECT_FALSE(form.A.EffectivelyVisible());
}

TEST(ComboBoxTest, ASortedListSortsCaseInsensitivelyAndKeepsEqualEntriesInArrivalOrder) {
  DemoForm form;
  form.Names.SetSorted(true);
  for (const char* name : {"delta", "Alpha", "charlie", "alpha", "Bravo"}) {
    form.Names.AddItem(name);
  }
  std::vector<std::string> order;
  for (int i = 0; i < form.Names.ListCount(); ++i)
    order.push_back(form.Names.List(i));
  EXPECT_EQ(order, (std::vector<std::string>{"Alpha", "alpha", "Bravo", "charlie", "delta"}));
}

TEST(ComboBoxTest, SelectingRunsClickAndTheSelectionFollowsItsEntryWhenOthersArrive) {
  DemoForm form;
  form.Names.SetSorted(true);
  form.Names.AddItem("Mike");
  form.Names.AddItem("Oscar");
  std::vector<std::string> clicked;
  form.Names.onClick = [&] { clicked.push_back(form.Names.Text()); };
  form.Names.SetText("Oscar");
  form.Names.AddItem("Alpha");  // goes before the selection
  EXPECT_EQ(form.Names.Text(), "Oscar");
  EXPECT_EQ(form.Names.List(form.Names.ListIndex()), "Oscar");
  form.Names.SetText("not in the list");
  EXPECT_EQ(form.Names.ListIndex(), -1);
  EXPECT_EQ(clicked, (std::vector<std::string>{"Oscar", ""}));
}

TEST(ComboBoxTest, RemovingTheSelectedEntryLeavesNothingSelected) {
  DemoForm form;
  form.Names.AddItem("One");
  form.Names.AddItem("Two");
  form.Names.SetListIndex(1);
  form.Names.RemoveItem(0);
  EXPECT_EQ(form.Names.ListIndex(), 0);
  form.Names.RemoveItem(0);
  EXPECT_EQ(form.Names.ListIndex(), -1);
  EXPECT_EQ(form.Names.Text(), "");
}

TEST(ComboBoxTest, TypingOverTheSelectedEntryLeavesNothingSelectedSoItCanBeChosenAgain) {
  DemoForm form;
  form.Names.SetComboStyle(ComboBox::Style::kDropDownCombo);
  form.Names.AddItem("Point");
  form.Names.AddItem("Ridge");
  std::vector<std::string> clicks;
  form.Names.onClick = [&] { clicks.push_back(form.Names.Text()); };
  form.Names.SetListIndex(1);
  form.Names.SetText("Ridge");  // the entry's own text keeps it selected
  EXPECT_EQ(form.Names.ListIndex(), 1);
  form.Names.SetText("Ridge top");
  EXPECT_EQ(form.Names.ListIndex(), -1);
  EXPECT_EQ(form.Names.Text(), "Ridge top");
  form.Names.SetListIndex(1);
  EXPECT_EQ(clicks, (std::vector<std::string>{"Ridge", "Ridge"}));
}

TEST(FocusTest, MovingTheFocusRunsTheOldControlsLostFocusBeforeTheNewGotFocus) {
  DemoForm form;
  std::vector<std::string> events;
  form.First.onLostFocus = [&] { events.push_back("First lost"); };
  form.Second.onGotFocus = [&] { events.push_back("Second got"); };
  ASSERT_TRUE(form.SetFocus(form.First));
  ASSERT_TRUE(form.SetFocus(form.Second));
  form.SetFocus(form.Second);  // already there: nothing runs
  EXPECT_EQ(events, (std::vector<std::string>{"First lost", "Second got"}));
  EXPECT_EQ(form.ActiveControl(), &form.Second);
}

TEST(FocusTest, ALostFocusHandlerThatMovesTheFocusHasTheLastWord) {
  DemoForm form;
  form.SetFocus(form.First);
  form.First.onLostFocus = [&] { form.SetFocus(form.Box); };
  form.SetFocus(form.Second);
  EXPECT_EQ(form.ActiveControl(), &form.Box);
}

TEST(FocusTest, HiddenOrDisabledControlsCannotTakeTheFocus) {
  DemoForm form;
  form.Second.SetVisible(false);
  EXPECT_FALSE(form.SetFocus(form.Second));
  form.Box.SetEnabled(false);
  EXPECT_FALSE(form.SetFocus(form.Box));
  EXPECT_EQ(form.ActiveControl(), nullptr);
}

TEST(FormTest, UnloadingAsksTheUnloadHandlerWhichMayCancel) {
  DemoForm form;
  int loads = 0;
  form.onLoad = [&] { ++loads; };
  bool refuse = true;
  form.onUnload = [&](int& cancel) { cancel = refuse ? 1 : 0; };
  form.Show();
  form.Show();
  EXPECT_EQ(loads, 1);
  EXPECT_FALSE(form.Unload());
  EXPECT_TRUE(form.Visible());
  refuse = false;
  EXPECT_TRUE(form.Unload());
  EXPECT_FALSE(form.Visible());
  form.Show();
  EXPECT_EQ(loads, 2);
}

TEST(FormTest, KeyPressHandlersCanSwallowAKey) {
  DemoForm form;
  form.First.onKeyPress = [](int& key) {
    if (key == 4) key = 0;
  };
  EXPECT_EQ(form.First.KeyPress(4), 0);
  EXPECT_EQ(form.First.KeyPress('a'), 'a');
}

}  // namespace
}  // namespace aloftra
