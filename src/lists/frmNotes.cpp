#include "lists/frmNotes.h"

namespace aloftra {

frmNotes::frmNotes(PageHost& host) : Page(host, PageId::kNotes, "frmNotes") {}

}  // namespace aloftra
