// A form's menus as a Qt menu bar: one menu per Menu, one action per item, separators for
// "-", the items' short-cut keys. Choosing an item runs the menu's click with the item's
// index through the dispatcher; captions, enabled, checked and shown states follow the form.
// The keyboard reaches the menus as on any desktop: Alt with a title's access key opens that
// menu, F10 the first one.
#pragma once

#include <QMenuBar>
#include <QObject>
#include <QStringList>
#include <string>
#include <vector>

#include "form/Form.h"
#include "qt/Dispatcher.h"

class QAction;

namespace aloftra::qt {

// The menu titles as the menu bar shows them: each with the first of its letters that no
// title before it has taken as its access key ("&File"), and "&" itself doubled. The forms
// keep their captions as they are.
QStringList MenuTitlesWithAccessKeys(const std::vector<std::string>& captions);

class MenuBarView : public QObject {
 public:
  MenuBarView(Form& form, QMenuBar* menuBar, Dispatcher& dispatcher);

  void Sync();

 private:
  struct ItemAction {
    Menu* menu;
    int index;
    QAction* action;
  };

  Form& form_;
  QMenuBar* menuBar_;
  Dispatcher& dispatcher_;
  std::vector<ItemAction> actions_;
};

}  // namespace aloftra::qt
