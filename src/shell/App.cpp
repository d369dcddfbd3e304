#include "shell/App.h"

#include "flights/frmAloftra.h"
#include "lists/frmGliders.h"
#include "lists/frmNotes.h"
#include "lists/frmSiteList.h"
#include "shell/PlaceholderDialog.h"
#include "shell/frmAbout.h"
#include "stats/frmGraphs.h"
#include "stats/frmPilotInfo.h"
#include "stats/frmSummary.h"
#include "views/frmSort.h"

namespace aloftra {

namespace {

// Dialogs opened from the menus whose contents come with their own subsystems.
struct PlaceholderDialogInfo {
  const char* name;
  const char* caption;
};
constexpr PlaceholderDialogInfo kPlaceholderDialogs[] = {
    {"frmImport", "Import Data"},
    {"frmExport", "Export Data"},
    {"frmPrint", "Print"},
    {"frmCrossCountry", "Cross-Country Flight Details"},
    {"frmFilters", "Aloftra Filter"},
    {"frmVario", "Vario Display"},
    {"frmUnits", "Units of Measure"},
    {"frmFind", "Find"},
    {"frmGoTo", "Display Flight"},
    {"frmMultiFlight", "Multi-Flight Entry"},
    {"frmListViewFlight", "Aloftra List View"},
    {"frmListViewSite", "Aloftra Site List"},
    {"frmListViewGlider", "Aloftra Glider List"},
};

}  // namespace

App::App(Platform& platform, FileSystem& fileSystem)
    : platform_(platform), fileSystem_(fileSystem) {
  aloftra_ = std::make_unique<frmAloftra>(*this);
  siteList_ = std::make_unique<frmSiteList>(*this);
  gliders_ = std::make_unique<frmGliders>(*this);
  pilotInfo_ = std::make_unique<frmPilotInfo>(*this);
  summary_ = std::make_unique<frmSummary>(*this);
  graphs_ = std::make_unique<frmGraphs>(*this);
  notes_ = std::make_unique<frmNotes>(*this);
  currentPage_ = aloftra_.get();

  about_ = AddDialog(std::make_unique<frmAbout>(*this));
  AddDialog(std::make_unique<frmSort>(*this));
  for (const PlaceholderDialogInfo& info : kPlaceholderDialogs) {
    AddPlaceholderDialog(info.name, info.caption);
  }
}

App::~App() = default;

template <class DialogType>
DialogType* App::AddDialog(std::unique_ptr<DialogType> dialog) {
  DialogType* raw = dialog.get();
  dialogs_.push_back(std::move(dialog));
  return raw;
}

void App::AddPlaceholderDialog(const std::string& name, const std::string& caption) {
  if (DialogNamed(name) != nullptr) return;
  AddDialog(std::make_unique<PlaceholderDialog>(*this, name, caption));
}

Page& App::PageById(PageId id) {
  switch (id) {
    case PageId::kAloftra:
      return *aloftra_;
    case PageId::kSiteList:
      return *siteList_;
    case PageId::kGliders:
      return *gliders_;
    case PageId::kPilotInfo:
      return *pilotInfo_;
    case PageId::kSummary:
      return *summary_;
    case PageId::kGraphs:
      return *graphs_;
    case PageId::kNotes:
      return *notes_;
  }
  return *aloftra_;
}

std::array<Page*, kPageCount> App::Pages() {
  return {aloftra_.get(), siteList_.get(), gliders_.get(), pilotInfo_.get(),
          summary_.get(), graphs_.get(),   notes_.get()};
}

Form* App::DialogNamed(const std::string& name) {
  for (const auto& dialog : dialogs_) {
    if (dialog->Name() == name) return dialog.get();
  }
  return nullptr;
}

std::vector<Form*> App::AllForms() {
  std::vector<Form*> forms;
  for (Page* page : Pages())
    forms.push_back(page);
  for (const auto& dialog : dialogs_)
    forms.push_back(dialog.get());
  return forms;
}

void App::SwitchPage(Page& from, Page& to) {
  if (&from == &to) return;
  // Nothing on the target page is refreshed: each page keeps its state while hidden.
  to.Move(from.Left(), from.Top());
  to.Show();
  from.Hide();
}

void App::OpenDialog(Form& dialog) {
  OpenDialogOver(dialog, CurrentPage());
}

void App::OpenDialogOver(Form& dialog, Form& page) {
  dialog.Move(page.Left() + 300, page.Top() + 600);
  page.SetEnabled(false);
  dialogOwners_[&dialog] = DialogOwner{&page, false};
  dialog.Show();
}

void App::ShowInPlaceOf(Form& window, Form& page) {
  window.Move(page.Left(), page.Top());
  dialogOwners_[&window] = DialogOwner{&page, true};
  page.Hide();
  window.Show();
}

void App::DialogClosed(Form& dialog) {
  auto owner = dialogOwners_.find(&dialog);
  if (owner == dialogOwners_.end()) return;
  DialogOwner closed = owner->second;
  dialogOwners_.erase(owner);
  closed.page->SetEnabled(true);
  if (closed.hidden) {
    closed.page->Move(dialog.Left(), dialog.Top());
    closed.page->Show();
  }
}

}  // namespace aloftra
