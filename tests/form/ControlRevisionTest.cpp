// Every property set to a new value counts as a change of its control, and setting the
// value a property already holds does not, so a front end can skip the controls that did
// not change.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "form/CheckBox.h"
#include "form/ComboBox.h"
#include "form/CommandButton.h"
#include "form/Form.h"
#include "form/Frame.h"
#include "form/Label.h"
#include "form/OptionButton.h"
#include "form/Shape.h"
#include "form/TextBox.h"

namespace aloftra {
namespace {

class AllKindsForm : public Form {
 public:
  AllKindsForm() : Form("frmAllKinds") {
    Names.AddItem("Alpha");
    Names.AddItem("Bravo");
    Gliders.AddItem("Falcon");
  }
  TextBox Box{*this, "Box"};
  Label Caption{*this, "Caption"};
  CommandButton Button{*this, "Button"};
  CheckBox Check{*this, "Check"};
  Frame Group{*this, "Group"};
  OptionButton First{*this, "Option", 0};
  OptionButton Second{*this, "Option", 1};
  ComboBox Names{*this, "Names"};
  ListBox Gliders{*this, "Gliders"};
  Shape Marker{*this, "Marker"};
  LineControl Rule{*this, "Rule"};
  Image Picture{*this, "Picture"};
};

// A property of one control of the form and how a page sets it.
struct PropertyCase {
  const char* property;
  std::function<Control&(AllKindsForm&)> control;
  std::function<void(AllKindsForm&)> set;
};

template <class Kind, class Setter>
PropertyCase Case(const char* property, Kind AllKindsForm::*member, Setter set) {
  return {property, [member](AllKindsForm& f) -> Control& { return f.*member; },
          [member, set](AllKindsForm& f) { set(f.*member, f); }};
}

std::vector<PropertyCase> PropertyCases() {
  using F = AllKindsForm;
  return {
      Case("geometry", &F::Box, [](TextBox& c, F&) { c.Move(10, 20, 300, 40); }),
      Case("position", &F::Box, [](TextBox& c, F&) { c.Move(15, 25); }),
      Case("enabled", &F::Box, [](TextBox& c, F&) { c.SetEnabled(false); }),
      Case("visible", &F::Box, [](TextBox& c, F&) { c.SetVisible(false); }),
      Case("fore colour", &F::Box, [](TextBox& c, F&) { c.SetForeColor(kRed); }),
      Case("back colour", &F::Box, [](TextBox& c, F&) { c.SetBackColor(kPaleYellow); }),
      Case("font", &F::Box,
           [](TextBox& c, F&) {
             c.SetFont(Font{10, true, false});
           }),
      Case("tool tip", &F::Box, [](TextBox& c, F&) { c.SetToolTipText("Feet"); }),
      Case("tab index", &F::Box, [](TextBox& c, F&) { c.SetTabIndex(9); }),
      Case("container", &F::Box, [](TextBox& c, F& f) { c.SetContainer(&f.Group); }),
      Case("text", &F::Box, [](TextBox& c, F&) { c.SetText("1200"); }),
      Case("locked", &F::Box, [](TextBox& c, F&) { c.SetLocked(true); }),
      Case("multi-line", &F::Box, [](TextBox& c, F&) { c.SetMultiLine(true); }),
      Case("alignment", &F::Box, [](TextBox& c, F&) { c.SetTextAlignment(Alignment::kRight); }),
      Case("maximum length", &F::Box, [](TextBox& c, F&) { c.SetMaxLength(5); }),
      Case("selection", &F::Box, [](TextBox& c, F&) { c.SetSelection(1, 2); }),
      Case("label caption", &F::Caption, [](Label& c, F&) { c.SetCaption("On"); }),
      Case("transparency", &F::Caption, [](Label& c, F&) { c.SetTransparent(false); }),
      Case("button caption", &F::Button, [](CommandButton& c, F&) { c.SetCaption("Enter"); }),
      Case("button picture", &F::Button, [](CommandButton& c, F&) { c.SetPicture("next"); }),
      Case("default button", &F::Button, [](CommandButton& c, F&) { c.SetDefault(true); }),
      Case("check box value", &F::Check, [](CheckBox& c, F&) { c.SetChecked(true); }),
      Case("frame caption", &F::Group, [](Frame& c, F&) { c.SetCaption("Wing"); }),
      Case("option value", &F::First, [](OptionButton& c, F&) { c.SetValue(true); }),
      Case("list index", &F::Names, [](ComboBox& c, F&) { c.SetListIndex(1); }),
      Case("combo text", &F::Names, [](ComboBox& c, F&) { c.SetText("Bravo"); }),
      Case("combo style", &F::Names,
           [](ComboBox& c, F&) { c.SetComboStyle(ComboBox::Style::kDropDownCombo); }),
      Case("item data", &F::Names, [](ComboBox& c, F&) { c.SetItemData(0, 42); }),
      Case("list box index", &F::Gliders, [](ListBox& c, F&) { c.SetListIndex(0); }),
      Case("shape filled", &F::Marker, [](Shape& c, F&) { c.SetFilled(true); }),
      Case("shape fill colour", &F::Marker, [](Shape& c, F&) { c.SetFillColor(kRed); }),
      Case("line ends", &F::Rule, [](LineControl& c, F&) { c.SetEnds(0, 0, 100, 0); }),
      Case("image picture", &F::Picture, [](Image& c, F&) { c.SetPicture("glider"); }),
  };
}

TEST(ControlRevisionTest, ANewValueIsAChangeAndTheSameValueAgainIsNot) {
  for (const PropertyCase& c : PropertyCases()) {
    SCOPED_TRACE(c.property);
    AllKindsForm form;
    Control& control = c.control(form);
    unsigned long before = control.Revision();
    c.set(form);
    unsigned long after = control.Revision();
    EXPECT_GT(after, before);
    c.set(form);
    EXPECT_EQ(control.Revision(), after);
  }
}

TEST(ControlRevisionTest, SelectingAnOptionChangesTheOneItClears) {
  AllKindsForm form;
  form.First.SetValue(true);
  unsigned long first = form.First.Revision();
  form.Second.SetValue(true);
  EXPECT_FALSE(form.First.Value());
  EXPECT_GT(form.First.Revision(), first);
}

TEST(ControlRevisionTest, TheEntriesHaveTheirOwnCountWhichTheSelectionLeavesAlone) {
  AllKindsForm form;
  ComboBox& names = form.Names;
  unsigned long entries = names.ListRevision();
  names.SetListIndex(1);
  names.SetItemData(1, 7);
  EXPECT_EQ(names.ListRevision(), entries);

  std::vector<std::function<void()>> entryChanges = {
      [&] { names.AddItem("Charlie"); },
      [&] {
        names.AddItems({{"Delta"}, {"Echo"}});
      },
      [&] { names.RemoveItem(0); },
      [&] { names.SetItems({{"Foxtrot"}}); },
      [&] { names.Clear(); },
  };
  for (const auto& change : entryChanges) {
    unsigned long control = names.Revision();
    change();
    EXPECT_GT(names.ListRevision(), entries);
    EXPECT_GT(names.Revision(), control);
    entries = names.ListRevision();
  }
  // Clearing an empty list and adding nothing change nothing.
  names.Clear();
  names.AddItems({});
  EXPECT_EQ(names.ListRevision(), entries);
}

}  // namespace
}  // namespace aloftra
