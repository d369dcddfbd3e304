#include "qt/MenuBarView.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>

#include "qt/QtConvert.h"

namespace aloftra::qt {

QStringList MenuTitlesWithAccessKeys(const std::vector<std::string>& captions) {
  QStringList titles;
  QString taken;
  for (const std::string& caption : captions) {
    QString title = ToQString(caption);
    title.replace(QStringLiteral("&"), QStringLiteral("&&"));
    // The first letter no title before has taken; a title with none left goes without.
    for (qsizetype i = 0; i < title.size(); ++i) {
      QChar letter = title[i].toLower();
      if (!letter.isLetterOrNumber() || taken.contains(letter)) continue;
      taken.append(letter);
      title.insert(i, QChar('&'));
      break;
    }
    titles.push_back(title);
  }
  return titles;
}

MenuBarView::MenuBarView(Form& form, QMenuBar* menuBar, Dispatcher& dispatcher)
    : QObject(menuBar), form_(form), menuBar_(menuBar), dispatcher_(dispatcher) {
  std::vector<std::string> captions;
  for (const auto& menu : form_.Menus())
    captions.push_back(menu->Caption());
  QStringList titles = MenuTitlesWithAccessKeys(captions);
  bool f10Taken = false;
  qsizetype title = 0;
  for (const auto& menu : form_.Menus()) {
    QMenu* qmenu = menuBar_->addMenu(titles[title++]);
    qmenu->setObjectName(ToQString(menu->Name()));
    for (int i = 0; i < menu->ItemCount(); ++i) {
      const MenuItem& item = menu->Item(i);
      QAction* action = item.IsSeparator() ? qmenu->addSeparator() : qmenu->addAction(QString());
      // "FileMenu(10)": the menu's name and the item's index, as controls are named.
      action->setObjectName(ToQString(menu->Name() + "(" + std::to_string(i) + ")"));
      if (!item.shortcut.empty()) {
        action->setShortcut(QKeySequence(ToQString(item.shortcut)));
        f10Taken = f10Taken || action->shortcut() == QKeySequence(Qt::Key_F10);
      }
      Menu* owner = menu.get();
      connect(action, &QAction::triggered, this, [this, owner, i] {
        if (dispatcher_.Syncing()) return;
        dispatcher_.Dispatch([owner, i] { owner->Click(i); });
      });
      actions_.push_back(ItemAction{owner, i, action});
    }
  }
  // F10 opens the first menu, as on the other desktops, unless an item has the key.
  if (!f10Taken && !menuBar_->actions().isEmpty()) {
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), menuBar_->parentWidget());
    connect(f10, &QShortcut::activated, this, [this] {
      if (!menuBar_->isEnabled() || menuBar_->actions().isEmpty()) return;
      menuBar_->setActiveAction(menuBar_->actions().front());
    });
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
