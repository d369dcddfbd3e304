#include "qt/ControlView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "form/Form.h"
#include "form/Label.h"
#include "qt/DefaultButtons.h"
#include "qt/KeyRouting.h"
#include "qt/QtConvert.h"

namespace aloftra::qt {

ControlView::ControlView(Control& control, QWidget* widget, Dispatcher& dispatcher)
    : control_(control), widget_(widget), dispatcher_(dispatcher) {
  widget_->setObjectName(ToQString(control_.QualifiedName()));
  Watch(widget_);
}

ControlView::~ControlView() = default;

bool ControlView::Owns(const QWidget* widget) const {
  return widget != nullptr && (widget == widget_ || widget_->isAncestorOf(widget));
}

bool ControlView::Dispatch(const std::function<void()>& call) {
  shownRevision_.reset();
  if (dispatcher_.Dispatch(call)) return true;
  Sync();
  return false;
}

void ControlView::Watch(QObject* part) {
  part->installEventFilter(this);
}

bool ControlView::FillsBackground() const {
  return !IsSystemColor(control_.BackColor());
}

void ControlView::Sync() {
  // Only whether the control is shown and usable depends on more than the control itself:
  // a frame around it or its form may have changed instead.
  bool visible = control_.EffectivelyVisible();
  bool enabled = control_.EffectivelyEnabled();
  unsigned long revision = control_.Revision();
  if (applied_ && shownRevision_ == revision && applied_->visible == visible &&
      applied_->enabled == enabled) {
    return;
  }
  bool first = !applied_.has_value();
  if (first) applied_.emplace();
  QSignalBlocker blocker(widget_);
  SyncContent(first);
  SyncCommon(first, visible, enabled);
  shownRevision_ = revision;
}

void ControlView::SyncCommon(bool first, bool visible, bool enabled) {
  Applied& applied = *applied_;
  if (first || applied.geometry != control_.Geometry()) {
    widget_->setGeometry(ToPixelRect(control_.Geometry()));
    applied.geometry = control_.Geometry();
  }
  if (first || applied.enabled != enabled) {
    widget_->setEnabled(enabled);
    applied.enabled = enabled;
  }
  if (first || applied.font != control_.GetFont()) {
    widget_->setFont(ToQFont(control_.GetFont()));
    applied.font = control_.GetFont();
  }
  if (first || applied.toolTip != control_.ToolTipText()) {
    widget_->setToolTip(ToQString(control_.ToolTipText()));
    applied.toolTip = control_.ToolTipText();
  }
  bool fills = FillsBackground();
  if (first || applied.fore != control_.ForeColor() || applied.back != control_.BackColor() ||
      applied.fills != fills) {
    ApplyColors();
    applied.fore = control_.ForeColor();
    applied.back = control_.BackColor();
    applied.fills = fills;
  }
  // Visibility last: a widget shown with stale content would flash it.
  if (first || applied.visible != visible) {
    widget_->setVisible(visible);
    applied.visible = visible;
  }
}

void ControlView::ApplyColors() {
  QPalette defaults = QApplication::palette(widget_);
  QPalette palette = defaults;
  if (!IsSystemColor(control_.ForeColor())) {
    // A disabled control keeps the desktop's grey text.
    QColor fore = ToQColor(control_.ForeColor(), defaults);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
      palette.setColor(group, ForeRole(), fore);
      if (ForeRole() == QPalette::Text) palette.setColor(group, QPalette::ButtonText, fore);
    }
  }
  QColor back = ToQColor(control_.BackColor(), defaults);
  if (!IsSystemColor(control_.BackColor())) {
    palette.setColor(BackRole(), back);
    if (BackRole() == QPalette::Base) palette.setColor(QPalette::Button, back);
  }
  if (FillsBackground()) palette.setColor(QPalette::Window, back);
  widget_->setPalette(palette);
  widget_->setAutoFillBackground(FillsBackground());
}

