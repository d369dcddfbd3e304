// One control of a form shown as one Qt widget. The view brings the widget up to date with
// its control (text, caption, state, geometry, colours, font, tool tip), turns the widget's
// signals into the control's user-side calls through the dispatcher, and passes key presses
// and (for labels) mouse clicks to the control. Each kind of control has its own view.
#pragma once

#include <QObject>
#include <QPalette>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "form/Control.h"
#include "qt/Dispatcher.h"

class QKeyEvent;
class QMouseEvent;

namespace aloftra::qt {

class ControlView : public QObject {
 public:
  ControlView(Control& control, QWidget* widget, Dispatcher& dispatcher);
  ~ControlView() override;

  Control& GetControl() const { return control_; }
  QWidget* Widget() const { return widget_; }
  // Whether the widget is this view's widget or a part of it (a combo box's editor).
  bool Owns(const QWidget* widget) const;

  // Brings the widget up to date; the first call sets everything. A control that has not
  // changed since the widget last showed it, and is still as shown and usable within its
  // frames and form, is skipped.
  void Sync();

 protected:
  virtual void SyncContent(bool first) = 0;
  // The palette roles the control's fore and back colours paint, and whether the widget
  // fills its background with the back colour.
  virtual QPalette::ColorRole ForeRole() const { return QPalette::WindowText; }
  virtual QPalette::ColorRole BackRole() const { return QPalette::Window; }
  virtual bool FillsBackground() const;
  // Text editors take typed characters; a multi-line editor keeps Enter for itself.
  virtual bool TakesKeyPress() const { return false; }
  virtual bool KeepsEnter() const { return false; }
  // Labels report their mouse buttons to the control instead of the form.
  virtual bool ReportsMouse() const { return false; }

  // Runs a call on the control through the dispatcher. The widget is brought back in step
  // with its control afterwards even when the control did not change (a radio button
  // clicked off again), and a call turned away leaves the widget showing its control, not
  // what the pilot's click made of it.
  bool Dispatch(const std::function<void()>& call);
  bool Syncing() const { return dispatcher_.Syncing(); }
  // Routes the keys and mouse of a further part of the widget through this view.
  void Watch(QObject* part);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Applied {
    Rect geometry;
    bool visible = false;
    bool enabled = false;
    Color fore = 0;
    Color back = 0;
    bool fills = false;
    Font font;
    std::string toolTip;
  };

  void SyncCommon(bool first, bool visible, bool enabled);
  void ApplyColors();
  bool HandleKey(QObject* target, QKeyEvent& event);
  bool HandleEnterOrEscape(const QKeyEvent& event);
  bool HandleMouse(QMouseEvent& event);
  void SendReplacementKey(QObject* target, const QKeyEvent& original, int keyAscii);

  Control& control_;
  QWidget* widget_;
  Dispatcher& dispatcher_;
  std::optional<Applied> applied_;
  // The control's revision the widget shows; none when the widget must be brought in step
  // whatever the revision.
  std::optional<unsigned long> shownRevision_;
  bool forwardingKey_ = false;
};

// The view of a control, with its widget made as a child of the canvas; nullptr for the
// controls the canvas paints itself (shapes, lines, pictures).
std::unique_ptr<ControlView> MakeControlView(Control& control, QWidget* canvas,
                                             Dispatcher& dispatcher);

}  // namespace aloftra::qt
