// The pilot page: the pilot's data, ratings and awards.
#pragma once

#include "pagekit/Page.h"

namespace aloftra {

class frmPilotInfo : public Page {
 public:
  explicit frmPilotInfo(PageHost& host);
};

}  // namespace aloftra