bool ControlView::eventFilter(QObject* watched, QEvent* event) {
  if (forwardingKey_ || Syncing()) return false;
  switch (event->type()) {
    case QEvent::KeyPress:
      return HandleKey(watched, static_cast<QKeyEvent&>(*event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
      if (ReportsMouse() && watched == widget_) {
        return HandleMouse(static_cast<QMouseEvent&>(*event));
      }
      return false;
    default:
      return false;
  }
}

bool ControlView::HandleEnterOrEscape(const QKeyEvent& event) {
  Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  if (modifiers != Qt::NoModifier) return false;
  Form& form = control_.Parent();
  bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
  if (enter && !KeepsEnter()) {
    if (control_.Kind() == ControlKind::kCommandButton) {
      // Enter on a button presses that button.
      auto& button = static_cast<CommandButton&>(control_);
      Dispatch([&button] { button.Click(); });
      return true;
    }
    if (DefaultButtonOf(form) != nullptr) {
      Dispatch([&form] { PressDefaultButton(form); });
      return true;
    }
  }
  if (event.key() == Qt::Key_Escape && CancelButtonOf(form) != nullptr) {
    Dispatch([&form] { PressCancelButton(form); });
    return true;
  }
  return false;
}

bool ControlView::HandleKey(QObject* target, QKeyEvent& event) {
  if (HandleEnterOrEscape(event)) return true;
  int keyCode = KeyCodeFor(event.key());
  int shift = ShiftStateFor(event.modifiers());
  std::optional<int> keyAscii;
  if (TakesKeyPress()) keyAscii = KeyAsciiFor(event.key(), event.modifiers(), event.text());
  // Alt with a key is a command to the window (a menu's access key), never typing, though
  // Qt's editors would type its character.
  bool altCommand = IsAltCommand(event.modifiers(), event.text());
  if (keyCode == 0 && !keyAscii) return altCommand;

  int downResult = keyCode;
  int pressResult = keyAscii.value_or(0);
  Control& control = control_;
  bool ran = Dispatch([&] {
    if (keyCode != 0) {
      // The form sees the key before its control does.
      downResult = control.Parent().KeyDown(keyCode, shift);
      if (downResult != 0) downResult = control.KeyDown(downResult, shift);
      if (downResult == 0) return;
    }
    if (keyAscii) pressResult = control.KeyPress(*keyAscii);
  });
  if (!ran) return altCommand;
  if (keyCode != 0 && downResult == 0) return true;
  if (!keyAscii) return altCommand;
  if (pressResult == 0) return true;
  if (pressResult == *keyAscii) return false;
  SendReplacementKey(target, event, pressResult);
  return true;
}

void ControlView::SendReplacementKey(QObject* target, const QKeyEvent& original, int keyAscii) {
  // A handler that changed the character has it typed in place of the original.
  char32_t character = static_cast<char32_t>(keyAscii);
  int key = original.key();
  if (keyAscii == 8) key = Qt::Key_Backspace;
  if (keyAscii == 13) key = Qt::Key_Return;
  QKeyEvent replacement(QEvent::KeyPress, key, Qt::NoModifier, QString::fromUcs4(&character, 1));
  forwardingKey_ = true;
  QCoreApplication::sendEvent(target, &replacement);
  forwardingKey_ = false;
}

bool ControlView::HandleMouse(QMouseEvent& event) {
  int button = MouseButtonsFor(event.button());
  int shift = ShiftStateFor(event.modifiers());
  double x = ToTwips(event.position().x());
  double y = ToTwips(event.position().y());
  Control& control = control_;
  bool inside = widget_->rect().contains(event.position().toPoint());
  switch (event.type()) {
    case QEvent::MouseButtonPress:
      Dispatch([&] { control.MouseDown(button, shift, x, y); });
      break;
    case QEvent::MouseButtonRelease:
      Dispatch([&] {
        control.MouseUp(button, shift, x, y);
        // A click is a left button let go over the label.
        if (button == kLeftButton && inside && control.Kind() == ControlKind::kLabel) {
          static_cast<Label&>(control).Click();
        }
      });
      break;
    case QEvent::MouseButtonDblClick:
      Dispatch([&] { control.DblClick(); });
      break;
    default:
      return false;
  }
  return true;
}

}  // namespace aloftra::qt
