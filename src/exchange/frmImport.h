// The import dialog: adds flights or sites from a comma-delimited text file. It writes no
// record itself: each record read is typed into the site, glider or flight page and entered
// with that page's own Enter, so it passes the checks, numbering, ordering and statistics of a
// record typed by the pilot. The pages are shown as they fill, and the dialog tells how far
// the import has gone.
//
// The dialog's work is split by concern: frmImport.cpp builds it and runs Ok and Close,
// frmImportFlights.cpp reads a flights file in three passes (sites, gliders, flights),
// frmImportSites.cpp reads a sites file, frmImportTracks.cpp shows the choices of track files
// and runs their batch.
#pragma once

#include <string>
#include <vector>

#include "form/ComboBox.h"
#include "form/CommandButton.h"
#include "form/ControlArray.h"
#include "form/Frame.h"
#include "form/Label.h"
#include "form/OptionButton.h"
#include "form/TextBox.h"
#include "pagekit/Dialog.h"

namespace aloftra {

enum ImportKind : int { kImportFlights = 0, kImportSites = 1, kImportTracks = 2 };

class frmImport : public Dialog {
 public:
  explicit frmImport(PageHost& host);

  Frame ImportWhatFrame;                  // "Import What"
  ControlArray<OptionButton> ImportWhat;  // 0 "Aloftra", 1 "Site List", 2 "IGC track files"
  // Shown only for track files: the site of every flight, the glider of a file whose glider
  // type names none of the logbook's, and the UTC offset ("+hh:mm"; empty: the file's zone,
  // else the computer's).
  aloftra::Label SiteLabel;
  ComboBox TrackSite;
  aloftra::Label GliderLabel;
  ComboBox TrackGlider;
  aloftra::Label OffsetLabel;
  TextBox UtcOffset;
  aloftra::Label Progress;  // "Importing 1,234 of 10,000..." while an import runs
  CommandButton Ok;
  CommandButton Close;

  void Form_Load();
  void Ok_Click();
  void Close_Click();

  // The two readers: true on success, false after the import error was reported. Records
  // entered before an error stay in the logbook.
  bool ImportFlights(const std::string& path);
  bool ImportSites(const std::string& path);
  // Imports the chosen track files with the dialog's site, glider and offset; true when no
  // file was refused. The summary message tells what happened.
  bool ImportTracks(const std::vector<std::string>& paths);

 private:
  void ImportWhat_Click(int index);
  void ShowTrackChoices(bool shown);
  void FillTrackChoices();
  void TracksOk();
  bool SitesPass(const std::string& path, long total);
  bool GlidersPass(const std::string& path, long total);
  bool FlightsPass(const std::string& path, long total);
  // Reports the import error for a file: "Error importing file '<path>'.".
  bool ImportError(const std::string& path);
  void ShowProgress(long done, long total);
};

}  // namespace aloftra
