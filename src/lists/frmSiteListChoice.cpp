// A site picked from the name list. A site being edited or a new one not yet entered is
// offered for saving first; nothing the pilot typed is dropped unless the pilot says No.
#include "core/Logbook.h"
#include "form/Platform.h"
#include "lists/frmSiteList.h"
#include "views/NamedEntries.h"

namespace aloftra {

void frmSiteList::SiteName_Click() {
  if (State == EditState::kFilling) return;
  // The list has already put the chosen entry's text into the box.
  const std::string chosen = SiteName.SelectedText();
  if (chosen.empty()) return;
  if (State == EditState::kModified || State == EditState::kNew) {
    if (!SavePendingBeforeChoice()) return;
    SelectInList(chosen);
    State = EditState::kClean;
  }
  const int site = FirstLiveSiteNamed(host_.Book(), SiteName.Text());
  if (site < 0) return;
  host_.Book().doc.currentSite = site;
  SiteListDisplayEntry();
  SetFocus(NewSite);
}

void frmSiteList::ShowRecord(int slot) {
  Logbook& book = host_.Book();
  if (!book.sites.IsLive(slot)) return;
  const int entry = SiteName.FindItem(book.sites[slot].SITE_NAME);
  if (entry >= 0 && entry != SiteName.ListIndex()) {
    // Chosen as the pilot would choose it, so a pending entry is offered for saving.
    SiteName.SetListIndex(entry);
    return;
  }
  // The site shown already: a pending edit of it stays as typed.
  if (State != EditState::kClean) return;
  book.doc.currentSite = slot;
  SiteListDisplayEntry();
}

bool frmSiteList::SavePendingBeforeChoice() {
  const bool isNew = State == EditState::kNew;
  const std::string question = isNew ? "Do you want to save the new site?" : SaveChangesQuestion();
  // The question is asked over the entry as the pilot left it.
  RestoreTypedName();
  if (host_.GetPlatform().MsgBox(question, MsgBoxButtons::kYesNo, MsgBoxIcon::kNone,
                                 "Save Changes") == MsgBoxAnswer::kYes) {
    // A refused Enter has shown why; the entry stays as typed, still pending.
    return EnterSite();
  }
  SiteListColor(false);
  return true;
}

void frmSiteList::RestoreTypedName() {
  const std::string typed = typedName_;
  const EditState saved = State;
  State = EditState::kFilling;
  const int current = CurrentLiveSite();
  if (saved == EditState::kModified && current >= 0) {
    SiteName.SetListIndex(SiteName.FindItem(host_.Book().sites[current].SITE_NAME));
  } else {
    SiteName.SetListIndex(-1);
  }
  SiteName.SetText(typed);
  typedName_ = typed;
  State = saved;
}

void frmSiteList::SelectInList(const std::string& name) {
  const EditState saved = State;
  State = EditState::kFilling;
  SiteName.SetListIndex(SiteName.FindItem(name));
  SiteName.SetText(name);
  State = saved;
}

}  // namespace aloftra
