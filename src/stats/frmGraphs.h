// The graphs page: flights and airtime per day of a year.
#pragma once

#include <cstdint>

#include "form/CommandButton.h"
#include "form/ControlArray.h"
#include "form/Label.h"
#include "form/TextBox.h"
#include "pagekit/Page.h"
#include "stats/YearGraph.h"

namespace aloftra {

// Where a chart lies on the page, in twips.
struct ChartArea {
  int left, top, width, height;
};
inline constexpr ChartArea kFlightsGraph{1680, 660, 5790, 1920};
inline constexpr ChartArea kAirtimeGraph{1680, 3330, 5790, 1920};

class frmGraphs : public Page {
 public:
  explicit frmGraphs(PageHost& host);

  aloftra::Label YearCaption;
  CommandButton YearDec;
  // The year shown, as four digits.
  aloftra::Label Year;
  CommandButton YearInc;
  aloftra::Label FlightsTitle, AirtimeTitle, FlightsOrigin, AirtimeOrigin;
  ControlArray<aloftra::Label> FScale;  // 1 to 4: a quarter, a half, three quarters, full
  ControlArray<aloftra::Label> AScale;
  ControlArray<aloftra::Label> FMonth;  // 1 to 12, under each chart
  ControlArray<aloftra::Label> AMonth;
  aloftra::Label TotalFlightsCaption, TotalAirtimeCaption;
  TextBox TotalFlights, TotalAirtime;
  TextBox DisplayDate;
  aloftra::Label FilterStatus1, FilterStatus2;

  // -1 from the start of a drawing until it completes with data, 0 after.
  std::int16_t GraphState = -1;

  void Form_Paint();
  void Form_MouseMove(int Button, int Shift, double X, double Y);
  void Form_MouseUp(int Button, int Shift, double X, double Y);
  void YearDec_Click();
  void YearInc_Click();
  void FilterStatus_MouseUp(int Button);

  // Redraws both charts, their scales and totals from the logbook.
  void DrawGraphs();
  // The selected year.
  int SelectedYear() const { return year_; }

  // A new logbook is shown from the current year.
  void OnLogbookReset() override;
  void OnFilterChanged() override;
  void OnColorModeChanged() override;

 private:
  void BuildLayout();
  void SetYear(int year);
  void ShowFilterStatus();
  void DrawChart(const ChartArea& area, const char* group,
                 const std::array<std::int32_t, kDaySlots>& values, std::int32_t scale,
                 int gridParts);

  int year_ = kFirstGraphYear;
  long shownDay_ = 0;  // the day of the read-out, while DisplayDate shows one
};

}  // namespace aloftra
