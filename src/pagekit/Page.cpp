#include "pagekit/Page.h"

#include <array>

#include "pagekit/FlightPage.h"

namespace aloftra {

namespace {

struct PageButtonPlace {
  PageId page;
  const char* caption;
  int left;
};

constexpr std::array<PageButtonPlace, kPageCount> kPageButtons = {{
    {PageId::kAloftra, "Aloftra", 90},
    {PageId::kSiteList, "Site List", 1170},
    {PageId::kGliders, "Gliders", 2220},
    {PageId::kPilotInfo, "Pilot Info", 3270},
    {PageId::kSummary, "Summary", 4350},
    {PageId::kGraphs, "Graphs", 5430},
    {PageId::kNotes, "Notes", 6480},
}};

constexpr int kPageButtonTop = 150;
constexpr int kPageButtonWidth = 990;
constexpr int kPageButtonHeight = 330;

}  // namespace

Page::Page(PageHost& host, PageId id, std::string name)
    : Form(std::move(name)),
      GotoAloftra(*this, "GotoAloftra"),
      GotoSiteList(*this, "GotoSiteList"),
      GotoGliders(*this, "GotoGliders"),
      GotoPilotInfo(*this, "GotoPilotInfo"),
      GotoSummary(*this, "GotoSummary"),
      GotoGraphs(*this, "GotoGraphs"),
      GotoNotes(*this, "GotoNotes"),
      FileMenu(AddMenu("FileMenu", "File")),
      SearchMenu(AddMenu("SearchMenu", "Search")),
      OptionsMenu(AddMenu("OptionsMenu", "Options")),
      HelpMenu(AddMenu("HelpMenu", "Help")),
      host_(host),
      id_(id) {
  Resize(kPageWidth, kPageHeight);
  BuildPageButtons();
  BuildMenus();
  onUnload = [this](int& cancel) { Form_Unload(cancel); };
}

CommandButton& Page::PageButton(PageId page) {
  switch (page) {
    case PageId::kAloftra:
      return GotoAloftra;
    case PageId::kSiteList:
      return GotoSiteList;
    case PageId::kGliders:
      return GotoGliders;
    case PageId::kPilotInfo:
      return GotoPilotInfo;
    case PageId::kSummary:
      return GotoSummary;
    case PageId::kGraphs:
      return GotoGraphs;
    case PageId::kNotes:
      return GotoNotes;
  }
  return GotoAloftra;
}

void Page::BuildPageButtons() {
  for (const PageButtonPlace& place : kPageButtons) {
    CommandButton& button = PageButton(place.page);
    button.SetCaption(place.caption);
    button.Move(place.left, kPageButtonTop, kPageButtonWidth, kPageButtonHeight);
    if (place.page == id_) {
      // The page's own button is marked and does nothing.
      button.SetBackColor(kPaleYellow);
    } else {
      PageId target = place.page;
      button.onClick = [this, target] { GotoPage(target); };
    }
  }
}

void Page::BuildMenus() {
  for (const char* caption : {"New...", "Open...", "Save", "Save As...", "-", "Import Data...",
                              "Export Data...", "-", "Print...", "-", "Exit"}) {
    FileMenu.AddItem(caption);
  }
  // Common desktop short-cuts for the document commands.
  FileMenu.Item(kFileNew).shortcut = "Ctrl+N";
  FileMenu.Item(kFileOpen).shortcut = "Ctrl+O";
  FileMenu.Item(kFileSave).shortcut = "Ctrl+S";
  FileMenu.Item(kFilePrint).shortcut = "Ctrl+P";

  bool shortListView = id_ == PageId::kNotes || id_ == PageId::kGraphs || id_ == PageId::kSummary;
  SearchMenu.AddItem("Find...");
  SearchMenu.AddItem("Find Next", "F3");
  SearchMenu.AddItem("-");
  SearchMenu.AddItem(shortListView ? "List View" : "List View...", "F4");
  SearchMenu.AddItem("-");
  SearchMenu.AddItem("Go to Flight No...");
  // Common desktop short-cuts for finding.
  SearchMenu.Item(kSearchFind).shortcut = "Ctrl+F";
  SearchMenu.Item(kSearchGoTo).shortcut = "Ctrl+G";

  OptionsMenu.AddItem("Sort...");
  OptionsMenu.AddItem("Filter...");
  OptionsMenu.AddItem("Vario Display...");
  OptionsMenu.AddItem("-");
  OptionsMenu.AddItem("Units of Measure...");
  OptionsMenu.AddItem("-");
  OptionsMenu.AddItem("Multi-Flight Entry...", "F2");

  HelpMenu.AddItem("Help Contents", id_ == PageId::kAloftra ? "F1" : "");
  HelpMenu.AddItem("-");
  HelpMenu.AddItem("About Aloftra");

  DisableMenuItemsOfThisPage();

  FileMenu.onClick = [this](int index) { FileMenu_Click(index); };
  SearchMenu.onClick = [this](int index) { SearchMenu_Click(index); };
  OptionsMenu.onClick = [this](int index) { OptionsMenu_Click(index); };
  HelpMenu.onClick = [this](int index) { HelpMenu_Click(index); };
}

void Page::DisableMenuItemsOfThisPage() {
  auto disable = [](Menu& menu, std::initializer_list<int> items) {
    for (int item : items)
      menu.Item(item).enabled = false;
  };
  switch (id_) {
    case PageId::kAloftra:
      break;
    case PageId::kSiteList:
    case PageId::kGliders:
    case PageId::kSummary:
      disable(SearchMenu, {kSearchFind, kSearchFindNext, kSearchGoTo});
      disable(OptionsMenu, {kOptionsSort, kOptionsFilter, kOptionsVario, kOptionsMultiFlight});
      if (id_ == PageId::kSummary) disable(SearchMenu, {kSearchListView});
      break;
    case PageId::kGraphs:
      disable(SearchMenu, {kSearchFind, kSearchFindNext, kSearchListView, kSearchGoTo});
      disable(OptionsMenu, {kOptionsSort, kOptionsVario, kOptionsUnits, kOptionsMultiFlight});
      break;
    case PageId::kPilotInfo:
    case PageId::kNotes:
      disable(SearchMenu, {kSearchFind, kSearchFindNext, kSearchListView, kSearchGoTo});
      disable(OptionsMenu,
              {kOptionsSort, kOptionsFilter, kOptionsVario, kOptionsUnits, kOptionsMultiFlight});
      break;
  }
  // Save needs a file path; a new logbook has none.
  FileMenu.Item(kFileSave).enabled = false;
}

void Page::GotoPage(PageId target) {
  BeforeLeavingByPageButton();
  host_.SwitchPage(*this, target);
}

void Page::JumpToFlight(int flightIndex) {
  host_.FilterOff();
  host_.Flights().ShowFlight(flightIndex);
  host_.SwitchPage(*this, PageId::kAloftra);
}

void Page::FileMenu_Click(int index) {
  host_.RunMenuCommand(*this, MenuId::kFile, index);
}

void Page::SearchMenu_Click(int index) {
  host_.RunMenuCommand(*this, MenuId::kSearch, index);
}

void Page::OptionsMenu_Click(int index) {
  host_.RunMenuCommand(*this, MenuId::kOptions, index);
}

void Page::HelpMenu_Click(int index) {
  host_.RunMenuCommand(*this, MenuId::kHelp, index);
}

void Page::Form_Unload(int& cancel) {
  cancel = 1;
  host_.RunMenuCommand(*this, MenuId::kFile, kFileExit);
}

}  // namespace aloftra
