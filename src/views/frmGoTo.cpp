#include "views/frmGoTo.h"

#include <algorithm>

#include "core/Ascii.h"
#include "core/Logbook.h"
#include "core/Numbers.h"
#include "form/Platform.h"
#include "pagekit/FlightPage.h"
#include "views/RemarksSearch.h"

namespace aloftra {

namespace {

// The number typed, read as far as it goes; blanks anywhere in it are skipped.
double TypedNumber(std::string text) {
  std::erase_if(text, IsBlank);
  return ParseLeadingNumber(text);
}

}  // namespace

frmGoTo::frmGoTo(PageHost& host)
    : Dialog(host, DialogId::kGoTo, "frmGoTo", "Display Flight", 4320, 2400),
      Prompt(*this, "Prompt"),
      FlightNo(*this, "FlightNo"),
      SearchWhat(*this, "SearchWhat", 2),
      Ok(*this, "Ok"),
      Cancel(*this, "Cancel") {
  Prompt.SetCaption("Enter the Flight No. to display:");
  Prompt.Move(240, 180, 3840, 255);
  FlightNo.Move(240, 570, 1200, 315);
  FlightNo.SetTabIndex(0);
  SearchWhat[0].SetCaption("Hang Glider Flight");
  SearchWhat[0].Move(1680, 540, 2400, 285);
  SearchWhat[0].SetTabIndex(1);
  SearchWhat[1].SetCaption("Paraglider Flight");
  SearchWhat[1].Move(1680, 870, 2400, 285);
  SearchWhat[1].SetTabIndex(2);
  SearchWhat[0].SetValue(true);
  Ok.SetCaption("Ok");
  Ok.Move(720, 1440, 1080, 375);
  Ok.SetDefault(true);
  Ok.SetTabIndex(3);
  Cancel.SetCaption("Cancel");
  Cancel.Move(2400, 1440, 1080, 375);
  Cancel.SetCancel(true);
  Cancel.SetTabIndex(4);

  onLoad = [this] { Form_Load(); };
  Ok.onClick = [this] { Ok_Click(); };
  Cancel.onClick = [this] { Cancel_Click(); };
}

void frmGoTo::Form_Load() {
  // Each opening starts as designed: an empty box, and the kind of the latest flight entered.
  FlightNo.SetText("");
  SearchWhat[LastSlotIsParagliderFlight(host_.Book()) ? 1 : 0].SetValue(true);
  SetFocus(FlightNo);
}

void frmGoTo::Ok_Click() {
  const int target =
      FindFlightByNumber(host_.Book(), TypedNumber(FlightNo.Text()), SearchWhat[0].Value());
  if (target < 0) {
    host_.GetPlatform().MsgBox("Flight not found.", MsgBoxButtons::kOk, MsgBoxIcon::kNone,
                               kProgramTitle);
    SetFocus(FlightNo);
    return;
  }
  host_.FilterOff();
  host_.Flights().ShowFlight(target);
  Close();
}

void frmGoTo::Cancel_Click() {
  Close();
}

}  // namespace aloftra
