// Tab walks a form by its controls' tab indices, passes over locked text boxes and stops
// once on each group of option buttons; the arrows move within a group.
#include "form/TabOrder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/CommandButton.h"
#include "form/Form.h"
#include "form/Frame.h"
#include "form/Label.h"
#include "form/OptionButton.h"
#include "form/TextBox.h"

namespace aloftra {
namespace {

class WingForm : public Form {
 public:
  WingForm() : Form("frmWing") {
    Shown.SetLocked(true);
    for (OptionButton* option : {&Hang, &Para, &Rigid})
      option->SetContainer(&Kind);
    // Built in one order, tabbed in another.
    int index = 0;
    for (Control* control : std::vector<Control*>{&Go, &Name, &Shown, &Rigid, &Hang, &Para, &Alone})
      control->SetTabIndex(index++);
  }
  Label Caption{*this, "Caption"};
  TextBox Name{*this, "Name"};
  TextBox Shown{*this, "Shown"};
  Frame Kind{*this, "Kind"};
  OptionButton Hang{*this, "Hang"};
  OptionButton Para{*this, "Para"};
  OptionButton Rigid{*this, "Rigid"};
  OptionButton Alone{*this, "Alone"};
  CommandButton Go{*this, "Go"};
};

std::vector<std::string> Names(const std::vector<Control*>& controls) {
  std::vector<std::string> names;
  for (const Control* control : controls)
    names.push_back(control->Name());
  return names;
}

std::vector<std::string> Stops(const Form& form) {
  std::vector<Control*> stops;
  for (Control* control : TabOrder(form)) {
    if (IsTabStop(*control)) stops.push_back(control);
  }
  return Names(stops);
}

TEST(TabOrderTest, TabFollowsTheTabIndexesAndLeavesOutWhatCannotTakeTheFocus) {
  WingForm form;
  EXPECT_EQ(Names(TabOrder(form)),
            (std::vector<std::string>{"Go", "Name", "Shown", "Rigid", "Hang", "Para", "Alone"}));
  // Equal indexes keep the order the controls were built in.
  form.Go.SetTabIndex(1);
  EXPECT_EQ(Names(TabOrder(form))[0], "Name");
  EXPECT_EQ(Names(TabOrder(form))[1], "Go");
}

TEST(TabOrderTest, LockedBoxesAreNoStopsAndAGroupIsOneStopAtItsChoice) {
  WingForm form;
  // Nothing chosen: the group's first button in tab order.
  EXPECT_EQ(Stops(form), (std::vector<std::string>{"Go", "Name", "Rigid", "Alone"}));
  form.Para.SetValue(true);
  EXPECT_EQ(Stops(form), (std::vector<std::string>{"Go", "Name", "Para", "Alone"}));
  // A box unlocked takes its stop again.
  form.Shown.SetLocked(false);
  EXPECT_EQ(Stops(form), (std::vector<std::string>{"Go", "Name", "Shown", "Para", "Alone"}));
}

TEST(TabOrderTest, ArrowsMoveRoundTheGroupPastButtonsThatCannotTakeTheFocus) {
  WingForm form;
  struct Case {
    OptionButton* from;
    bool forward;
    OptionButton* to;
  };
  const std::vector<Case> cases = {
      {&form.Rigid, true, &form.Hang},  {&form.Hang, true, &form.Para},
      {&form.Para, true, &form.Rigid},  {&form.Rigid, false, &form.Para},
      {&form.Hang, false, &form.Rigid},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NextInOptionGroup(*c.from, c.forward), c.to)
        << c.from->Name() << (c.forward ? " forward" : " back");
  }
  form.Para.SetEnabled(false);
  EXPECT_EQ(NextInOptionGroup(form.Hang, true), &form.Rigid);
  form.Rigid.SetVisible(false);
  EXPECT_EQ(NextInOptionGroup(form.Hang, true), nullptr);
  // A button alone on the form has nowhere to go.
  EXPECT_EQ(NextInOptionGroup(form.Alone, true), nullptr);
  EXPECT_EQ(OptionGroupOf(form.Alone), std::vector<OptionButton*>{&form.Alone});
}

}  // namespace
}  // namespace aloftra
