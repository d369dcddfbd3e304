// The altitude checks, Enter and Delete: the only ways the site page changes the logbook.
#include <optional>

#include "core/Logbook.h"
#include "core/NameOrder.h"
#include "core/Numbers.h"
#include "form/Platform.h"
#include "lists/frmSiteList.h"
#include "pagekit/FlightPage.h"
#include "units/AltitudeBounds.h"
#include "units/ConvertUnit.h"

namespace aloftra {

namespace {

std::optional<std::int16_t> StoredAltitude(const TextBox& box, const UnitFlags& flags) {
  return ToStoredInt16(
      ConvertUnit(box.Text(), UnitKind::kAltitude, UnitDirection::kToStorage, true, flags));
}

}  // namespace

bool frmSiteList::AltitudeInRange(TextBox& box, bool launch) {
  AltitudeBounds bounds = AltitudeFieldBounds(
      launch ? AltitudeField::kLaunch : AltitudeField::kLanding, host_.Book().UNIT_FLAGS);
  if (bounds.Admits(ParseLeadingNumber(box.Text()))) return true;
  ShowMessage(bounds.message);
  return false;
}

void frmSiteList::LaunchMSL_LostFocus() {
  if (!AltitudeInRange(LaunchMSL, true)) LaunchMSL.SetText("");
}

void frmSiteList::LandingMSL_LostFocus() {
  if (!AltitudeInRange(LandingMSL, false)) LandingMSL.SetText("");
}

void frmSiteList::Enter_Click() {
  EnterSite();
}

bool frmSiteList::EntryChecksPass(const std::string& name) {
  auto refuse = [this](const std::string& message, Control& focus) {
    ShowMessage(message);
    SetFocus(focus);
    return false;
  };
  if (IsBlankName(name)) return refuse("The site name cannot be blank.", SiteName);

  const Logbook& book = host_.Book();
  const bool isNew = State == EditState::kNew;
  for (int slot = 0; slot <= book.sites.LastIndex(); ++slot) {
    const SiteRecord& site = book.sites[slot];
    if (site.IsFree() || (slot == book.doc.currentSite && !isNew)) continue;
    if (NameIsTaken(name, site.SITE_NAME)) {
      return refuse("The site name '" + name + "' has already been used.", SiteName);
    }
  }
  // An altitude typed into a box the pilot has not left yet has not been checked; one too
  // large for the stored field is refused rather than stored as something else.
  for (TextBox* box : {&LaunchMSL, &LandingMSL}) {
    if (!StoredAltitude(*box, book.UNIT_FLAGS)) {
      ShowMessage(
          AltitudeFieldBounds(box == &LaunchMSL ? AltitudeField::kLaunch : AltitudeField::kLanding,
                              book.UNIT_FLAGS)
              .message);
      SetFocus(*box);
      return false;
    }
  }
  if (isNew && book.sites.LowestFreeSlot() < 0 && book.sites.Full()) {
    ShowMessage("The site list is full.");
    return false;
  }
  return true;
}

bool frmSiteList::EnterSite() {
  if (State != EditState::kModified && State != EditState::kNew) return false;
  Logbook& book = host_.Book();
  const bool isNew = State == EditState::kNew;
  if (!isNew && CurrentLiveSite() < 0) return false;
  if (!EntryChecksPass(SiteName.Text())) return false;
  const std::string name = NameAsStored(SiteName.Text());

  if (isNew) {
    const int slot = book.sites.TakeSlotForNewEntry();
    if (slot < 0) return false;
    // A fresh record: no best flights (-1) and no statistics yet.
    book.doc.currentSite = slot;
    State = EditState::kFilling;
    SiteName.AddItem(name);
    SelectInList(name);
    host_.Flights().AddSiteChoice(name);
    AddToTotal(1);
  } else {
    RenameInLists(book.sites[book.doc.currentSite].SITE_NAME, name);
  }
  StoreInto(book.sites[book.doc.currentSite], name);

  State = EditState::kClean;
  SiteListColor(false);
  SiteListDisplayEntry();
  host_.UpdateCaption(true, false);
  return true;
}

void frmSiteList::RenameInLists(const std::string& stored, const std::string& name) {
  State = EditState::kFilling;
  SiteName.RemoveItem(SiteName.FindItem(stored));
  SiteName.AddItem(name);
  SelectInList(name);
  // Flights hold the slot, not the name: only the flight page's list and what it shows
  // change.
  host_.Flights().RenameSiteChoice(stored, name, Location.Text());
}

void frmSiteList::StoreInto(SiteRecord& site, const std::string& name) {
  const UnitFlags& flags = host_.Book().UNIT_FLAGS;
  site.SITE_NAME = name;
  site.LOCATION = Location.Text();
  // The checks have made sure both altitudes fit the stored field.
  site.LAUNCH_MSL = StoredAltitude(LaunchMSL, flags).value_or(0);
  site.LANDING_MSL = StoredAltitude(LandingMSL, flags).value_or(0);
  for (int i = 0; i < kDifficultyLevels; ++i)
    site.DIFFICULTY[i] = Difficulty[i].Checked() ? kFlagSet : 0;
  site.WIND_FLAGS = RoseFlags;
  site.DESCRIPTION = Description.Text();
  site.URL = SiteURL.Text();
}

void frmSiteList::AddToTotal(int delta) {
  const long shown = static_cast<long>(ParseLeadingNumber(TotalSites.Text()));
  TotalSites.SetText(FormatInteger(shown + delta));
}

void frmSiteList::Delete_Click() {
  Logbook& book = host_.Book();
  if (SiteName.ListCount() == 0) {
    ShowMessage("There are no sites to delete.");
    return;
  }
  if (State == EditState::kNew) {
    ShowMessage("The current site has not yet been entered and cannot be deleted.");
    return;
  }
  const int current = CurrentLiveSite();
  if (current < 0) return;
  const std::string stored = book.sites[current].SITE_NAME;
  const int references = book.sites[current].FLIGHTS;
  if (references == 1) {
    ShowMessage("This site is being referenced by 1 Aloftra entry and cannot be deleted.");
    return;
  }
  if (references >= 2) {
    ShowMessage("This site is being referenced by " + FormatInteger(references) +
                " Aloftra entries and cannot be deleted.");
    return;
  }
  if (host_.GetPlatform().MsgBox(
          "Are you sure you want delete '" + stored + "' from the site list?",
          MsgBoxButtons::kYesNo, MsgBoxIcon::kNone, "Confirm Delete") != MsgBoxAnswer::kYes) {
    SetFocus(NewSite);
    return;
  }

  State = EditState::kFilling;
  SiteName.RemoveItem(SiteName.FindItem(stored));
  SiteName.SetListIndex(-1);
  host_.Flights().RemoveSiteChoice(stored);
  // The slot's other fields stay until a new site takes it.
  book.sites[current].SITE_NAME.clear();
  // The deleted site's unsaved edits went with it: nothing is left to ask about.
  State = EditState::kClean;

  if (SiteName.ListCount() == 0) {
    book.doc.currentSite = -1;
    book.sites.TrimFreeTail();
    NewSite_Click();
  } else {
    // Choosing the first entry shows the alphabetically first site.
    SiteName.SetListIndex(0);
    book.sites.TrimFreeTail();
  }
  AddToTotal(-1);
  host_.UpdateCaption(true, false);
}

}  // namespace aloftra
