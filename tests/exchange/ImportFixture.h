// A started program on a logbook with two gliders (Falcon, Mentor) and two sites (Point,
// Dunes), with the import dialog opened from the flight page's File menu and its file dialog
// answered with a file written into the test folder.
#pragma once

#include <string>

#include "core/Logbook.h"
#include "exchange/frmImport.h"
#include "flights/frmAloftra.h"
#include "lists/frmGliders.h"
#include "lists/frmSiteList.h"
#include "support/AppFixture.h"

namespace aloftra::test {

// The items of a line of the import's own flights layout, written as a file holds them.
struct FlightLine {
  std::string date = "6/7/2001";
  std::string time = "2:05 PM";
  std::string airtime = "1:35";
  std::string site = "Point";
  std::string glider = "Falcon";
  std::string gliderType = "Hang Glider";
  std::string numbers = "0,0,0,0,0,0,0,0,0,0";  // WIND_DIREC2 to XC_DISTANCE
  std::string remarks{};
};

// Quotes a text item as the export writes it: its double quotes doubled.
inline std::string Quoted(const std::string& text) {
  std::string item = "\"";
  for (char c : text) {
    if (c == '"') item += '"';
    item += c;
  }
  return item + "\"";
}

inline std::string Line(const FlightLine& f) {
  return Quoted(f.date) + "," + Quoted(f.time) + "," + Quoted(f.airtime) + "," + Quoted(f.site) +
         "," + Quoted(f.glider) + "," + Quoted(f.gliderType) + "," + f.numbers + "," +
         Quoted(f.remarks) + "\r\n";
}

class ImportTest : public AppFixture {
 protected:
  void SetUp() override { OpenOnStart("Season.log", GlidersAndSites()); }
  // A fresh program on the same logbook, for the next case of a table.
  void Restart() {
    app = std::make_unique<App>(platform, files);
    OpenOnStart("Season.log", GlidersAndSites());
    platform.ClearMessages();
  }

  frmImport& Import() { return app->Dialogs().Get<DialogId::kImport>(); }
  Logbook& Book() { return app->Book(); }

  // Writes the file, opens the dialog, chooses what to import and presses Ok with the file
  // chosen in the open dialog.
  void RunImport(ImportKind kind, const std::string& contents, const std::string& name = "in.txt") {
    WriteFile(name, contents);
    ImportPath(kind, PathIn(name));
  }
  void ImportPath(ImportKind kind, const std::string& path) {
    app->Aloftra().FileMenu.Click(kFileImport);
    Import().ImportWhat[kind].SetValue(true);
    platform.QueueFile(path);
    Import().Ok.Click();
  }
  std::string ErrorFor(const std::string& name) const {
    return "Error importing file '" + PathIn(name) + "'.";
  }
  const SiteRecord* SiteNamed(const std::string& name) {
    for (int slot = 0; slot <= Book().sites.LastIndex(); ++slot) {
      if (Book().sites[slot].SITE_NAME == name) return &Book().sites[slot];
    }
    return nullptr;
  }
  const GliderRecord* GliderNamed(const std::string& name) {
    for (int slot = 0; slot <= Book().gliders.LastIndex(); ++slot) {
      if (Book().gliders[slot].GLIDER_NAME == name) return &Book().gliders[slot];
    }
    return nullptr;
  }
  // The live flights in date order.
  std::vector<const FlightRecord*> Flights() {
    std::vector<const FlightRecord*> flights;
    for (int position = 0; position <= Book().LastPosition(); ++position)
      flights.push_back(&Book().flights[Book().FlightAtPosition(position)]);
    return flights;
  }
};

}  // namespace aloftra::test
