// The glider page of a started program, on a logbook with the hang glider "Falcon" (slot 0),
// the paraglider "Mentor" (slot 1) and two sites; flights are added by the tests that need
// them.
#pragma once

#include <string>
#include <vector>

#include "core/LogbookRepair.h"
#include "flights/frmAloftra.h"
#include "lists/frmGliders.h"
#include "support/AppFixture.h"

namespace aloftra::test {

class GliderPageTest : public AppFixture {
 protected:
  void SetUp() override { OpenOnStart("Gliders.log", GlidersAndSites()); }
  // Starts the program again on the two gliders and these flights.
  void OpenWithFlights(const std::vector<FlightValues>& flights) {
    Logbook book = GlidersAndSites();
    for (const FlightValues& flight : flights)
      AddFlight(book, flight);
    RebuildFlightOrder(book);
    app = std::make_unique<App>(platform, files);
    OpenOnStart("Flights.log", book);
  }
  frmGliders& Page() { return app->Gliders(); }
  frmAloftra& FlightPage() { return app->Aloftra(); }
  Logbook& Book() { return app->Book(); }

  // Picks a glider in the name list as the pilot does.
  void Choose(const std::string& name) {
    Page().GliderName.SetListIndex(Page().GliderName.FindItem(name));
  }
  // Types into a field and leaves it, so its check runs.
  void Type(TextBox& box, const std::string& text) {
    TypeInto(box, text);
    Page().SetFocus(Page().NewGlider);
  }
  // New, a name typed, Enter.
  void CreateGlider(const std::string& name) {
    Page().NewGlider.Click();
    Page().GliderName.SetText(name);
    Page().Enter.Click();
  }
  std::vector<std::string> Names(const ListControl& list) {
    std::vector<std::string> names;
    for (int i = 0; i < list.ListCount(); ++i)
      names.push_back(list.List(i));
    return names;
  }
  const GliderRecord& Glider(int slot) { return Book().gliders[slot]; }
};

}  // namespace aloftra::test
