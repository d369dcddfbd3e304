// The find dialog: searches the flights' remarks, in date order whatever the sort key, and
// shows the flight found on the flight page with the match selected in its remarks. The
// Search menu's Find Next repeats the search without the dialog.
#pragma once

#include "form/CheckBox.h"
#include "form/CommandButton.h"
#include "form/ControlArray.h"
#include "form/Frame.h"
#include "form/Label.h"
#include "form/TextBox.h"
#include "pagekit/Dialog.h"
#include "views/FindSettings.h"

namespace aloftra {

class frmFind : public Dialog {
 public:
  explicit frmFind(PageHost& host);

  aloftra::Label Prompt;
  aloftra::Label TextLabel;
  TextBox SearchText;
  Frame SearchWhatFrame;
  ControlArray<CheckBox> SearchWhat;  // 0 hang glider flights, 1 paraglider flights,
                                      // 2 non-flying entries
  CheckBox MatchCase;
  CommandButton FindNext;
  CommandButton Cancel;

  // What the last search looked for and where the next one starts.
  FindSettings Settings;

  void Form_Load();
  void SearchText_Change();
  void SearchWhat_Click(int Index);
  void FindNext_Click();
  void Cancel_Click();

  // The search itself, run by Find Next in the dialog and in the Search menu. With nothing
  // to search for yet it opens the dialog over the given page instead.
  void FindTextString(Form& over);

 private:
  void BuildLayout();
};

}  // namespace aloftra
