#include "qt/FormCanvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <functional>

#include "form/Shape.h"
#include "qt/FormPainter.h"
#include "qt/KeyRouting.h"
#include "qt/QtConvert.h"

namespace aloftra::qt {

FormCanvas::FormCanvas(Form& form, Dispatcher& dispatcher, QWidget* parent)
    : QWidget(parent), form_(form), dispatcher_(dispatcher) {
  setObjectName(ToQString(form.Name()) + QStringLiteral("Canvas"));
  // The graphs read out the date under the pointer, so moves count without a button held.
  setMouseTracking(true);
}

std::vector<long long> FormCanvas::PaintedState() const {
  std::vector<long long> state{form_.BackColor(), form_.Width(), form_.Height()};
  for (const Control* control : form_.Controls()) {
    ControlKind kind = control->Kind();
    if (kind != ControlKind::kShape && kind != ControlKind::kLine && kind != ControlKind::kImage) {
      continue;
    }
    const Rect& g = control->Geometry();
    state.insert(state.end(), {control->EffectivelyVisible(), g.left, g.top, g.width, g.height,
                               control->ForeColor()});
    if (kind == ControlKind::kShape) {
      const auto& shape = static_cast<const Shape&>(*control);
      state.insert(state.end(), {static_cast<long long>(shape.ShapeKind()), shape.Filled(),
                                 shape.FillColor(), shape.BorderColor()});
    } else if (kind == ControlKind::kLine) {
      const auto& line = static_cast<const LineControl&>(*control);
      state.insert(state.end(), {line.X1(), line.Y1(), line.X2(), line.Y2(), line.BorderColor()});
    } else {
      const auto& image = static_cast<const Image&>(*control);
      state.push_back(static_cast<long long>(std::hash<std::string>{}(image.Picture())));
    }
  }
  return state;
}

void FormCanvas::RepaintIfChanged() {
  if (!painted_ || form_.Drawing().Revision() != paintedRevision_ ||
      PaintedState() != paintedState_) {
    update();
  }
}

void FormCanvas::RequestPaintHandler() {
  paintHandlerDue_ = true;
  if (wakeUpPosted_) return;
  wakeUpPosted_ = true;
  // Outside any call nothing would ask for the handler, so an empty call is posted: the
  // dispatcher runs the handlers due after it. Turned away because a call is running (a
  // message box open in it), it leaves the handler due for the end of that call.
  QMetaObject::invokeMethod(
      this,
      [this] {
        wakeUpPosted_ = false;
        if (paintHandlerDue_) dispatcher_.Dispatch([] {});
      },
      Qt::QueuedConnection);
}

bool FormCanvas::TakePaintHandlerRequest() {
  bool due = paintHandlerDue_;
  paintHandlerDue_ = false;
  return due;
}

void FormCanvas::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  RequestPaintHandler();
}

void FormCanvas::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  RequestPaintHandler();
}

void FormCanvas::paintEvent(QPaintEvent* event) {
  (void)event;
  QPainter painter(this);
  PaintForm(painter, form_, palette());
  paintedRevision_ = form_.Drawing().Revision();
  paintedState_ = PaintedState();
  painted_ = true;
}

void FormCanvas::mousePressEvent(QMouseEvent* event) {
  int button = MouseButtonsFor(event->button());
  int shift = ShiftStateFor(event->modifiers());
  double x = ToTwips(event->position().x());
  double y = ToTwips(event->position().y());
  Form& form = form_;
  dispatcher_.Dispatch([&] { form.MouseDown(button, shift, x, y); });
}

void FormCanvas::mouseReleaseEvent(QMouseEvent* event) {
  int button = MouseButtonsFor(event->button());
  int shift = ShiftStateFor(event->modifiers());
  double x = ToTwips(event->position().x());
  double y = ToTwips(event->position().y());
  Form& form = form_;
  dispatcher_.Dispatch([&] { form.MouseUp(button, shift, x, y); });
}

void FormCanvas::mouseMoveEvent(QMouseEvent* event) {
  // Moves come by the hundred; only a form that listens is bothered with them.
  if (!form_.onMouseMove) return;
  int buttons = MouseButtonsFor(event->buttons());
  int shift = ShiftStateFor(event->modifiers());
  double x = ToTwips(event->position().x());
  double y = ToTwips(event->position().y());
  Form& form = form_;
  dispatcher_.Dispatch([&] { form.MouseMove(buttons, shift, x, y); });
}

}  // namespace aloftra::qt
