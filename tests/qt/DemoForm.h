// A small form with one control of each kind, laid out in twips, that records what its
// handlers saw. The binding tests drive its window like a pilot would.
#pragma once

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

namespace aloftra::test {

class DemoForm : public Form {
 public:
  DemoForm();

  TextBox Name{*this, "Name"};
  TextBox Height{*this, "Height"};
  TextBox Remarks{*this, "Remarks"};
  CommandButton Enter{*this, "Enter"};
  CommandButton Cancel{*this, "Cancel"};
  CheckBox Tandem{*this, "Tandem"};
  Frame Kind{*this, "Kind"};
  OptionButton HangGlider{*this, "Wing", 0};
  OptionButton Paraglider{*this, "Wing", 1};
  ComboBox Site{*this, "Site"};
  ListBox Gliders{*this, "Gliders"};
  Label Status{*this, "Status"};
  Shape Marker{*this, "Marker"};
  Menu& FileMenu;

  std::vector<std::string> events;
};

}  // namespace aloftra::test
