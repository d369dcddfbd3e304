// Every dialog of the program, one for each DialogId, made together with the application and
// reached by its id. Which class serves an id is said once, in the table below; an id without
// a class there does not compile. Typed access
// (Get<DialogId::kSort>()) gives the dialog's own class.
#pragma once

#include <array>
#include <memory>
#include <utility>

#include "exchange/frmExport.h"
#include "exchange/frmImport.h"
#include "flights/frmCrossCountry.h"
#include "flights/frmMultiFlight.h"
#include "pagekit/Dialog.h"
#include "print/frmPrint.h"
#include "shell/frmAbout.h"
#include "units/frmUnits.h"
#include "units/frmVario.h"
#include "views/frmFilters.h"
#include "views/frmFind.h"
#include "views/frmGoTo.h"
#include "views/frmListViewFlight.h"
#include "views/frmListViewGlider.h"
#include "views/frmListViewSite.h"
#include "views/frmSort.h"

namespace aloftra {

template <DialogId id>
struct DialogClass;
template <>
struct DialogClass<DialogId::kAbout> {
  using type = frmAbout;
};
template <>
struct DialogClass<DialogId::kImport> {
  using type = frmImport;
};
template <>
struct DialogClass<DialogId::kPrint> {
  using type = frmPrint;
};
template <>
struct DialogClass<DialogId::kCrossCountry> {
  using type = frmCrossCountry;
};
template <>
struct DialogClass<DialogId::kSort> {
  using type = frmSort;
};
template <>
struct DialogClass<DialogId::kFind> {
  using type = frmFind;
};
template <>
struct DialogClass<DialogId::kGoTo> {
  using type = frmGoTo;
};
template <>
struct DialogClass<DialogId::kFilters> {
  using type = frmFilters;
};
template <>
struct DialogClass<DialogId::kMultiFlight> {
  using type = frmMultiFlight;
};
template <>
struct DialogClass<DialogId::kVario> {
  using type = frmVario;
};
template <>
struct DialogClass<DialogId::kUnits> {
  using type = frmUnits;
};
template <>
struct DialogClass<DialogId::kListViewFlight> {
  using type = frmListViewFlight;
};
template <>
struct DialogClass<DialogId::kListViewSite> {
  using type = frmListViewSite;
};
template <>
struct DialogClass<DialogId::kListViewGlider> {
  using type = frmListViewGlider;
};
template <>
struct DialogClass<DialogId::kExport> {
  using type = frmExport;
};

class DialogSet {
 public:
  using Dialogs = std::array<std::unique_ptr<Dialog>, kDialogCount>;

  explicit DialogSet(PageHost& host)
      : dialogs_(MakeAll(host, std::make_index_sequence<kDialogCount>{})) {}

  Dialog& operator[](DialogId id) { return *dialogs_[static_cast<std::size_t>(id)]; }
  template <DialogId id>
  typename DialogClass<id>::type& Get() {
    return static_cast<typename DialogClass<id>::type&>((*this)[id]);
  }
  const Dialogs& All() const { return dialogs_; }

 private:
  template <std::size_t... index>
  static Dialogs MakeAll(PageHost& host, std::index_sequence<index...>) {
    return {std::make_unique<typename DialogClass<static_cast<DialogId>(index)>::type>(host)...};
  }

  Dialogs dialogs_;
};

}  // namespace aloftra
