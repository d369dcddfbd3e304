#include "qt/ListViews.h"

#include <QLineEdit>
#include <QListView>

#include "qt/QtConvert.h"
#include "qt/WheelGuard.h"

namespace aloftra::qt {

QStringList EntriesOf(const ListControl& list) {
  QStringList entries;
  entries.reserve(list.ListCount());
  for (int i = 0; i < list.ListCount(); ++i)
    entries.push_back(ToQString(list.List(i)));
  return entries;
}

ComboBoxView::ComboBoxView(ComboBox& combo, QWidget* canvas, Dispatcher& dispatcher)
    : ControlView(combo, new QComboBox(canvas), dispatcher),
      combo_(combo),
      widget_(static_cast<QComboBox*>(Widget())) {
  widget_->setMaxVisibleItems(12);
  TakeWheelOnlyWithFocus(widget_);
  // The drop-down lays out a long list without measuring every entry.
  if (auto* view = qobject_cast<QListView*>(widget_->view())) view->setUniformItemSizes(true);
  connect(widget_, &QComboBox::activated, this, [this](int index) {
    if (Syncing()) return;
    ComboBox& chosen = combo_;
    Dispatch([&chosen, index] { chosen.SetListIndex(index); });
  });
  SyncEditable();
}

void ComboBoxView::SyncEditable() {
  bool editable = combo_.ComboStyle() == ComboBox::Style::kDropDownCombo;
  if (widget_->isEditable() == editable) return;
  widget_->setEditable(editable);
  if (!editable) return;
  // Typed text stays typed text: no entry is added on Enter, none is completed.
  widget_->setInsertPolicy(QComboBox::NoInsert);
  widget_->setCompleter(nullptr);
  QLineEdit* editor = widget_->lineEdit();
  Watch(editor);
  connect(editor, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (Syncing()) return;
    ComboBox& typed = combo_;
    std::string value = ToStdString(text);
    Dispatch([&typed, &value] { typed.SetText(value); });
  });
}

void ComboBoxView::SyncContent(bool first) {
  SyncEditable();
  if (first || shownEntries_ != combo_.ListRevision()) {
    // A list filled again with the entries it had keeps the widget as it is.
    QStringList entries = EntriesOf(combo_);
    bool same = widget_->count() == entries.size();
    for (int i = 0; same && i < entries.size(); ++i)
      same = widget_->itemText(i) == entries[i];
    if (!same) {
      widget_->clear();
      widget_->addItems(entries);
    }
    shownEntries_ = combo_.ListRevision();
  }
  if (widget_->currentIndex() != combo_.ListIndex()) {
    // Typing over the selected entry leaves nothing selected; the widget would empty its
    // editor for that, so the typed text and the place of the cursor in it are kept.
    QLineEdit* editor = widget_->isEditable() ? widget_->lineEdit() : nullptr;
    const QString typed = editor != nullptr ? editor->text() : QString();
    const int cursor = editor != nullptr ? editor->cursorPosition() : 0;
    widget_->setCurrentIndex(combo_.ListIndex());
    if (editor != nullptr && combo_.ListIndex() < 0 && typed == ToQString(combo_.Text())) {
      widget_->setEditText(typed);
      editor->setCursorPosition(cursor);
    }
  }
  if (widget_->isEditable()) {
    QString text = ToQString(combo_.Text());
    if (widget_->currentText() != text) widget_->setEditText(text);
  }
}

ListBoxView::ListBoxView(ListBox& list, QWidget* canvas, Dispatcher& dispatcher)
    : ControlView(list, new QListWidget(canvas), dispatcher),
      list_(list),
      widget_(static_cast<QListWidget*>(Widget())) {
  widget_->setUniformItemSizes(true);
  auto choose = [this] {
    if (Syncing()) return;
    int row = widget_->currentRow();
    // Taking the focus makes a row current without choosing it; only a chosen row counts
    // (a click selects it just after making it current).
    if (row >= 0 && !widget_->item(row)->isSelected()) return;
    if (row == list_.ListIndex()) return;
    ListBox& chosen = list_;
    Dispatch([&chosen, row] { chosen.SetListIndex(row); });
  };
  connect(widget_, &QListWidget::currentRowChanged, this, choose);
  connect(widget_, &QListWidget::itemSelectionChanged, this, choose);
  connect(widget_, &QListWidget::itemDoubleClicked, this, [this] {
    if (Syncing()) return;
    ListBox& clicked = list_;
    Dispatch([&clicked] { clicked.DblClick(); });
  });
}

void ListBoxView::SyncContent(bool first) {
  if (first || shownEntries_ != list_.ListRevision()) {
    QStringList entries = EntriesOf(list_);
    bool same = widget_->count() == entries.size();
    for (int i = 0; same && i < entries.size(); ++i)
      same = widget_->item(i)->text() == entries[i];
    if (!same) {
      widget_->clear();
      widget_->addItems(entries);
    }
    shownEntries_ = list_.ListRevision();
  }
  if (widget_->currentRow() != list_.ListIndex()) widget_->setCurrentRow(list_.ListIndex());
}

}  // namespace aloftra::qt
