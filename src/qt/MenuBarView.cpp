#include "qt/MenuBarView.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "qt/QtConvert.h"

namespace aloftra::qt {

MenuBarView::MenuBarView(Form& form, QMenuBar* menuBar, Dispatcher& dispatcher)
    : QObject(menuBar), form_(form), menuBar_(menuBar), dispatcher_(dispatcher) {
  for (const auto& menu : form_.Menus()) {
    QMenu* qmenu = menuBar_->addMenu(ToQString(menu->Caption()));
    qmenu->setObjectName(ToQString(menu->Name()));
    for (int i = 0; i < menu->ItemCount(); ++i) {
      const MenuItem& item = menu->Item(i);
      QAction* action = item.IsSeparator() ? qmenu->addSeparator() : qmenu->addAction(QString());
      // "FileMenu(10)": the menu's name and the item's index, as controls are named.
      action->setObjectName(ToQString(menu->Name() + "(" + std::to_string(i) + ")"));
      if (!item.shortcut.empty()) {
        action->setShortcut(QKeySequence(ToQString(item.shortcut)));
      }
      Menu* owner = menu.get();
      connect(action, &QAction::triggered, this, [this, owner, i] {
        if (dispatcher_.Syncing()) return;
        dispatcher_.Dispatch([owner, i] { owner->Click(i); });
      });
      actions_.push_back(ItemAction{owner, i, action});
    }
  }
}

void MenuBarView::Sync() {
  for (const ItemAction& entry : actions_) {
    const MenuItem& item = entry.menu->Item(entry.index);
    QAction* action = entry.action;
    QSignalBlocker blocker(action);
    if (!item.IsSeparator()) {
      QString caption = ToQString(item.caption);
      if (action->text() != caption) action->setText(caption);
      action->setCheckable(item.checked);
      action->setChecked(item.checked);
    }
    action->setEnabled(item.enabled);
    action->setVisible(item.visible);
  }
}

}  // namespace aloftra::qt
