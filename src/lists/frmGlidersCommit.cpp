// Enter and Delete: the only two ways the glider page changes the logbook. Every check runs
// before anything is written, so a refused Enter leaves the logbook and both name lists as
// they were and the page as the pilot typed it.
#include <cmath>

#include "core/Logbook.h"
#include "core/NameOrder.h"
#include "core/Numbers.h"
#include "form/Platform.h"
#include "lists/PreviousAirtime.h"
#include "lists/frmGliders.h"
#include "pagekit/FlightPage.h"
#include "units/ConvertUnit.h"

namespace aloftra {

namespace {

constexpr const char* kInvalidMinimum = "Invalid minimum total takeoff weight.";
constexpr const char* kInvalidMaximum = "Invalid maximum total takeoff weight.";

Flag OptionFlag(const OptionButton& option) {
  return option.Value() ? kOptionSet : 0;
}

}  // namespace

void frmGliders::Enter_Click() {
  EnterGlider();
}

bool frmGliders::EnterGlider() {
  if (State != EditState::kModified && State != EditState::kNew) return false;
  if (!EntryChecksPass(GliderName.Text())) return false;
  const std::string name = NameAsStored(GliderName.Text());

  Logbook& book = host_.Book();
  const bool isNew = State == EditState::kNew;
  if (!isNew && !book.gliders.IsLive(book.doc.currentGlider)) return false;
  GliderRecord record = isNew ? GliderRecord{} : book.gliders[book.doc.currentGlider];
  if (!FillRecordFromControls(record)) return false;
  if (isNew && book.gliders.LowestFreeSlot() < 0 && book.gliders.Full()) {
    ShowMessage("The glider list is full.");
    return false;
  }

  if (isNew) {
    book.doc.currentGlider = TakeSlotForNewGlider(name);
  } else {
    const std::string oldName = book.gliders[book.doc.currentGlider].GLIDER_NAME;
    RenameInLists(oldName, name);
  }
  // The statistics stay as the engine (or the new slot) left them.
  GliderRecord& slot = book.gliders[book.doc.currentGlider];
  record.best = slot.best;
  record.FLYING_DAYS = slot.FLYING_DAYS;
  record.FLIGHTS = slot.FLIGHTS;
  record.TOTAL_AIRTIME = slot.TOTAL_AIRTIME;
  slot = std::move(record);

  State = EditState::kClean;
  GlidersColor(false);
  // The glider's type decides which of the pilot's totals its flights count in.
  if (book.LastPosition() >= 0) host_.RecomputeStatistics();
  host_.UpdateCaption(true, false);
  return true;
}

bool frmGliders::EntryChecksPass(const std::string& name) {
  if (IsBlankName(name)) {
    ShowMessage("The glider name cannot be blank.");
    SetFocus(GliderName);
    return false;
  }
  if (!NameIsFree(name)) {
    ShowMessage("The glider name '" + name + "' has already been used.");
    SetFocus(GliderName);
    return false;
  }
  if (GliderColor.Text() == "-1") {
    ShowMessage("The Glider Color cannot be set to -1");
    GliderColor.SetText("");
    SetFocus(GliderColor);
    return false;
  }
  // Both empty passes; a minimum with an empty maximum does not.
  if (std::fabs(ParseLeadingNumber(WeightMax.Text())) <
      std::fabs(ParseLeadingNumber(WeightMin.Text()))) {
    ShowMessage("The minimum weight cannot be greater than the maximum weight.");
    return false;
  }
  return true;
}

// A glider being edited may keep its own name or change only its case; any other live
// glider's name, whatever its case, is taken.
bool frmGliders::NameIsFree(const std::string& name) {
  const Logbook& book = host_.Book();
  const bool isNew = State == EditState::kNew;
  for (int i = 0; i < book.gliders.SlotCount(); ++i) {
    const GliderRecord& glider = book.gliders[i];
    if (glider.IsFree() || (!isNew && i == book.doc.currentGlider)) continue;
    if (NameIsTaken(name, glider.GLIDER_NAME)) return false;
  }
  return true;
}

// Reads the page into a record, converting what the pilot typed into the stored units.
// A value that cannot be stored is refused with its field's message.
bool frmGliders::FillRecordFromControls(GliderRecord& record) {
  const UnitFlags& flags = host_.Book().UNIT_FLAGS;
  auto weight = [&flags](const TextBox& box) {
    return ToStoredSingle(
        ConvertUnit(box.Text(), UnitKind::kWeight, UnitDirection::kToStorage, false, flags));
  };
  std::optional<float> minimum = weight(WeightMin);
  if (!minimum) {
    ShowMessage(kInvalidMinimum);
    return false;
  }
  std::optional<float> maximum = weight(WeightMax);
  if (!maximum) {
    ShowMessage(kInvalidMaximum);
    return false;
  }
  // The box shows "h:mm" once it has lost the focus; minutes typed into it read the same.
  std::optional<std::int32_t> previous = ParsePreviousAirtime(PreAirtime.Text());
  if (!previous) {
    ShowMessage("Invalid Previous Airtime.");
    return false;
  }

  record.GLIDER_NAME = NameAsStored(GliderName.Text());
  record.MANUFACTURER = Manufacturer.Text();
  record.MODEL = Model.Text();
  record.SIZE = GliderSize.Text();
  record.DATE_OF_MFG = DateOfMfg.Text();
  record.COLOR = GliderColor.Text();
  record.SERIAL_NO = SerialNo.Text();
  record.WEIGHT_MIN = *minimum;
  record.WEIGHT_MAX = *maximum;
  record.NOTES = Notes.Text();
  record.HANG_GLIDER = OptionFlag(GliderType[0]);
  record.PARAGLIDER = OptionFlag(GliderType[1]);
  record.SOLO = OptionFlag(Places[0]);
  record.TANDEM = OptionFlag(Places[1]);
  for (int i = 0; i < kDhvClasses; ++i)
    record.DHV[i] = DHV[i].Checked() ? kFlagSet : 0;
  for (int i = 0; i < kAfnorClasses; ++i)
    record.AFNOR[i] = AFNOR[i].Checked() ? kFlagSet : 0;
  record.PRE_AIRTIME = *previous;
  return true;
}

void frmGliders::RenameInLists(const std::string& oldName, const std::string& newName) {
  State = EditState::kFilling;
  GliderName.RemoveItem(GliderName.FindItem(oldName));
  GliderName.AddItem(newName);
  ShowName(newName);
  State = EditState::kModified;
  host_.Flights().RenameGliderChoice(
      oldName, newName, GliderShown{Places[0].Value(), Places[1].Value(), GliderType[0].Value()});
}

// A free slot (the lowest) or a new one at the end; its statistics start empty.
int frmGliders::TakeSlotForNewGlider(const std::string& name) {
  Logbook& book = host_.Book();
  const int slot = book.gliders.TakeSlotForNewEntry();
  ++totalGliders_;
  ShowTotal();
  const EditState editing = State;
  State = EditState::kFilling;
  GliderName.AddItem(name);
  ShowName(name);
  State = editing;
  host_.Flights().AddGliderChoice(name);
  return slot;
}

void frmGliders::Delete_Click() {
  Logbook& book = host_.Book();
  if (GliderName.ListCount() == 0) {
    ShowMessage("There are no gliders to delete.");
    return;
  }
  if (State == EditState::kNew) {
    ShowMessage("The current glider has not yet been entered and cannot be deleted.");
    return;
  }
  const int current = book.doc.currentGlider;
  if (!book.gliders.IsLive(current)) return;
  const int flights = book.gliders[current].FLIGHTS;
  if (flights == 1) {
    ShowMessage("This glider is being referenced by 1 Aloftra entry and cannot be deleted.");
    return;
  }
  if (flights >= 2) {
    ShowMessage("This glider is being referenced by " + FormatInteger(flights) +
                " Aloftra entries and cannot be deleted.");
    return;
  }
  const std::string name = book.gliders[current].GLIDER_NAME;
  if (host_.GetPlatform().MsgBox("Are you sure you want delete the '" + name + "' glider?",
                                 MsgBoxButtons::kYesNo, MsgBoxIcon::kNone,
                                 "Confirm Delete") != MsgBoxAnswer::kYes) {
    SetFocus(NewGlider);
    return;
  }

  State = EditState::kFilling;
  GliderName.RemoveItem(GliderName.FindItem(name));
  State = EditState::kClean;
  host_.Flights().RemoveGliderChoice(name);
  book.gliders[current].GLIDER_NAME.clear();

  if (GliderName.ListCount() == 0) {
    book.doc.currentGlider = -1;
    book.gliders.TrimFreeTail();
    NewGlider_Click();
  } else {
    // The alphabetically first glider is shown; the deleted one's edits went with it.
    ShowGliderNamed(GliderName.List(0));
    book.gliders.TrimFreeTail();
  }
  --totalGliders_;
  ShowTotal();
  host_.UpdateCaption(true, false);
}

}  // namespace aloftra
