// The flight page of a started program, on a logbook with two gliders and two sites.
#pragma once

#include "core/DateTime.h"
#include "flights/frmAloftra.h"
#include "support/AppFixture.h"
#include "views/FlightOrders.h"

namespace aloftra::test {

// A flying entry of glider 0 ("Falcon") at site 0 ("Point").
inline FlightRecord StoredFlight(DateTime date, std::int16_t airtime) {
  FlightRecord flight;
  flight.DATE = date;
  flight.AIRTIME = airtime;
  flight.SOLO = kOptionSet;
  return flight;
}

// Adds a flight to a logbook and to its orders, as Enter would.
inline int AddFlight(Logbook& book, const FlightRecord& flight) {
  int slot = book.flights.Append(flight);
  InsertIntoOrders(book, slot);
  return slot;
}

class FlightPageTest : public AppFixture {
 protected:
  void SetUp() override { OpenOnStart("Season.log", GlidersAndSites()); }
  // Starts the program again on a logbook with these flights added.
  void OpenWithFlights(const std::vector<FlightRecord>& flights) {
    Logbook book = GlidersAndSites();
    for (const FlightRecord& flight : flights)
      AddFlight(book, flight);
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
