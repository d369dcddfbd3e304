// The seven pages, their buttons and menus, the dialog convention, help, the about box and
// the hand-off of web addresses.
#include <gtest/gtest.h>

#include <set>

#include "flights/frmAloftra.h"
#include "lists/frmGliders.h"
#include "lists/frmNotes.h"
#include "lists/frmSiteList.h"
#include "shell/frmAbout.h"
#include "stats/frmGraphs.h"
#include "stats/frmPilotInfo.h"
#include "stats/frmSummary.h"
#include "support/AppFixture.h"

namespace aloftra::test {
namespace {

class PageNavigationTest : public AppFixture {
 protected:
  void SetUp() override { StartApp(); }
  std::vector<std::string> VisiblePages() {
    std::vector<std::string> names;
    for (Page* page : app->Pages()) {
      if (page->Visible()) names.push_back(page->Name());
    }
    return names;
  }
  static std::vector<std::string> Captions(const Menu& menu) {
    std::vector<std::string> captions;
    for (int i = 0; i < menu.ItemCount(); ++i)
      captions.push_back(menu.Item(i).caption);
    return captions;
  }
  static std::vector<std::string> DisabledItems(const Page& page) {
    std::vector<std::string> disabled;
    for (const Menu* menu : {&page.SearchMenu, &page.OptionsMenu}) {
      for (int i = 0; i < menu->ItemCount(); ++i) {
        const MenuItem& item = menu->Item(i);
        if (!item.IsSeparator() && !item.enabled) disabled.push_back(item.caption);
      }
    }
    return disabled;
  }
};

TEST_F(PageNavigationTest, PageButtonsSwitchPagesInPlaceAndTheOwnButtonIsMarkedAndInert) {
  EXPECT_EQ(VisiblePages(), std::vector<std::string>{"frmAloftra"});
  app->Aloftra().Move(900, 800);
  app->Aloftra().GotoSiteList.Click();
  EXPECT_EQ(VisiblePages(), std::vector<std::string>{"frmSiteList"});
  EXPECT_EQ(app->SiteList().Left(), 900);
  EXPECT_EQ(app->SiteList().Top(), 800);

  app->SiteList().GotoSiteList.Click();
  EXPECT_EQ(VisiblePages(), std::vector<std::string>{"frmSiteList"});
  for (Page* page : app->Pages()) {
    for (Page* other : app->Pages()) {
      Color back = page->PageButton(other->Id()).BackColor();
      EXPECT_EQ(back == kPaleYellow, page == other) << page->Name() << " " << other->Name();
    }
  }
  app->SiteList().GotoNotes.Click();
  app->Notes().GotoAloftra.Click();
  EXPECT_EQ(VisiblePages(), std::vector<std::string>{"frmAloftra"});
}

TEST_F(PageNavigationTest, PageButtonsSitInTheirRowWithTheirCaptions) {
  const std::vector<std::pair<std::string, int>> expected = {
      {"Aloftra", 90},   {"Site List", 1170}, {"Gliders", 2220}, {"Pilot Info", 3270},
      {"Summary", 4350}, {"Graphs", 5430},    {"Notes", 6480}};
  Page& page = app->Notes();
  for (int i = 0; i < kPageCount; ++i) {
    CommandButton& button = page.PageButton(static_cast<PageId>(i));
    EXPECT_EQ(button.Caption(), expected[i].first);
    EXPECT_EQ(button.Left(), expected[i].second);
    EXPECT_EQ(button.Top(), 150);
  }
}

TEST_F(PageNavigationTest, SwitchingAwayAndBackKeepsAnEntryHalfTyped) {
  frmAloftra& page = app->Aloftra();
  TypeInto(page.Remarks, "half a thought");
  page.GotoGliders.Click();
  app->Gliders().GotoAloftra.Click();
  EXPECT_EQ(page.Remarks.Text(), "half a thought");
  EXPECT_EQ(page.State, EditState::kNew);
}

TEST_F(PageNavigationTest, EveryPageHasTheFourMenusWithTheirItemsAndKeys) {
  for (Page* page : app->Pages()) {
    SCOPED_TRACE(page->Name());
    EXPECT_EQ(
        Captions(page->FileMenu),
        (std::vector<std::string>{"New...", "Open...", "Save", "Save As...", "-", "Import Data...",
                                  "Export Data...", "-", "Print...", "-", "Exit"}));
    bool shortListView = page->Id() == PageId::kNotes || page->Id() == PageId::kGraphs ||
                         page->Id() == PageId::kSummary;
    EXPECT_EQ(Captions(page->SearchMenu),
              (std::vector<std::string>{"Find...", "Find Next", "-",
                                        shortListView ? "List View" : "List View...", "-",
                                        "Go to Flight No..."}));
    EXPECT_EQ(Captions(page->OptionsMenu),
              (std::vector<std::string>{"Sort...", "Filter...", "Vario Display...", "-",
                                        "Units of Measure...", "-", "Multi-Flight Entry..."}));
    EXPECT_EQ(Captions(page->HelpMenu),
              (std::vector<std::string>{"Help Contents", "-", "About Aloftra"}));
    EXPECT_EQ(page->SearchMenu.Item(kSearchFindNext).shortcut, "F3");
    EXPECT_EQ(page->SearchMenu.Item(kSearchListView).shortcut, "F4");
    EXPECT_EQ(page->OptionsMenu.Item(kOptionsMultiFlight).shortcut, "F2");
    EXPECT_EQ(page->HelpMenu.Item(kHelpContents).shortcut,
              page->Id() == PageId::kAloftra ? "F1" : "");
  }
}

TEST_F(PageNavigationTest, EachPageDisablesTheItemsThatMeanNothingThere) {
  const std::vector<std::string> lists = {
      "Find...",   "Find Next",        "Go to Flight No...",   "Sort...",
      "Filter...", "Vario Display...", "Multi-Flight Entry..."};
  std::vector<std::string> summary = {
      "Find...", "Find Next", "List View",        "Go to Flight No...",
      "Sort...", "Filter...", "Vario Display...", "Multi-Flight Entry..."};
  EXPECT_TRUE(DisabledItems(app->Aloftra()).empty());
  EXPECT_EQ(DisabledItems(app->SiteList()), lists);
  EXPECT_EQ(DisabledItems(app->Gliders()), lists);
  EXPECT_EQ(DisabledItems(app->Summary()), summary);
  EXPECT_EQ(DisabledItems(app->Graphs()),
            (std::vector<std::string>{"Find...", "Find Next", "List View", "Go to Flight No...",
                                      "Sort...", "Vario Display...", "Units of Measure...",
                                      "Multi-Flight Entry..."}));
  std::vector<std::string> everything = {
      "Find...",   "Find Next",        "List View",           "Go to Flight No...",   "Sort...",
      "Filter...", "Vario Display...", "Units of Measure...", "Multi-Flight Entry..."};
  EXPECT_EQ(DisabledItems(app->Notes()), everything);
  everything[2] = "List View...";
  EXPECT_EQ(DisabledItems(app->PilotInfo()), everything);
}

TEST_F(PageNavigationTest, ADialogOpensBelowRightOfItsPageWhichWaitsUntilItCloses) {
  app->Aloftra().GotoGraphs.Click();
  frmGraphs& graphs = app->Graphs();
  graphs.Move(1000, 2000);
  graphs.OptionsMenu.Click(kOptionsFilter);
  Form* filter = &app->Dialogs()[DialogId::kFilters];
  EXPECT_TRUE(filter->Visible());
  EXPECT_EQ(filter->Caption(), "Aloftra Filter");
  EXPECT_EQ(filter->Left(), 1300);
  EXPECT_EQ(filter->Top(), 2600);
  EXPECT_FALSE(graphs.Enabled());
  int clicks = 0;
  graphs.GotoNotes.onClick = [&] { ++clicks; };
  graphs.GotoNotes.Click();
  EXPECT_EQ(clicks, 0);
  filter->Unload();
  EXPECT_TRUE(graphs.Enabled());
  EXPECT_FALSE(filter->Visible());
}

TEST_F(PageNavigationTest, EveryDialogIdOpensItsOwnDialogOverThePageThatAsked) {
  app->Aloftra().GotoNotes.Click();
  frmNotes& notes = app->Notes();
  std::set<std::string> names;
  for (int index = 0; index < kDialogCount; ++index) {
    DialogId id = static_cast<DialogId>(index);
    Dialog& dialog = app->Dialogs()[id];
    EXPECT_EQ(dialog.Id(), id);
    EXPECT_EQ(dialog.Name().rfind("frm", 0), 0u) << dialog.Name();
    EXPECT_FALSE(dialog.Caption().empty()) << dialog.Name();
    names.insert(dialog.Name());
    app->OpenDialog(id, notes);
    EXPECT_TRUE(dialog.Visible()) << dialog.Name();
    EXPECT_FALSE(notes.Enabled());
    EXPECT_EQ(dialog.Left(), notes.Left() + 300);
    dialog.Unload();
    EXPECT_TRUE(notes.Enabled()) << dialog.Name();
  }
  EXPECT_EQ(names.size(), static_cast<std::size_t>(kDialogCount));
}

TEST_F(PageNavigationTest, TheFileMenuOpensImportExportAndPrintOverTheCurrentPage) {
  for (auto [item, id, name] : {std::tuple{kFileImport, DialogId::kImport, "frmImport"},
                                std::tuple{kFileExport, DialogId::kExport, "frmExport"},
                                std::tuple{kFilePrint, DialogId::kPrint, "frmPrint"}}) {
    app->Aloftra().FileMenu.Click(item);
    Form* dialog = &app->Dialogs()[id];
    EXPECT_EQ(dialog->Name(), name);
    EXPECT_TRUE(dialog->Visible()) << name;
    EXPECT_FALSE(app->Aloftra().Enabled());
    dialog->Unload();
    EXPECT_TRUE(app->Aloftra().Enabled());
  }
}

TEST_F(PageNavigationTest, ListViewTakesThePlaceOfTheSitePageAndGivesItBackWhenClosed) {
  app->Aloftra().GotoSiteList.Click();
  app->SiteList().Move(700, 900);
  app->SiteList().SearchMenu.Click(kSearchListView);
  Form* listView = &app->Dialogs()[DialogId::kListViewSite];
  EXPECT_TRUE(listView->Visible());
  EXPECT_FALSE(app->SiteList().Visible());
  EXPECT_EQ(listView->Left(), 700);
  EXPECT_EQ(listView->Top(), 900);
  listView->Unload();
  EXPECT_TRUE(app->SiteList().Visible());
}

TEST_F(PageNavigationTest, ClosingAnyPageWindowRunsExitAndCancelKeepsTheProgram) {
  app->Book().pilot.PILOT_NAME = "Pat";
  app->UpdateCaption(true, false);
  app->Aloftra().GotoSiteList.Click();
  platform.QueueAnswer(MsgBoxAnswer::kCancel);
  EXPECT_FALSE(app->SiteList().Unload());
  EXPECT_EQ(platform.LastMessage().prompt, "Do you want to save changes to Untitled?");
  EXPECT_FALSE(platform.QuitRequested());
  EXPECT_TRUE(app->SiteList().Visible());

  platform.QueueAnswer(MsgBoxAnswer::kNo);
  app->SiteList().Unload();
  EXPECT_TRUE(platform.QuitRequested());
}

TEST_F(PageNavigationTest, TheAboutBoxShowsTheVersionAndHandsTheWebSiteToTheBrowser) {
  app->Aloftra().HelpMenu.Click(kHelpAbout);
  frmAbout& about = app->Dialogs().Get<DialogId::kAbout>();
  EXPECT_TRUE(about.Visible());
  EXPECT_EQ(about.lblTitle.Caption(), "Aloftra");
  EXPECT_EQ(about.lblVersion.Caption(), "Version 1.3c");
  EXPECT_EQ(about.lblDescription.Caption(),
            "Computer based Aloftra for Hang Glider and Paraglider pilots.");
  about.WebSite.Click();
  EXPECT_EQ(platform.OpenedAddresses(), std::vector<std::string>{kProductWebAddress});
  EXPECT_FALSE(about.Visible());
  EXPECT_TRUE(app->Aloftra().Enabled());
  EXPECT_TRUE(platform.Messages().empty());
  EXPECT_FALSE(FileExists("temp.HTM"));
}

TEST_F(PageNavigationTest, WithoutABrowserWebSiteSaysSoAndLeavesNoProbeFileBehind) {
  platform.SetAssociatedProgram(std::nullopt);
  app->OpenInBrowser("https://example.org/");
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.LastMessage().prompt, "Could not find associated Browser");
  EXPECT_EQ(platform.LastMessage().title, "Browser Not Found");
  EXPECT_EQ(platform.LastMessage().icon, MsgBoxIcon::kExclamation);
  ASSERT_EQ(platform.AssociationQueries().size(), 1u);
  EXPECT_EQ(platform.AssociationQueries()[0], PathIn("temp.HTM"));
  EXPECT_FALSE(FileExists("temp.HTM"));
}

TEST_F(PageNavigationTest, ABrowserThatFailsToOpenThePageIsReported) {
  platform.SetWebAddressOpens(false);
  app->OpenInBrowser("https://example.org/");
  EXPECT_EQ(platform.LastMessage().prompt, "Web Page not Opened");
  EXPECT_EQ(platform.LastMessage().title, "URL Failed");
  EXPECT_FALSE(FileExists("temp.HTM"));
}

TEST_F(PageNavigationTest, HelpContentsOpensTheHelpFileOfTheProgramFolder) {
  app->Aloftra().HelpMenu.Click(kHelpContents);
  EXPECT_EQ(platform.HelpFilesOpened(), std::vector<std::string>{PathIn("Aloftra.html")});
}

TEST_F(PageNavigationTest, MultiFlightEntryNeedsAStoredFlightShownAndNoEditInProgress) {
  app->Aloftra().OptionsMenu.Click(kOptionsMultiFlight);
  EXPECT_EQ(platform.LastMessage().prompt, "There are no Aloftra entries to copy.");
  EXPECT_EQ(platform.LastMessage().title, "Multi-Flight Entry");
  EXPECT_FALSE(app->Dialogs()[DialogId::kMultiFlight].Visible());
}

}  // namespace
}  // namespace aloftra::test
