#include "exchange/frmImport.h"

#include "exchange/ImportProgress.h"
#include "form/Platform.h"

namespace aloftra {

namespace {

constexpr int kFileMustExist = 4100;

struct ImportDialogText {
  const char* title;
  const char* filter;
};

constexpr ImportDialogText kDialogText[] = {
    {"Import Aloftra", "Aloftra Files (*.txt)|*.txt"},
    {"Import Site List", "Site List Files (*.txt)|*.txt"},
    {"Import IGC Track Files", "IGC Track Files (*.igc)|*.igc"},
};

constexpr int kImportKinds = 3;

}  // namespace

frmImport::frmImport(PageHost& host)
    : Dialog(host, DialogId::kImport, "frmImport", "Import Data", 4260, 4050),
      ImportWhatFrame(*this, "ImportWhatFrame"),
      ImportWhat(*this, "ImportWhat", kImportKinds),
      SiteLabel(*this, "SiteLabel"),
      TrackSite(*this, "TrackSite"),
      GliderLabel(*this, "GliderLabel"),
      TrackGlider(*this, "TrackGlider"),
      OffsetLabel(*this, "OffsetLabel"),
      UtcOffset(*this, "UtcOffset"),
      Progress(*this, "Progress"),
      Ok(*this, "Ok"),
      Close(*this, "Close") {
  ImportWhatFrame.SetCaption("Import What");
  ImportWhatFrame.Move(240, 180, 3720, 1440);
  const char* captions[] = {"&Aloftra", "&Site List", "&IGC track files"};
  for (int kind = 0; kind < kImportKinds; ++kind) {
    ImportWhat[kind].SetCaption(captions[kind]);
    ImportWhat[kind].Move(480, 450 + 360 * kind, 2400, 285);
    ImportWhat[kind].SetContainer(&ImportWhatFrame);
    ImportWhat[kind].SetTabIndex(kind);
    ImportWhat[kind].onClick = [this, kind] { ImportWhat_Click(kind); };
  }
  SiteLabel.SetCaption("Site:");
  SiteLabel.Move(240, 1785, 1200, 255);
  TrackSite.Move(1500, 1740, 2460, 315);
  TrackSite.SetTabIndex(3);
  GliderLabel.SetCaption("Glider:");
  GliderLabel.Move(240, 2175, 1200, 255);
  TrackGlider.Move(1500, 2130, 2460, 315);
  TrackGlider.SetTabIndex(4);
  OffsetLabel.SetCaption("UTC offset:");
  OffsetLabel.Move(240, 2565, 1200, 255);
  UtcOffset.Move(1500, 2520, 1200, 315);
  UtcOffset.SetMaxLength(6);
  UtcOffset.SetTabIndex(5);
  Progress.Move(240, 2970, 3720, 255);
  Ok.SetCaption("Ok");
  Ok.Move(600, 3390, 1200, 375);
  Ok.SetDefault(true);
  Ok.SetTabIndex(6);
  Close.SetCaption("Close");
  Close.Move(2400, 3390, 1200, 375);
  Close.SetCancel(true);
  Close.SetTabIndex(7);

  onLoad = [this] { Form_Load(); };
  Ok.onClick = [this] { Ok_Click(); };
  Close.onClick = [this] { Close_Click(); };
}

void frmImport::Form_Load() {
  ImportWhat[kImportFlights].SetValue(true);
  Progress.SetCaption("");
  FillTrackChoices();
  ShowTrackChoices(false);
}

void frmImport::Ok_Click() {
  if (ImportWhat[kImportTracks].Value()) return TracksOk();
  const int kind = ImportWhat[kImportSites].Value() ? kImportSites : kImportFlights;
  FileDialogOptions options;
  options.title = kDialogText[kind].title;
  options.filter = kDialogText[kind].filter;
  options.defaultExtension = ".txt";
  options.flags = kFileMustExist;
  Platform& platform = host_.GetPlatform();
  std::optional<std::string> path = platform.OpenFileDialog(options);
  if (!path) return;

  platform.SetBusy(true);
  if (kind == kImportSites) {
    ImportSites(*path);
  } else {
    ImportFlights(*path);
  }
  platform.SetBusy(false);
  Progress.SetCaption("");
  Dialog::Close();
}

void frmImport::Close_Click() {
  Dialog::Close();
}

bool frmImport::ImportError(const std::string& path) {
  host_.GetPlatform().MsgBox("Error importing file '" + path + "'.", MsgBoxButtons::kOk,
                             MsgBoxIcon::kCritical, kProgramTitle);
  return false;
}

void frmImport::ShowProgress(long done, long total) {
  // Bringing every window up to date costs more than a record of a pass that only looks
  // names up, so the count is shown every few records.
  constexpr long kRecordsPerUpdate = 25;
  if (done != 1 && done != total && done % kRecordsPerUpdate != 0) return;
  Progress.SetCaption(ImportProgressText(done, total));
  host_.GetPlatform().DoEvents();
}

}  // namespace aloftra
