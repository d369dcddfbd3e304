// What every page has: the row of seven page buttons, the menu bar with its four menus, the
// rule that closing the window means File > Exit, and the hooks through which the program
// tells every page what changed. The pages derive from Page and add their own fields.
#pragma once

#include "form/CommandButton.h"
#include "form/Form.h"
#include "pagekit/MenuItems.h"
#include "pagekit/PageHost.h"
#include "pagekit/PageId.h"

namespace aloftra {

// All pages share one size and one place on the screen.
inline constexpr int kPageWidth = 7650;
inline constexpr int kPageHeight = 6300;

class Page : public Form {
 public:
  Page(PageHost& host, PageId id, std::string name);

  PageId Id() const { return id_; }

  CommandButton GotoAloftra;
  CommandButton GotoSiteList;
  CommandButton GotoGliders;
  CommandButton GotoPilotInfo;
  CommandButton GotoSummary;
  CommandButton GotoGraphs;
  CommandButton GotoNotes;

  Menu& FileMenu;
  Menu& SearchMenu;
  Menu& OptionsMenu;
  Menu& HelpMenu;

  // The page button of a page, on this page.
  CommandButton& PageButton(PageId page);

  void FileMenu_Click(int index);
  void SearchMenu_Click(int index);
  void OptionsMenu_Click(int index);
  void HelpMenu_Click(int index);
  // Closing the window is refused and turned into File > Exit.
  void Form_Unload(int& cancel);

  // What the program tells every page, in page order. A page overrides the ones that
  // concern it; the rest do nothing.
  // The statistics were recomputed from the flights.
  virtual void OnStatisticsChanged() {}
  // The units of measure changed (or a logbook with other units was opened).
  virtual void OnUnitsChanged() {}
  // The colour of the display-only boxes changed.
  virtual void OnColorModeChanged() {}
  // The filter was switched off.
  virtual void OnFilterChanged() {}
  // The logbook was emptied to a new one.
  virtual void OnLogbookReset() {}
  // A logbook was opened; its current entries are those the reader chose.
  virtual void OnLogbookLoaded() {}
  // The logbook is about to be saved or printed: fields kept in controls go into it.
  virtual void OnBeforeSave() {}

 protected:
  // What the Details buttons of the site, glider and summary pages do: switches the filter
  // off, shows one flight (a slot of the flight table) on the flight page and brings that
  // page up in place of this one.
  void JumpToFlight(int flightIndex);
  // Runs when a page button is about to leave this page (the menus do not run it).
  virtual void BeforeLeavingByPageButton() {}

  PageHost& host_;

 private:
  void BuildPageButtons();
  void BuildMenus();
  void DisableMenuItemsOfThisPage();
  void GotoPage(PageId target);

  PageId id_;
};

}  // namespace aloftra
