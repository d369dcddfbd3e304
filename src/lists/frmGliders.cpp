// What the program tells the glider page (a new or opened logbook, other units, the colour
// mode, new statistics), and the page's colours.
#include <vector>

#include "core/Logbook.h"
#include "core/Numbers.h"
#include "form/Platform.h"
#include "lists/frmGliders.h"
#include "units/UnitChoice.h"

namespace aloftra {

namespace {

constexpr Color kDisplayOnlyGrey = Rgb(220, 220, 220);

}  // namespace

void frmGliders::OnLogbookReset() {
  State = EditState::kFilling;
  GliderName.Clear();
  totalGliders_ = 0;
  ShowTotal();
  EmptyEntryFields();
  State = EditState::kNew;
  GlidersColor(true);
}

void frmGliders::OnLogbookLoaded() {
  const Logbook& book = host_.Book();
  std::vector<ListItem> names;
  for (const GliderRecord& glider : book.gliders) {
    if (!glider.IsFree()) names.push_back({glider.GLIDER_NAME});
  }
  totalGliders_ = static_cast<int>(names.size());
  // Filling runs no click handler.
  GliderName.SetItems(std::move(names));
  ShowTotal();
  GlidersDisplayEntry();
}

void frmGliders::OnUnitsChanged() {
  ApplyUnitLabels();
  // A glider being edited keeps the numbers as typed; they are read in the new units when
  // the glider is entered.
  if (State == EditState::kClean) GlidersDisplayEntry();
}

void frmGliders::OnStatisticsChanged() {
  if (State == EditState::kClean) GlidersDisplayEntry();
}

void frmGliders::ApplyUnitLabels() {
  const UnitFlags& flags = host_.Book().UNIT_FLAGS;
  Alt1.SetCaption(UnitCaption(UnitKind::kAltitude, flags));
  Alt2.SetCaption(UnitCaption(UnitKind::kAltitude, flags));
  Dist1.SetCaption(UnitCaption(UnitKind::kDistance, flags));
  Weight1.SetCaption(UnitCaption(UnitKind::kWeight, flags));
  Weight2.SetCaption(UnitCaption(UnitKind::kWeight, flags));
}

void frmGliders::ApplyColorMode() {
  Color back = host_.Book().doc.COLOR_MODE != 0 ? kDisplayOnlyGrey : kWhite;
  for (TextBox* box : {&TotalGliders, &Longest, &Highest, &OverLaunch, &Distance, &FlyingDays,
                       &Flights, &TotalAirtime}) {
    box->SetBackColor(back);
  }
}

std::array<Control*, 11> frmGliders::EntryFields() {
  return {&GliderName, &Manufacturer, &Model,     &GliderSize, &DateOfMfg, &GliderColor,
          &SerialNo,   &WeightMin,    &WeightMax, &PreAirtime, &Notes};
}

void frmGliders::GlidersColor(bool changed) {
  for (Control* field : EntryFields())
    field->SetForeColor(changed ? kRed : kBlack);
}

void frmGliders::ShowTotal() {
  TotalGliders.SetText(FormatInteger(totalGliders_));
}

void frmGliders::ShowMessage(const std::string& text) {
  host_.GetPlatform().Message(text);
}

}  // namespace aloftra
