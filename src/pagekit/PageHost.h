// What a page or dialog may ask of the program around it. Pages and dialogs see only this,
// never the application itself, so each can be built, tested and replaced on its own.
#pragma once

#include <string>

#include "pagekit/DialogId.h"
#include "pagekit/MenuItems.h"
#include "pagekit/PageId.h"

namespace aloftra {

class Dialog;
class FileSystem;
struct FilterSettings;
class FlightPage;
class GliderEntryPage;
class SiteEntryPage;
class Form;
class Logbook;
class Page;
class Platform;
class RecordPage;

class PageHost {
 public:
  // The document, the filter the flight page and the graphs follow, and the world outside.
  virtual Logbook& Book() = 0;
  virtual FilterSettings& Filter() = 0;
  virtual Platform& GetPlatform() = 0;
  // The files the logbook and the exchange files are read from and written to.
  virtual FileSystem& GetFileSystem() = 0;

  // Start-up, run once by the load of the program's main window.
  virtual void StartUp() = 0;

  // Shows another page where this one was; the page left keeps its state.
  virtual void SwitchPage(Page& from, PageId to) = 0;
  // A command of one of the four menus, chosen on this page.
  virtual void RunMenuCommand(Page& from, MenuId menu, int item) = 0;
  // Opens a dialog over a page, which stays disabled until the dialog closes.
  virtual void OpenDialog(DialogId dialog, Form& over) = 0;
  // Told by every dialog as it unloads.
  virtual void DialogClosed(Dialog& dialog) = 0;
  // The few routines of the flight page that other forms call.
  virtual FlightPage& Flights() = 0;
  // The page of the sites or of the gliders, for the list views that show their records.
  virtual RecordPage& Records(PageId page) = 0;
  // The site and glider pages, for what types whole entries into them (the import).
  virtual SiteEntryPage& SiteEntries() = 0;
  virtual GliderEntryPage& GliderEntries() = 0;
  // Shows a page in place of the page on screen, as a page button would but without leaving
  // checks; a dialog open over the page it came from stays open.
  virtual void ShowPageInPlace(PageId page) = 0;

  // What changes every page: the statistics derived from the flights, the caption that
  // shows whether the logbook has unsaved changes, the filter switched off.
  virtual void RecomputeStatistics() = 0;
  virtual void UpdateCaption(bool modified, bool force) = 0;
  virtual void FilterOff() = 0;
  // The filter's settings were applied (on or off): every page is told (OnFilterChanged).
  virtual void ApplyFilter() = 0;
  // The units of measure or the colour mode changed: every page is told (OnUnitsChanged,
  // OnColorModeChanged).
  virtual void ApplyUnitLabels() = 0;
  virtual void ApplyColorMode() = 0;

  // The page a dialog was opened over (the flight page when it is not open).
  virtual PageId PageUnder(const Form& dialog) = 0;
  // Every page puts the fields it keeps in its controls into the logbook, as before a save.
  virtual void StoreEditsBeforeSaving() = 0;

  // Hands a web address to the pilot's browser, with a message when that fails.
  virtual void OpenInBrowser(const std::string& address) = 0;

 protected:
  ~PageHost() = default;
};

}  // namespace aloftra
