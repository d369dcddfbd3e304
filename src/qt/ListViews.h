// Combo boxes and list boxes. The entries and the selection come from the control; the
// pilot's choice becomes the control's list index (running its click handler), and text
// typed into an editable combo becomes its text. The entries are read again only when the
// list's entries changed, and then given to the widget in one go.
#pragma once

#include <QComboBox>
#include <QListWidget>

#include "form/ComboBox.h"
#include "qt/ControlView.h"

namespace aloftra::qt {

class ComboBoxView : public ControlView {
 public:
  ComboBoxView(ComboBox& combo, QWidget* canvas, Dispatcher& dispatcher);

 protected:
  void SyncContent(bool first) override;
  QPalette::ColorRole ForeRole() const override { return QPalette::Text; }
  QPalette::ColorRole BackRole() const override { return QPalette::Base; }
  bool FillsBackground() const override { return false; }
  bool TakesKeyPress() const override {
    return combo_.ComboStyle() == ComboBox::Style::kDropDownCombo;
  }

 private:
  void SyncEditable();

  ComboBox& combo_;
  QComboBox* widget_;
  unsigned long shownEntries_ = 0;
};

class ListBoxView : public ControlView {
 public:
  ListBoxView(ListBox& list, QWidget* canvas, Dispatcher& dispatcher);

 protected:
  void SyncContent(bool first) override;
  QPalette::ColorRole ForeRole() const override { return QPalette::Text; }
  QPalette::ColorRole BackRole() const override { return QPalette::Base; }
  bool FillsBackground() const override { return false; }

 private:
  ListBox& list_;
  QListWidget* widget_;
  unsigned long shownEntries_ = 0;
};

// The entries of a list control as Qt shows them.
QStringList EntriesOf(const ListControl& list);

}  // namespace aloftra::qt
