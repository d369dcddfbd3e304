// A page host that records what pages and dialogs ask of it, for testing the page frame
// without the application.
#pragma once

#include <string>
#include <vector>

#include "core/Logbook.h"
#include "core/PosixFileSystem.h"
#include "pagekit/PageHost.h"
#include "support/ScriptedPlatform.h"
#include "views/FilterSettings.h"

namespace aloftra::test {

class RecordingHost : public PageHost {
 public:
  struct MenuCommand {
    const Page* from;
    MenuId menu;
    int item;
    bool operator==(const MenuCommand&) const = default;
  };
  struct Switch {
    const Page* from;
    PageId to;
    bool operator==(const Switch&) const = default;
  };

  Logbook& Book() override { return book; }
  FilterSettings& Filter() override { return filter; }
  Platform& GetPlatform() override { return platform; }
  FileSystem& GetFileSystem() override { return files; }
  void StartUp() override {}
  void SwitchPage(Page& from, PageId to) override { switches.push_back({&from, to}); }
  void RunMenuCommand(Page& from, MenuId menu, int item) override {
    commands.push_back({&from, menu, item});
  }
  void OpenDialog(DialogId dialog, Form& over) override {
    (void)over;
    opened.push_back(dialog);
  }
  void DialogClosed(Dialog& dialog) override { closed.push_back(&dialog); }
  FlightPage& Flights() override { throw std::logic_error("no flight page here"); }
  RecordPage& Records(PageId) override { throw std::logic_error("no record page here"); }
  SiteEntryPage& SiteEntries() override { throw std::logic_error("no site page here"); }
  GliderEntryPage& GliderEntries() override { throw std::logic_error("no glider page here"); }
  void ShowPageInPlace(PageId page) override { shownInPlace.push_back(page); }
  void RecomputeStatistics() override {}
  void UpdateCaption(bool, bool) override {}
  void FilterOff() override {}
  void ApplyFilter() override {}
  void ApplyUnitLabels() override {}
  void ApplyColorMode() override {}
  void OpenInBrowser(const std::string&) override {}
  PageId PageUnder(const Form&) override { return PageId::kAloftra; }
  void StoreEditsBeforeSaving() override {}

  Logbook book;
  FilterSettings filter;
  ScriptedPlatform platform;
  PosixFileSystem files;
  std::vector<MenuCommand> commands;
  std::vector<Switch> switches;
  std::vector<PageId> shownInPlace;
  std::vector<DialogId> opened;
  std::vector<Dialog*> closed;
};

}  // namespace aloftra::test
