// The flight page of a started program, on a logbook with two gliders and two sites.
#pragma once

#include "core/DateTime.h"
#include "core/LogbookRepair.h"
#include "flights/frmAloftra.h"
#include "support/AppFixture.h"

namespace aloftra::test {

class FlightPageTest : public AppFixture {
 protected:
  void SetUp() override { OpenOnStart("Season.log", GlidersAndSites()); }
  // Starts the program again on a logbook with these flights added.
  void OpenWithFlights(const std::vector<FlightRecord>& flights) {
    Logbook book = GlidersAndSites();
    for (const FlightRecord& flight : flights)
      book.flights.Append(flight);
    RebuildFlightOrder(book);
    app = std::make_unique<App>(platform, files);
    OpenOnStart("Flights.log", book);
  }
  frmAloftra& Page() { return app->Aloftra(); }
  Logbook& Book() { return app->Book(); }
  // Leaves a field so its check runs.
  void Leave(TextBox& box) {
    Page().SetFocus(box);
    Page().SetFocus(Page().Enter);
  }
  // Types into a field and leaves it.
  void Type(TextBox& box, const std::string& text) {
    TypeInto(box, text);
    Page().SetFocus(Page().Enter);
  }
  void UseMetres() {
    Book().UNIT_FLAGS[kUnitFeet] = 0;
    Book().UNIT_FLAGS[kUnitMetres] = kFlagSet;
  }
  // The flight stored at a position of the current order.
  const FlightRecord& FlightAt(int position) {
    return Book().flights[Book().FlightAtPosition(position)];
  }
};

}  // namespace aloftra::test
