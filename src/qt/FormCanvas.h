// The inside of a form's window: the widgets of its controls are its children, and it
// paints the form's own drawing behind them and hands its mouse to the form in twips.
// Painting only paints: the form's paint handler, which draws into the drawing and may
// change controls, runs through the dispatcher like any other handler (guarded, with the
// windows brought up to date after it) whenever the canvas is shown or resized or a repaint
// is asked for, before the canvas paints what it drew. The drawing is kept, so Qt's own
// repaints (a child widget repainted over it) need no handler.
#pragma once

#include <QWidget>
#include <vector>

#include "form/Form.h"
#include "qt/Dispatcher.h"

namespace aloftra::qt {

class FormCanvas : public QWidget {
 public:
  FormCanvas(Form& form, Dispatcher& dispatcher, QWidget* parent = nullptr);

  Form& GetForm() const { return form_; }
  // Schedules a repaint when what the canvas paints changed since it last painted.
  void RepaintIfChanged();
  // Asks for the form's paint handler to run through the dispatcher: at the end of the call
  // running now, or soon when none runs.
  void RequestPaintHandler();
  // Whether the paint handler was asked for since the last time this was asked; the
  // dispatcher asks after each call and runs the handler.
  bool TakePaintHandlerRequest();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  // What the painting depends on beyond the drawing list: the form's colour and size and
  // the state of its shapes, lines and pictures.
  std::vector<long long> PaintedState() const;

  Form& form_;
  Dispatcher& dispatcher_;
  unsigned long paintedRevision_ = 0;
  std::vector<long long> paintedState_;
  bool painted_ = false;
  bool paintHandlerDue_ = false;
  bool wakeUpPosted_ = false;
};

}  // namespace aloftra::qt
