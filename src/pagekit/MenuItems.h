// The four menus every page carries, and their items by index ("-" separators count).
#pragma once

namespace aloftra {

enum class MenuId { kFile, kSearch, kOptions, kHelp };

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

}  // namespace aloftra
