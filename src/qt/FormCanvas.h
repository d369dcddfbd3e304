// The inside of a form's window: the widgets of its controls are its children, and it
// paints the form's own drawing behind them and hands its mouse to the form in twips.
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

 protected:
  void paintEvent(QPaintEvent* event) override;
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
};

}  // namespace aloftra::qt
