#include "exchange/frmExport.h"

#include <optional>
#include <string>

#include "core/Logbook.h"
#include "exchange/ExportFile.h"
#include "form/Platform.h"

namespace aloftra {

namespace {

// What the save dialog shows for each kind of file.
struct ExportChoice {
  const char* option;
  const char* dialogTitle;
  const char* fileName;
};
constexpr ExportChoice kChoices[kExportKinds] = {
    {"Aloftra", "Export Aloftra", "Aloftra"},
    {"Site List", "Export Site List", "SiteList"},
    {"Gliders", "Export Gliders", "Gliders"},
};

// Hide the read-only box, the file must exist.
constexpr int kSaveDialogFlags = 4100;

}  // namespace

frmExport::frmExport(PageHost& host)
    : Dialog(host, DialogId::kExport, "frmExport", "Export Data", 3600, 2700),
      ExportFrame(*this, "ExportFrame"),
      ExportWhat(*this, "ExportWhat", kExportKinds),
      Ok(*this, "Ok"),
      Close(*this, "Close") {
  ExportFrame.SetCaption("Export What");
  ExportFrame.Move(240, 180, 3000, 1380);
  for (int kind = 0; kind < kExportKinds; ++kind) {
    ExportWhat[kind].SetCaption(kChoices[kind].option);
    ExportWhat[kind].Move(480, 510 + 330 * kind, 2400, 285);
    ExportWhat[kind].SetContainer(&ExportFrame);
    ExportWhat[kind].SetTabIndex(0);
  }
  Ok.SetCaption("Ok");
  Ok.Move(360, 1800, 1080, 375);
  Ok.SetDefault(true);
  Ok.SetTabIndex(1);
  Close.SetCaption("Close");
  Close.Move(2040, 1800, 1080, 375);
  Close.SetCancel(true);
  Close.SetTabIndex(2);

  onLoad = [this] { Form_Load(); };
  Ok.onClick = [this] { Ok_Click(); };
  Close.onClick = [this] { Close_Click(); };
}

void frmExport::Form_Load() {
  ExportWhat[static_cast<int>(ExportKind::kFlights)].SetValue(true);
}

void frmExport::Ok_Click() {
  int kind = 0;
  for (int k = 0; k < kExportKinds; ++k) {
    if (ExportWhat[k].Value()) kind = k;
  }
  Platform& platform = host_.GetPlatform();
  FileDialogOptions options;
  options.title = kChoices[kind].dialogTitle;
  options.filter = "Comma delimited text file (*.txt)|*.txt";
  options.defaultExtension = ".txt";
  options.initialName = kChoices[kind].fileName;
  options.flags = kSaveDialogFlags;
  const std::optional<std::string> path = platform.SaveFileDialog(options);
  if (!path) return;
  if (!WriteExportFile(host_.GetFileSystem(), *path, host_.Book(), static_cast<ExportKind>(kind))
           .ok) {
    platform.MsgBox(CannotOpenFileMessage(*path), MsgBoxButtons::kOk, MsgBoxIcon::kCritical,
                    kProgramTitle);
  }
}

void frmExport::Close_Click() {
  Dialog::Close();
}

}  // namespace aloftra
