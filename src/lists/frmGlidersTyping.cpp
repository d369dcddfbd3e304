// A glider typed into the page from outside it (the import): a name and a type, entered with
// the page's own New Glider and Enter; the other fields keep what New Glider gives them.
#include "lists/frmGliders.h"

namespace aloftra {

bool frmGliders::EnterTypedGlider(const std::string& name, bool paraglider) {
  NewGlider_Click();
  GliderName.SetText(name);
  GliderType[paraglider ? 1 : 0].SetValue(true);
  return EnterGlider();
}

}  // namespace aloftra
