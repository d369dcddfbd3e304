// The multi-flight entry dialog: copies the flight shown on the flight page into a series of
// consecutive flights, sharing the total airtime equally among them. Every copy is typed into
// the flight page's own controls and stored by its Enter, so it is checked, ordered and
// counted like a flight entered by hand.
#pragma once

#include <optional>

#include "flights/MultiFlightPlan.h"
#include "form/CommandButton.h"
#include "form/Label.h"
#include "form/TextBox.h"
#include "pagekit/Dialog.h"

namespace aloftra {

class frmAloftra;
struct FlightRecord;

class frmMultiFlight : public Dialog {
 public:
  explicit frmMultiFlight(PageHost& host);

  aloftra::Label CaptionLine;
  aloftra::Label TotalFlightsLabel;
  aloftra::Label TotalAirtimeLabel;
  aloftra::Label TimeIntervalLabel;
  TextBox TotalFlights;
  TextBox TotalAirtime;
  TextBox TimeInterval;
  CommandButton Ok;
  CommandButton Cancel;

  void Form_Load();
  void Ok_Click();
  void Cancel_Click();
  void TotalAirtime_LostFocus();
  void TimeInterval_LostFocus();

 private:
  void ShowMessage(const char* text);
  // Checks a time box; on a refusal shows its message and gives the box the focus back.
  std::optional<int> CheckTimeBox(TextBox& box, bool total);
  // The plan the boxes describe, or nullopt after telling the pilot what is wrong.
  std::optional<MultiFlightPlan> ReadPlan();
  void MakeFlights(frmAloftra& page, const MultiFlightPlan& plan);
  void EnterCopy(frmAloftra& page, const MultiFlightPlan& plan);
  void ShowCopiedValues(frmAloftra& page, const FlightRecord& source);
};

}  // namespace aloftra
