// The four menus of every page. A command works on the page it was chosen on: dialogs open
// over that page, and the list view is that page's own.
#include "flights/frmAloftra.h"
#include "shell/App.h"

namespace aloftra {

namespace {

std::optional<DialogId> ListViewFor(PageId page) {
  switch (page) {
    case PageId::kAloftra:
      return DialogId::kListViewFlight;
    case PageId::kSiteList:
      return DialogId::kListViewSite;
    case PageId::kGliders:
      return DialogId::kListViewGlider;
    default:
      return std::nullopt;
  }
}

}  // namespace

void App::RunMenuCommand(Page& from, MenuId menu, int item) {
  switch (menu) {
    case MenuId::kFile:
      FileCommand(from, item);
      break;
    case MenuId::kSearch:
      SearchCommand(from, item);
      break;
    case MenuId::kOptions:
      OptionsCommand(from, item);
      break;
    case MenuId::kHelp:
      HelpCommand(from, item);
      break;
  }
}

void App::FileCommand(Page& from, int item) {
  switch (item) {
    case kFileNew:
      documents_.New();
      break;
    case kFileOpen:
      documents_.Open();
      break;
    case kFileSave:
      documents_.Save();
      break;
    case kFileSaveAs:
      documents_.SaveAs();
      break;
    case kFileImport:
      OpenDialog(DialogId::kImport, from);
      break;
    case kFileExport:
      OpenDialog(DialogId::kExport, from);
      break;
    case kFilePrint:
      OpenDialog(DialogId::kPrint, from);
      break;
    case kFileExit:
      documents_.Exit();
      break;
    default:
      break;
  }
}

void App::SearchCommand(Page& from, int item) {
  switch (item) {
    case kSearchFind:
      OpenDialog(DialogId::kFind, from);
      break;
    case kSearchFindNext:
      dialogs_.Get<DialogId::kFind>().FindTextString(from);
      break;
    case kSearchListView:
      if (std::optional<DialogId> listView = ListViewFor(from.Id())) {
        placement_.ShowInPlaceOf(dialogs_[*listView], from);
      }
      break;
    case kSearchGoTo:
      OpenDialog(DialogId::kGoTo, from);
      break;
    default:
      break;
  }
}

void App::OptionsCommand(Page& from, int item) {
  switch (item) {
    case kOptionsSort:
      OpenDialog(DialogId::kSort, from);
      break;
    case kOptionsFilter:
      OpenDialog(DialogId::kFilters, from);
      break;
    case kOptionsVario:
      OpenDialog(DialogId::kVario, from);
      break;
    case kOptionsUnits:
      OpenDialog(DialogId::kUnits, from);
      break;
    case kOptionsMultiFlight:
      if (Aloftra().CanStartMultiFlightEntry()) OpenDialog(DialogId::kMultiFlight, from);
      break;
    default:
      break;
  }
}

void App::HelpCommand(Page& from, int item) {
  switch (item) {
    case kHelpContents:
      platform_.OpenHelp(ProgramFolderFile(kHelpFileName));
      break;
    case kHelpAbout:
      OpenDialog(DialogId::kAbout, from);
      break;
    default:
      break;
  }
}

}  // namespace aloftra
