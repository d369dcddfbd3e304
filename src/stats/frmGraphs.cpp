#include "stats/frmGraphs.h"

namespace aloftra {

frmGraphs::frmGraphs(PageHost& host) : Page(host, PageId::kGraphs, "frmGraphs") {}

}  // namespace aloftra
