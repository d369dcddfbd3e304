// The notes page: free-form notes under unique topics.
#pragma once

#include "pagekit/Page.h"

namespace aloftra {

class frmNotes : public Page {
 public:
  explicit frmNotes(PageHost& host);
};

}  // namespace aloftra
