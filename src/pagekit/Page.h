// What every page has: the row of seven page buttons, the menu bar with its four menus, and
// the rule that closing the window means File > Exit. The pages derive from Page and add
// their own fields.
#pragma once

#include "form/CommandButton.h"
#include "form/Form.h"
#include "pagekit/PageId.h"

namespace aloftra {

class App;

// The items of the File menu, by index.
enum FileMenuItem : int {
  kFileNew = 0,
  kFileOpen = 1,
  kFileSave = 2,
  kFileSaveAs = 3,
  kFileImport = 5,
  kFileExport = 6,
  kFilePrint = 8,
  kFileExit = 10,
};
enum SearchMenuItem : int {
  kSearchFind = 0,
  kSearchFindNext = 1,
  kSearchListView = 3,
  kSearchGoTo = 5
};
enum OptionsMenuItem : int {
  kOptionsSort = 0,
  kOptionsFilter = 1,
  kOptionsVario = 2,
  kOptionsUnits = 4,
  kOptionsMultiFlight = 6
};
enum HelpMenuItem : int { kHelpContents = 0, kHelpAbout = 2 };

// All pages share one size and one place on the screen.
inline constexpr int kPageWidth = 7650;
inline constexpr int kPageHeight = 6300;

class Page : public Form {
 public:
  Page(App& app, PageId id, std::string name);

  PageId Id() const { return id_; }
  App& Application() const { return app_; }

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

 protected:
  App& app_;

 private:
  void BuildPageButtons();
  void BuildMenus();
  void DisableMenuItemsOfThisPage();
  void GotoPage(PageId target);

  PageId id_;
};

}  // namespace aloftra
