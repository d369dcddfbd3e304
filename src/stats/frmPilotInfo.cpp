#include "stats/frmPilotInfo.h"

namespace aloftra {

frmPilotInfo::frmPilotInfo(PageHost& host) : Page(host, PageId::kPilotInfo, "frmPilotInfo") {}

}  // namespace aloftra
