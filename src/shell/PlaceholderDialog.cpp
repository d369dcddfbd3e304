#include "shell/PlaceholderDialog.h"

namespace aloftra {

namespace {

struct DialogTitle {
  const char* name;
  const char* caption;
};

// The form name and title of each dialog that opens as a placeholder.
DialogTitle TitleOf(DialogId id) {
  switch (id) {
    case DialogId::kPrint:
    case DialogId::kExport:
    case DialogId::kImport:
    case DialogId::kAbout:
    case DialogId::kCrossCountry:
    case DialogId::kSort:
    case DialogId::kFilters:
    case DialogId::kFind:
    case DialogId::kGoTo:
    case DialogId::kMultiFlight:
    case DialogId::kVario:
    case DialogId::kUnits:
    case DialogId::kListViewFlight:
    case DialogId::kListViewSite:
    case DialogId::kListViewGlider:
      break;
  }
  // The dialogs that are built have their own titles and never come here.
  return {"frmPlaceholder", ""};
}

}  // namespace

PlaceholderDialog::PlaceholderDialog(PageHost& host, DialogId id)
    : Dialog(host, id, TitleOf(id).name, TitleOf(id).caption, 4200, 1800),
      Message(*this, "Message"),
      Close(*this, "Close") {
  Message.SetCaption("This part of Aloftra is not available yet.");
  Message.Move(240, 240, 3720, 480);
  Close.SetCaption("Close");
  Close.Move(1500, 1080, 1200, 375);
  Close.SetDefault(true);
  Close.SetCancel(true);
  Close.onClick = [this] { Dialog::Close(); };
}

}  // namespace aloftra
