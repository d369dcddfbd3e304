// A form's menus as a Qt menu bar: one menu per Menu, one action per item, separators for
// "-", the items' short-cut keys. Choosing an item runs the menu's click with the item's
// index through the dispatcher; captions, enabled, checked and shown states follow the form.
#pragma once

#include <QMenuBar>
#include <QObject>
#include <vector>

#include "form/Form.h"
#include "qt/Dispatcher.h"

class QAction;

namespace aloftra::qt {

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
