#include "shell/App.h"

#include <stdexcept>

#include "flights/frmAloftra.h"
#include "lists/frmGliders.h"
#include "lists/frmNotes.h"
#include "lists/frmSiteList.h"
#include "stats/frmGraphs.h"
#include "stats/frmPilotInfo.h"
#include "stats/frmSummary.h"

namespace aloftra {

App::App(Platform& platform, FileSystem& fileSystem)
    : platform_(platform), fileSystem_(fileSystem), dialogs_(*this), documents_(*this) {
  pages_.Add(std::make_unique<frmAloftra>(*this));
  pages_.Add(std::make_unique<frmSiteList>(*this));
  pages_.Add(std::make_unique<frmGliders>(*this));
  pages_.Add(std::make_unique<frmPilotInfo>(*this));
  pages_.Add(std::make_unique<frmSummary>(*this));
  pages_.Add(std::make_unique<frmGraphs>(*this));
  pages_.Add(std::make_unique<frmNotes>(*this));
  for (Page* page : pages_.All()) {
    // A page under an open dialog takes no drop, as it takes no click.
    page->onFilesDropped = [this, page](const std::vector<std::string>& paths) {
      if (page->Enabled()) ImportDroppedFiles(paths);
    };
  }
}

App::~App() = default;

frmAloftra& App::Aloftra() {
  return pages_.As<frmAloftra>(PageId::kAloftra);
}
frmSiteList& App::SiteList() {
  return pages_.As<frmSiteList>(PageId::kSiteList);
}
frmGliders& App::Gliders() {
  return pages_.As<frmGliders>(PageId::kGliders);
}
frmPilotInfo& App::PilotInfo() {
  return pages_.As<frmPilotInfo>(PageId::kPilotInfo);
}
frmSummary& App::Summary() {
  return pages_.As<frmSummary>(PageId::kSummary);
}
frmGraphs& App::Graphs() {
  return pages_.As<frmGraphs>(PageId::kGraphs);
}
frmNotes& App::Notes() {
  return pages_.As<frmNotes>(PageId::kNotes);
}

FlightPage& App::Flights() {
  return Aloftra();
}

RecordPage& App::Records(PageId page) {
  if (page == PageId::kSiteList) return SiteList();
  if (page == PageId::kGliders) return Gliders();
  throw std::invalid_argument("only the site and glider pages list records");
}

SiteEntryPage& App::SiteEntries() {
  return SiteList();
}

GliderEntryPage& App::GliderEntries() {
  return Gliders();
}

void App::ShowPageInPlace(PageId page) {
  Page& target = PageById(page);
  for (Page* shown : Pages()) {
    if (shown->Visible() && shown != &target) {
      placement_.SwitchPage(*shown, target);
      return;
    }
  }
  target.Show();
}

std::vector<Form*> App::AllForms() {
  std::vector<Form*> forms;
  for (Page* page : Pages())
    forms.push_back(page);
  for (const auto& dialog : dialogs_.All())
    forms.push_back(dialog.get());
  return forms;
}

void App::SwitchPage(Page& from, PageId to) {
  placement_.SwitchPage(from, PageById(to));
}

void App::OpenDialog(DialogId dialog, Form& over) {
  placement_.OpenDialogOver(dialogs_[dialog], over);
}

void App::DialogClosed(Dialog& dialog) {
  placement_.DialogClosed(dialog);
}

PageId App::PageUnder(const Form& dialog) {
  const Form* owner = placement_.OwnerOf(dialog);
  for (Page* page : pages_.All()) {
    if (page == owner) return page->Id();
  }
  return PageId::kAloftra;
}

void App::UpdateCaption(bool modified, bool force) {
  documents_.UpdateCaption(modified, force);
}

}  // namespace aloftra
