// The dialogs of the program. A dialog is opened by its id, never by a name string, so a
// dialog that does not exist cannot be asked for.
#pragma once

namespace aloftra {

enum class DialogId {
  kAbout,
  kSort,
  kImport,
  kExport,
  kPrint,
  kCrossCountry,
  kFilters,
  kVario,
  kUnits,
  kFind,
  kGoTo,
  kMultiFlight,
  kListViewFlight,
  kListViewSite,
  kListViewGlider,
};
inline constexpr int kDialogCount = static_cast<int>(DialogId::kListViewGlider) + 1;

}  // namespace aloftra
