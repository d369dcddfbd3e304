// The Search, Options and Help menus of every page.
#include "flights/frmAloftra.h"
#include "shell/App.h"
#include "pagekit/Page.h"
#include "shell/frmAbout.h"

namespace aloftra {

namespace {

const char* ListViewFor(PageId page) {
  switch (page) {
    case PageId::kAloftra:
      return "frmListViewFlight";
    case PageId::kSiteList:
      return "frmListViewSite";
    case PageId::kGliders:
      return "frmListViewGlider";
    default:
      return nullptr;
  }
}

}  // namespace

void App::SearchCommand(int item) {
  switch (item) {
    case kSearchFind:
      OpenDialog(*DialogNamed("frmFind"));
      break;
    case kSearchFindNext:
      // Repeats the last search; there is none until a search has been made.
      break;
    case kSearchListView:
      if (const char* listView = ListViewFor(CurrentPage().Id())) {
        ShowInPlaceOf(*DialogNamed(listView), CurrentPage());
      }
      break;
    case kSearchGoTo:
      OpenDialog(*DialogNamed("frmGoTo"));
      break;
    default:
      break;
  }
}

void App::OptionsCommand(int item) {
  switch (item) {
    case kOptionsSort:
      OpenDialog(*DialogNamed("frmSort"));
      break;
    case kOptionsFilter:
      OpenDialog(*DialogNamed("frmFilters"));
      break;
    case kOptionsVario:
      OpenDialog(*DialogNamed("frmVario"));
      break;
    case kOptionsUnits:
      OpenDialog(*DialogNamed("frmUnits"));
      break;
    case kOptionsMultiFlight:
      if (Aloftra().CanStartMultiFlightEntry()) OpenDialog(*DialogNamed("frmMultiFlight"));
      break;
    default:
      break;
  }
}

void App::HelpCommand(int item) {
  switch (item) {
    case kHelpContents:
      platform_.OpenHelp(ProgramFolderFile(kHelpFileName));
      break;
    case kHelpAbout:
      OpenDialog(About());
      break;
    default:
      break;
  }
}

}  // namespace aloftra
