// A text box as a QLineEdit, or as a QPlainTextEdit when it holds several lines. What the
// pilot types becomes the text box's text at once (running its change handler); the caret
// and selection are kept in step both ways.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

#include "form/TextBox.h"
#include "qt/ControlView.h"

namespace aloftra::qt {

class TextBoxView : public ControlView {
 public:
  TextBoxView(TextBox& box, QWidget* canvas, Dispatcher& dispatcher);

 protected:
  void SyncContent(bool first) override;
  QPalette::ColorRole ForeRole() const override { return QPalette::Text; }
  QPalette::ColorRole BackRole() const override { return QPalette::Base; }
  bool FillsBackground() const override { return false; }
  bool TakesKeyPress() const override { return true; }
  bool KeepsEnter() const override { return editor_ != nullptr; }
  // A box whose form watches the mouse on it (a hemisphere box that turns over when
  // pressed) reports the mouse to the form instead of placing a cursor.
  bool ReportsMouse() const override {
    return box_.onMouseDown || box_.onMouseUp || box_.onDblClick;
  }

 private:
  struct Selection {
    int start = 0;
    int length = 0;
    bool operator==(const Selection&) const = default;
  };

  void Edited(const QString& widgetText);
  void ReadSelection();
  Selection WidgetSelection() const;
  void ApplySelection();
  QString WidgetText() const;

  TextBox& box_;
  QLineEdit* line_ = nullptr;
  QPlainTextEdit* editor_ = nullptr;
  // The control's selection as last applied to or read from the widget.
  Selection knownSelection_;
};

}  // namespace aloftra::qt
