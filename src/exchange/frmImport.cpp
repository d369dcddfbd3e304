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
};

}  // namespace

frmImport::frmImport(PageHost& host)
    : Dialog(host, DialogId::kImport, "frmImport", "Import Data", 4260, 2790),
      ImportWhatFrame(*this, "ImportWhatFrame"),
      ImportWhat(*this, "ImportWhat", 2),
      Progress(*this, "Progress"),
      Ok(*this, "Ok"),
      Close(*this, "Close") {
  ImportWhatFrame.SetCaption("Import What");
  ImportWhatFrame.Move(240, 180, 3720, 1080);
  const char* captions[] = {"&Aloftra", "&Site List"};
  for (int kind = 0; kind < 2; ++kind) {
    ImportWhat[kind].SetCaption(captions[kind]);
    ImportWhat[kind].Move(480, 450 + 360 * kind, 2400, 285);
    ImportWhat[kind].SetContainer(&ImportWhatFrame);
    ImportWhat[kind].SetTabIndex(kind);
  }
  Progress.Move(240, 1410, 3720, 255);
  Ok.SetCaption("Ok");
  Ok.Move(600, 1890, 1200, 375);
  Ok.SetDefault(true);
  Ok.SetTabIndex(2);
  Close.SetCaption("Close");
  Close.Move(2400, 1890, 1200, 375);
  Close.SetCancel(true);
  Close.SetTabIndex(3);

  onLoad = [this] { Form_Load(); };
  Ok.onClick = [this] { Ok_Click(); };
  Close.onClick = [this] { Close_Click(); };
}

void frmImport::Form_Load() {
  ImportWhat[kImportFlights].SetValue(true);
  Progress.SetCaption("");
}

void frmImport::Ok_Click() {
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
