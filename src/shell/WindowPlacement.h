// Where the windows of the program go: the main window's place at start-up, a page switched
// to taking the place of the page left, a dialog opening below right of the page it belongs
// to (which stays disabled until the dialog closes), and a window shown in place of a page
// (which is hidden until the window closes and then comes back where the window was).
#pragma once

#include <map>

#include "form/Form.h"

namespace aloftra {

class WindowPlacement {
 public:
  // The main window's place on a first start, and a place remembered from the last session
  // (a coordinate outside the screen as it used to be is not taken).
  void PlaceAtDefault(Form& mainWindow);
  void PlaceRemembered(Form& mainWindow, long left, long top);

  void SwitchPage(Form& from, Form& to);
  void OpenDialogOver(Form& dialog, Form& page);
  void ShowInPlaceOf(Form& window, Form& page);
  // Gives the page of a closed dialog or window back; nothing for a form not opened here.
  void DialogClosed(Form& dialog);
  // The page a dialog or window was opened over; nullptr when it is not open.
  const Form* OwnerOf(const Form& dialog) const;

 private:
  struct Owner {
    Form* page = nullptr;
    bool hidden = false;  // the window replaced the page rather than opening over it
  };
  std::map<const Form*, Owner> owners_;
};

}  // namespace aloftra
