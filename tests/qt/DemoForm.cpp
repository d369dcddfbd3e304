#include "DemoForm.h"

namespace aloftra::test {

DemoForm::DemoForm() : Form("frmDemo"), FileMenu(AddMenu("FileMenu", "File")) {
  SetCaption("Demo");
  Resize(6000, 4500);
  Move(1500, 1500);
  Name.Move(120, 120, 2400, 315);
  Height.Move(120, 600, 2400, 315);
  Remarks.Move(120, 1080, 2400, 900);
  Remarks.SetMultiLine(true);
  Enter.Move(3000, 120, 1200, 375);
  Enter.SetCaption("Enter");
  Enter.SetDefault(true);
  Cancel.Move(3000, 600, 1200, 375);
  Cancel.SetCaption("Cancel");
  Cancel.SetCancel(true);
  Tandem.Move(3000, 1080, 1500, 300);
  Tandem.SetCaption("Tandem");
  Kind.Move(120, 2100, 2400, 1000);
  Kind.SetCaption("Wing");
  HangGlider.Move(240, 2400, 2000, 300);
  HangGlider.SetCaption("Hang glider");
  HangGlider.SetContainer(&Kind);
  Paraglider.Move(240, 2700, 2000, 300);
  Paraglider.SetCaption("Paraglider");
  Paraglider.SetContainer(&Kind);
  Site.Move(3000, 1500, 2400, 315);
  Site.AddItem("Kitty Hawk");
  Site.AddItem("Torrey Pines");
  Gliders.Move(3000, 2000, 2400, 900);
  Gliders.AddItem("Falcon");
  Gliders.AddItem("Sport 2");
  Status.Move(120, 3300, 4000, 255);
  Status.SetCaption("Ready");
  Marker.Move(4800, 3300, 600, 600);
  Marker.SetFilled(true);
  Marker.SetFillColor(Rgb(0, 0, 255));
  FileMenu.AddItem("New...", "Ctrl+N");
  FileMenu.AddItem("-");
  FileMenu.AddItem("Exit");

  Name.onChange = [this] { events.push_back("Name_Change " + Name.Text()); };
  Name.onLostFocus = [this] { events.push_back("Name_LostFocus"); };
  Height.onLostFocus = [this] { events.push_back("Height_LostFocus"); };
  Enter.onClick = [this] { events.push_back("Enter_Click"); };
  Cancel.onClick = [this] { events.push_back("Cancel_Click"); };
  Tandem.onClick = [this] { events.push_back("Tandem_Click " + std::to_string(Tandem.Value())); };
  HangGlider.onClick = [this] { events.push_back("Wing_Click 0"); };
  Paraglider.onClick = [this] { events.push_back("Wing_Click 1"); };
  Site.onClick = [this] { events.push_back("Site_Click " + Site.Text()); };
  Gliders.onClick = [this] { events.push_back("Gliders_Click " + Gliders.SelectedText()); };
  FileMenu.onClick = [this](int index) {
    events.push_back("FileMenu_Click " + std::to_string(index));
  };
}

}  // namespace aloftra::test
