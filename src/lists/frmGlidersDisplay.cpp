// Showing a glider, starting a new one, choosing one from the name list, the marking of
// changes, the class groups and the jumps to a glider's best flights.
#include "core/Logbook.h"
#include "core/Numbers.h"
#include "form/Platform.h"
#include "lists/frmGliders.h"
#include "units/BestFlightTexts.h"
#include "units/ConvertUnit.h"
#include "units/DisplayText.h"

namespace aloftra {

namespace {

// Selects the option the stored flags name; with neither flag set (a damaged file) neither
// button is selected.
void ShowOption(ControlArray<OptionButton>& options, Flag first, Flag second) {
  if (first != 0) {
    options[0].SetValue(true);
  } else if (second != 0) {
    options[1].SetValue(true);
  } else {
    options[0].SetValue(false);
    options[1].SetValue(false);
  }
}

}  // namespace

void frmGliders::ShowName(const std::string& name) {
  GliderName.SetListIndex(GliderName.FindItem(name));
  GliderName.SetText(name);
  typedName_ = name;
}

void frmGliders::EmptyEntryFields() {
  ShowName("");
  for (TextBox* box : {&Manufacturer, &Model, &GliderSize, &DateOfMfg, &GliderColor, &SerialNo,
                       &WeightMin, &WeightMax, &Longest, &Highest, &OverLaunch, &Distance,
                       &FlyingDays, &PreAirtime, &Flights, &TotalAirtime, &Notes}) {
    box->SetText("");
  }
  DHV.ForEach([](CheckBox& box) { box.SetChecked(false); });
  AFNOR.ForEach([](CheckBox& box) { box.SetChecked(false); });
}

void frmGliders::GlidersDisplayEntry() {
  const Logbook& book = host_.Book();
  const GliderRecord* stored = book.gliders.Live(book.doc.currentGlider);
  if (stored == nullptr) return;
  const GliderRecord glider = *stored;
  const UnitFlags& flags = book.UNIT_FLAGS;

  State = EditState::kFilling;
  ShowName(glider.GLIDER_NAME);
  Manufacturer.SetText(glider.MANUFACTURER);
  Model.SetText(glider.MODEL);
  GliderSize.SetText(glider.SIZE);
  DateOfMfg.SetText(glider.DATE_OF_MFG);
  GliderColor.SetText(glider.COLOR);
  SerialNo.SetText(glider.SERIAL_NO);
  Notes.SetText(glider.NOTES);
  WeightMin.SetText(DisplayStored(glider.WEIGHT_MIN, UnitKind::kWeight, false, flags));
  WeightMax.SetText(DisplayStored(glider.WEIGHT_MAX, UnitKind::kWeight, false, flags));
  ShowOption(GliderType, glider.HANG_GLIDER, glider.PARAGLIDER);
  ShowOption(Places, glider.SOLO, glider.TANDEM);
  for (int i = 0; i < kDhvClasses; ++i)
    DHV[i].SetChecked(glider.DHV[i] != 0);
  for (int i = 0; i < kAfnorClasses; ++i)
    AFNOR[i].SetChecked(glider.AFNOR[i] != 0);
  PreAirtime.SetText(FormatAirtime(glider.PRE_AIRTIME));
  ShowStatistics(glider);
  GlidersColor(false);
  State = EditState::kClean;
}

// The statistics as the statistics engine stored them; nothing is counted here.
void frmGliders::ShowStatistics(const GliderRecord& glider) {
  const BestFlightTexts best = BestFlightTextsOf(host_.Book(), glider.best);
  Longest.SetText(best.longestMinutes ? FormatAirtime(*best.longestMinutes) : "");
  Highest.SetText(best.highest);
  OverLaunch.SetText(best.overLaunch);
  Distance.SetText(best.distance);
  // The airtime flown before the logbook counts in the glider's total.
  const long total = static_cast<long>(glider.PRE_AIRTIME) + glider.TOTAL_AIRTIME;
  TotalAirtime.SetText(FormatAirtime(total));
  FlyingDays.SetText(FormatInteger(glider.FLYING_DAYS));
  Flights.SetText(FormatInteger(glider.FLIGHTS));
}

void frmGliders::NewGlider_Click() {
  if (State == EditState::kModified) {
    const GliderRecord* current = host_.Book().gliders.Live(host_.Book().doc.currentGlider);
    const std::string name = current ? current->GLIDER_NAME : "";
    if (!SaveBeforeLeaving("Do you want to save the changes to the '" + name + "' glider info?")) {
      return;
    }
  }
  // The type and places buttons keep their setting: a pilot entering a fleet of similar
  // gliders chooses them once.
  State = EditState::kFilling;
  EmptyEntryFields();
  SetFocus(GliderName);
  State = EditState::kNew;
  GlidersColor(true);
}

bool frmGliders::SaveBeforeLeaving(const std::string& question) {
  const MsgBoxAnswer answer = host_.GetPlatform().MsgBox(question, MsgBoxButtons::kYesNo,
                                                         MsgBoxIcon::kNone, "Save Changes");
  if (answer != MsgBoxAnswer::kYes) {
    GlidersColor(false);
    return true;
  }
  // Enter works on the name as typed, which the list may have replaced in the box.
  const EditState editing = State;
  State = EditState::kFilling;
  GliderName.SetListIndex(-1);
  GliderName.SetText(typedName_);
  State = editing;
  return EnterGlider();
}

void frmGliders::GliderName_Click() {
  if (State == EditState::kFilling) return;
  const int chosen = GliderName.ListIndex();
  if (chosen < 0) return;
  const std::string chosenName = GliderName.List(chosen);

  const Logbook& book = host_.Book();
  if (State == EditState::kModified) {
    const GliderRecord* current = book.gliders.Live(book.doc.currentGlider);
    const std::string stored = current ? current->GLIDER_NAME : "";
    if (!SaveBeforeLeaving("Do you want to save the changes to the '" + stored + "' glider?")) {
      return;
    }
  } else if (State == EditState::kNew) {
    if (!SaveBeforeLeaving("Do you want to save the new glider?")) return;
  }
  ShowGliderNamed(chosenName);
  SetFocus(NewGlider);
}

void frmGliders::ShowRecord(int slot) {
  Logbook& book = host_.Book();
  if (!book.gliders.IsLive(slot)) return;
  const int entry = GliderName.FindItem(book.gliders[slot].GLIDER_NAME);
  if (entry >= 0 && entry != GliderName.ListIndex()) {
    // Chosen as the pilot would choose it, so a pending entry is offered for saving.
    GliderName.SetListIndex(entry);
    return;
  }
  // The glider shown already: a pending edit of it stays as typed.
  if (State != EditState::kClean) return;
  book.doc.currentGlider = slot;
  GlidersDisplayEntry();
}

void frmGliders::ShowGliderNamed(const std::string& name) {
  Logbook& book = host_.Book();
  for (int i = 0; i < book.gliders.SlotCount(); ++i) {
    if (!name.empty() && book.gliders[i].GLIDER_NAME == name) {
      book.doc.currentGlider = i;
      GlidersDisplayEntry();
      return;
    }
  }
}

void frmGliders::GliderName_Change() {
  typedName_ = GliderName.Text();
  MarkChanged();
}

void frmGliders::MarkChanged() {
  if (State != EditState::kClean) return;
  State = EditState::kModified;
  GlidersColor(true);
}

void frmGliders::DHV_MouseUp(int Index) {
  if (State == EditState::kFilling) return;
  if (DHV[Index].Checked()) {
    for (int i = 0; i < kDhvClasses; ++i) {
      if (i != Index) DHV[i].SetChecked(false);
    }
  }
  MarkChanged();
}

void frmGliders::AFNOR_MouseUp(int Index) {
  if (State == EditState::kFilling) return;
  if (AFNOR[Index].Checked()) {
    for (int i = 0; i < kAfnorClasses; ++i) {
      if (i != Index) AFNOR[i].SetChecked(false);
    }
  }
  MarkChanged();
}

void frmGliders::Details_Click(int Index) {
  const Logbook& book = host_.Book();
  const GliderRecord* glider = book.gliders.Live(book.doc.currentGlider);
  if (glider == nullptr || book.LastPosition() < 0) return;
  const std::int16_t pointers[] = {glider->best.LONGEST_FLIGHT, glider->best.HIGHEST_FLIGHT,
                                   glider->best.OVER_LAUNCH_FLIGHT, glider->best.DISTANCE_FLIGHT};
  if (Index < 0 || Index > 3) return;
  const int flight = pointers[Index];
  if (!book.flights.IsLive(flight)) return;
  JumpToFlight(flight);
}

}  // namespace aloftra
