// A started program on a logbook with one flight, for the units and vario dialogs: the
// flight (glider "Falcon", site "Point") has altitudes, winds, lift and sink and a distance,
// and the glider has its weight range, so every page shows converted numbers.
#pragma once

#include "core/LogbookRepair.h"
#include "flights/frmAloftra.h"
#include "lists/frmGliders.h"
#include "lists/frmSiteList.h"
#include "stats/frmSummary.h"
#include "support/AppFixture.h"
#include "units/UnitChoice.h"
#include "units/frmUnits.h"
#include "units/frmVario.h"

namespace aloftra::test {

class UnitDialogTest : public AppFixture {
 protected:
  void SetUp() override {
    Logbook book = GlidersAndSites();
    book.gliders[0].WEIGHT_MIN = 150;
    book.gliders[0].WEIGHT_MAX = 220;
    FlightRecord flight = MakeFlight({.maxMsl = 5000, .overLaunch = 3800, .distance = 24.86f});
    flight.LAUNCH_MSL = 1200;
    flight.LANDING_MSL = 100;
    flight.BASE_WIND = 12.4f;
    flight.PEAK_WIND = 18;
    flight.MAX_LIFT = 400;
    flight.MAX_SINK = 600;
    book.flights.Append(flight);
    RebuildFlightOrder(book);
    OpenOnStart("Units.log", book);
  }

  frmAloftra& Flights() { return app->Aloftra(); }
  frmSiteList& Sites() { return app->SiteList(); }
  frmGliders& Gliders() { return app->Gliders(); }
  frmSummary& Summary() { return app->Summary(); }
  Logbook& Book() { return app->Book(); }
  frmUnits& Units() { return app->Dialogs().Get<DialogId::kUnits>(); }
  frmVario& Vario() { return app->Dialogs().Get<DialogId::kVario>(); }

  // Opens the units dialog from the flight page's Options menu, selects these buttons and
  // presses Ok.
  void ChooseUnits(std::initializer_list<UnitButton> buttons) {
    Flights().OptionsMenu.Click(kOptionsUnits);
    for (UnitButton button : buttons)
      Units().Units[button].SetValue(true);
    Units().Ok.Click();
  }
};

}  // namespace aloftra::test
