#include "units/frmVario.h"

#include <array>

#include "core/Logbook.h"
#include "units/UnitChoice.h"

namespace aloftra {

namespace {

constexpr std::array<const char*, kVarioScales> kFpmCaptions = {"400 fpm", "800 fpm", "1,200 fpm",
                                                                "1,600 fpm"};
constexpr std::array<const char*, kVarioScales> kMetresPerSecondCaptions = {"2 m/s", "4 m/s",
                                                                            "6 m/s", "8 m/s"};

}  // namespace

frmVario::frmVario(PageHost& host)
    : Dialog(host, DialogId::kVario, "frmVario", "Vario Display", 3300, 3000),
      Vario(*this, "Vario", kVarioScales),
      ColorMode(*this, "ColorMode"),
      Ok(*this, "Ok"),
      Cancel(*this, "Cancel") {
  for (int scale = 0; scale < kVarioScales; ++scale) {
    Vario[scale].SetCaption(kFpmCaptions[scale]);
    Vario[scale].Move(480, 240 + 330 * scale, 1800, 285);
  }
  ColorMode.SetCaption("Full Color Display");
  ColorMode.Move(480, 1680, 2400, 285);
  Ok.SetCaption("Ok");
  Ok.Move(360, 2280, 1080, 375);
  Ok.SetDefault(true);
  Cancel.SetCaption("Cancel");
  Cancel.Move(1800, 2280, 1080, 375);
  Cancel.SetCancel(true);

  onLoad = [this] { Form_Load(); };
  Ok.onClick = [this] { Ok_Click(); };
  Cancel.onClick = [this] { Cancel_Click(); };
}

void frmVario::Form_Load() {
  const Logbook& book = host_.Book();
  // The captions follow the climb-rate unit each time, so a dialog opened in m/s and later
  // in fpm reads in fpm again. The bars are drawn in the same unit.
  const bool fpm = ClimbRateInFpm(book.UNIT_FLAGS);
  for (int scale = 0; scale < kVarioScales; ++scale)
    Vario[scale].SetCaption(fpm ? kFpmCaptions[scale] : kMetresPerSecondCaptions[scale]);
  // A scale out of range (a damaged file) opens on the scale of a new logbook.
  const int scale = book.VARIO_SCALE < kVarioScales ? book.VARIO_SCALE : kDefaultVarioScale;
  Vario[scale].SetValue(true);
  ColorMode.SetChecked(book.doc.COLOR_MODE != 0);
}

void frmVario::Ok_Click() {
  Logbook& book = host_.Book();
  for (int scale = 0; scale < kVarioScales; ++scale) {
    if (Vario[scale].Value()) book.VARIO_SCALE = static_cast<std::uint8_t>(scale);
  }
  book.doc.COLOR_MODE = ColorMode.Checked() ? 1 : 0;
  host_.ApplyColorMode();
  // Marked modified even when nothing changed: the pilot pressed Ok.
  host_.UpdateCaption(true, false);
  Close();
}

void frmVario::Cancel_Click() {
  Close();
}

}  // namespace aloftra
