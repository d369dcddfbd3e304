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

struct PropertyCase {
  const char* property;
  std::function<Control&(AllKindsForm&)> control;
  std::function<void(AllKindsForm&)> set;
};

std::vector<PropertyCase> PropertyCases() {
  auto box = [](AllKindsForm& f) -> Control& { return f.Box; };
  auto names = [](AllKindsForm& f) -> Control& { return f.Names; };
  return {
      {"geometry", box, [](AllKindsForm& f) { f.Box.Move(10, 20, 300, 40); }},
      {"position", box, [](AllKindsForm& f) { f.Box.Move(15, 25); }},
      {"enabled", box, [](AllKindsForm& f) { f.Box.SetEnabled(false); }},
      {"visible", box, [](AllKindsForm& f) { f.Box.SetVisible(false); }},
      {"fore colour", box, [](AllKindsForm& f) { f.Box.SetForeColor(kRed); }},
      {"back colour", box, [](AllKindsForm& f) { f.Box.SetBackColor(kPaleYellow); }},
      {"font", box,
       [](AllKindsForm& f) {
         f.Box.SetFont(Font{10, true, false});
       }},
      {"tool tip", box, [](AllKindsForm& f) { f.Box.SetToolTipText("Feet"); }},
      {"tab index", box, [](AllKindsForm& f) { f.Box.SetTabIndex(9); }},
      {"container", box, [](AllKindsForm& f) { f.Box.SetContainer(&f.Group); }},
      {"text", box, [](AllKindsForm& f) { f.Box.SetText("1200"); }},
      {"locked", box, [](AllKindsForm& f) { f.Box.SetLocked(true); }},
      {"multi-line", box, [](AllKindsForm& f) { f.Box.SetMultiLine(true); }},
      {"alignment", box, [](AllKindsForm& f) { f.Box.SetTextAlignment(Alignment::kRight); }},
      {"maximum length", box, [](AllKindsForm& f) { f.Box.SetMaxLength(5); }},
      {"selection", box, [](AllKindsForm& f) { f.Box.SetSelection(1, 2); }},
      {"label caption", [](AllKindsForm& f) -> Control& { return f.Caption; },
       [](AllKindsForm& f) { f.Caption.SetCaption("On"); }},
      {"label border", [](AllKindsForm& f) -> Control& { return f.Caption; },
       [](AllKindsForm& f) { f.Caption.SetBordered(true); }},
      {"label transparency", [](AllKindsForm& f) -> Control& { return f.Caption; },
       [](AllKindsForm& f) { f.Caption.SetTransparent(false); }},
      {"label alignment", [](AllKindsForm& f) -> Control& { return f.Caption; },
       [](AllKindsForm& f) { f.Caption.SetTextAlignment(Alignment::kCenter); }},
      {"button caption", [](AllKindsForm& f) -> Control& { return f.Button; },
       [](AllKindsForm& f) { f.Button.SetCaption("Enter"); }},
      {"button picture", [](AllKindsForm& f) -> Control& { return f.Button; },
       [](AllKindsForm& f) { f.Button.SetPicture("next"); }},
      {"default button", [](AllKindsForm& f) -> Control& { return f.Button; },
       [](AllKindsForm& f) { f.Button.SetDefault(true); }},
      {"cancel button", [](AllKindsForm& f) -> Control& { return f.Button; },
       [](AllKindsForm& f) { f.Button.SetCancel(true); }},
      {"check box caption", [](AllKindsForm& f) -> Control& { return f.Check; },
       [](AllKindsForm& f) { f.Check.SetCaption("Tandem"); }},
      {"check box value", [](AllKindsForm& f) -> Control& { return f.Check; },
       [](AllKindsForm& f) { f.Check.SetChecked(true); }},
      {"frame caption", [](AllKindsForm& f) -> Control& { return f.Group; },
       [](AllKindsForm& f) { f.Group.SetCaption("Wing"); }},
      {"option caption", [](AllKindsForm& f) -> Control& { return f.First; },
       [](AllKindsForm& f) { f.First.SetCaption("Solo"); }},
      {"option value", [](AllKindsForm& f) -> Control& { return f.First; },
       [](AllKindsForm& f) { f.First.SetValue(true); }},
      {"list index", names, [](AllKindsForm& f) { f.Names.SetListIndex(1); }},
      {"combo text", names, [](AllKindsForm& f) { f.Names.SetText("Bravo"); }},
      {"combo style", names,
       [](AllKindsForm& f) { f.Names.SetComboStyle(ComboBox::Style::kDropDownCombo); }},
      {"sorted", names, [](AllKindsForm& f) { f.Names.SetSorted(true); }},
      {"item data", names, [](AllKindsForm& f) { f.Names.SetItemData(0, 42); }},
      {"list box index", [](AllKindsForm& f) -> Control& { return f.Gliders; },
       [](AllKindsForm& f) { f.Gliders.SetListIndex(0); }},
      {"shape kind", [](AllKindsForm& f) -> Control& { return f.Marker; },
       [](AllKindsForm& f) { f.Marker.SetShapeKind(Shape::Kind::kCircle); }},
      {"shape filled", [](AllKindsForm& f) -> Control& { return f.Marker; },
       [](AllKindsForm& f) { f.Marker.SetFilled(true); }},
      {"shape fill colour", [](AllKindsForm& f) -> Control& { return f.Marker; },
       [](AllKindsForm& f) { f.Marker.SetFillColor(kRed); }},
      {"shape border colour", [](AllKindsForm& f) -> Control& { return f.Marker; },
       [](AllKindsForm& f) { f.Marker.SetBorderColor(kRed); }},
      {"line ends", [](AllKindsForm& f) -> Control& { return f.Rule; },
       [](AllKindsForm& f) { f.Rule.SetEnds(0, 0, 100, 0); }},
      {"line colour", [](AllKindsForm& f) -> Control& { return f.Rule; },
       [](AllKindsForm& f) { f.Rule.SetBorderColor(kRed); }},
      {"image picture", [](AllKindsForm& f) -> Control& { return f.Picture; },
       [](AllKindsForm& f) { f.Picture.SetPicture("glider"); }},
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
