// The frame every page hangs on, without the application: the set of pages with its hooks,
// the page buttons and menus reaching the host, and a dialog telling the host it closed.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "pagekit/Dialog.h"
#include "pagekit/PageSet.h"
#include "pagekit/RecordingHost.h"

namespace aloftra::test {
namespace {

// A page that writes down every hook it hears, in one log shared by all pages.
class HookLog : public Page {
 public:
  HookLog(PageHost& host, PageId id, std::vector<std::string>& log)
      : Page(host, id, "page" + std::to_string(static_cast<int>(id))), log_(log) {}
  void OnStatisticsChanged() override { Write("statistics"); }
  void OnUnitsChanged() override { Write("units"); }
  void OnColorModeChanged() override { Write("colour"); }
  void OnFilterChanged() override { Write("filter"); }
  void OnLogbookReset() override { Write("reset"); }
  void OnLogbookLoaded() override { Write("loaded"); }
  void OnBeforeSave() override { Write("save"); }

 private:
  void Write(const std::string& hook) { log_.push_back(Name() + " " + hook); }
  std::vector<std::string>& log_;
};

class PageFrameTest : public ::testing::Test {
 protected:
  PageFrameTest() {
    // Added out of order: each page still takes the place of its id.
    for (int id : {6, 0, 3, 1, 5, 2, 4})
      pages.Add(std::make_unique<HookLog>(host, static_cast<PageId>(id), log));
  }
  RecordingHost host;
  std::vector<std::string> log;
  PageSet pages;
};

TEST_F(PageFrameTest, EveryHookReachesEveryPageOnceInPageOrder) {
  const std::vector<std::pair<void (Page::*)(), std::string>> hooks = {
      {&Page::OnStatisticsChanged, "statistics"},
      {&Page::OnUnitsChanged, "units"},
      {&Page::OnColorModeChanged, "colour"},
      {&Page::OnFilterChanged, "filter"},
      {&Page::OnLogbookReset, "reset"},
      {&Page::OnLogbookLoaded, "loaded"},
      {&Page::OnBeforeSave, "save"}};
  for (const auto& [hook, name] : hooks) {
    log.clear();
    pages.TellEvery(hook);
    std::vector<std::string> expected;
    for (int id = 0; id < kPageCount; ++id)
      expected.push_back("page" + std::to_string(id) + " " + name);
    EXPECT_EQ(log, expected);
  }
}

TEST_F(PageFrameTest, APageIsFoundByItsIdAndAMissingOneIsAnErrorNotACrash) {
  for (int id = 0; id < kPageCount; ++id)
    EXPECT_EQ(pages[static_cast<PageId>(id)].Id(), static_cast<PageId>(id));
  PageSet incomplete;
  incomplete.Add(std::make_unique<HookLog>(host, PageId::kNotes, log));
  EXPECT_THROW(incomplete[PageId::kAloftra], std::logic_error);
  EXPECT_THROW(incomplete.TellEvery(&Page::OnUnitsChanged), std::logic_error);
}

TEST_F(PageFrameTest, PageButtonsAndMenusAskTheHostAndNamePageAndItem) {
  Page& gliders = pages[PageId::kGliders];
  gliders.GotoNotes.Click();
  gliders.GotoGliders.Click();  // the page's own button does nothing
  EXPECT_EQ(host.switches, (std::vector<RecordingHost::Switch>{{&gliders, PageId::kNotes}}));

  gliders.FileMenu.Click(kFileOpen);
  gliders.HelpMenu.Click(kHelpAbout);
  gliders.SearchMenu.Click(kSearchFind);  // disabled on the glider page
  gliders.OptionsMenu.Click(kOptionsUnits);
  gliders.Show();
  EXPECT_FALSE(gliders.Unload());  // closing the window is File > Exit; the page stays
  EXPECT_TRUE(gliders.Visible());
  EXPECT_EQ(host.commands,
            (std::vector<RecordingHost::MenuCommand>{{&gliders, MenuId::kFile, kFileOpen},
                                                     {&gliders, MenuId::kHelp, kHelpAbout},
                                                     {&gliders, MenuId::kOptions, kOptionsUnits},
                                                     {&gliders, MenuId::kFile, kFileExit}}));
}

TEST_F(PageFrameTest, ADialogTellsTheHostWhenItClosesButNotWhenItRefuses) {
  class Refusing : public Dialog {
   public:
    explicit Refusing(PageHost& host) : Dialog(host, DialogId::kFind, "frmFind", "Find", 10, 10) {}
    bool refuse = true;

   protected:
    void Form_Unload(int& cancel) override { cancel = refuse ? 1 : 0; }
  };
  Refusing dialog(host);
  EXPECT_EQ(dialog.Id(), DialogId::kFind);
  dialog.Show();
  dialog.Close();
  EXPECT_TRUE(dialog.Visible());
  EXPECT_TRUE(host.closed.empty());
  dialog.refuse = false;
  dialog.Close();
  EXPECT_FALSE(dialog.Visible());
  EXPECT_EQ(host.closed, std::vector<Dialog*>{&dialog});
}

}  // namespace
}  // namespace aloftra::test
