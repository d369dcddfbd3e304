#include "stats/frmGraphs.h"

#include <string>

#include "core/DateTime.h"
#include "form/Platform.h"

namespace aloftra {

frmGraphs::frmGraphs(PageHost& host)
    : Page(host, PageId::kGraphs, "frmGraphs"), Year(*this, "Year") {
  Year.Move(4200, 720, 600, 255);
}

void frmGraphs::OnLogbookReset() {
  Year.SetCaption(std::to_string(SplitDateTime(host_.GetPlatform().Now()).year));
}

}  // namespace aloftra
