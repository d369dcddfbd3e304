// The flight page's lists of site and glider names, kept in step with the site and glider
// pages, the jump to one flight that their Details buttons make, and the selection the find
// dialog makes in the remarks.
#include "flights/frmAloftra.h"
#include "views/FlightLookup.h"

namespace aloftra {

namespace {

void RemoveFirstNamed(ComboBox& list, const std::string& name) {
  list.RemoveItem(list.FindItem(name));
}

}  // namespace

void frmAloftra::ShowFlight(int flightIndex) {
  // An entry being edited or typed is offered for saving first, as browsing does, so a jump
  // from another page or dialog never drops it unasked.
  OfferToSaveEntry();
  if (!MoveToFlight(host_.Book(), flightIndex)) return;
  AloftraDisplayEntry();
}

void frmAloftra::SelectInRemarks(int start, int length) {
  Remarks.SetSelection(start, length);
  SetFocus(Remarks);
}

void frmAloftra::AddSiteChoice(const std::string& name) {
  SiteName.AddItem(name);
}

void frmAloftra::RemoveSiteChoice(const std::string& name) {
  RemoveFirstNamed(SiteName, name);
}

void frmAloftra::RenameSiteChoice(const std::string& oldName, const std::string& newName,
                                  const std::string& location) {
  const bool shown = SiteName.Text() == oldName;
  const EditState saved = State;
  State = EditState::kFilling;
  RemoveFirstNamed(SiteName, oldName);
  SiteName.AddItem(newName);
  if (shown) {
    SiteName.SetText(newName);
    SiteLocation.SetText(location);
  }
  State = saved;
}

void frmAloftra::AddGliderChoice(const std::string& name) {
  GliderName.AddItem(name);
}

void frmAloftra::RemoveGliderChoice(const std::string& name) {
  RemoveFirstNamed(GliderName, name);
}

void frmAloftra::RenameGliderChoice(const std::string& oldName, const std::string& newName,
                                    const GliderShown& glider) {
  const bool shown = GliderName.Text() == oldName;
  const EditState saved = State;
  State = EditState::kFilling;
  RemoveFirstNamed(GliderName, oldName);
  GliderName.AddItem(newName);
  if (shown) GliderName.SetText(newName);
  State = saved;
  // The places buttons change as a click would, so a clean entry showing other places
  // becomes changed; the type label is no entry field.
  Places[0].SetValue(glider.solo);
  Places[1].SetValue(glider.tandem);
  GliderType.SetCaption(glider.hangGlider ? "Hang Glider" : "Paraglider");
}

}  // namespace aloftra
