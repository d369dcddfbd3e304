#include "qt/FormPainter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "form/Shape.h"
#include "qt/Pictures.h"
#include "qt/QtConvert.h"

namespace aloftra::qt {

namespace {

QPointF ToPixelPoint(double x, double y) {
  return QPointF(x / kTwipsPerPixel, y / kTwipsPerPixel);
}

QRectF ToPixelRectF(double x1, double y1, double x2, double y2) {
  return QRectF(ToPixelPoint(x1, y1), ToPixelPoint(x2, y2)).normalized();
}

// Qt counts angles in sixteenths of a degree, counter-clockwise from three o'clock, as the
// drawing list does in radians.
int ToQtAngle(double radians) {
  return static_cast<int>(std::lround(radians * 180.0 / std::numbers::pi * 16.0));
}

QPen OutlinePen(Color color, int width, const QPalette& palette, double penScale = 1.0) {
  QPen pen(ToQColor(color, palette));
  if (penScale == 1.0) {
    pen.setWidth(width < 1 ? 1 : width);
  } else {
    pen.setWidthF((width < 1 ? 1 : width) * penScale);
  }
  return pen;
}

void PaintPie(QPainter& painter, const DrawItem& item, const QPalette& palette, double penScale) {
  double span = item.endAngle - item.startAngle;
  // A sector whose end angle is smaller than its start runs on through east.
  if (span < 0) span += 2 * std::numbers::pi;
  QPointF centre = ToPixelPoint(item.x1, item.y1);
  double radius = item.radius / kTwipsPerPixel;
  painter.setPen(OutlinePen(item.color, item.width, palette, penScale));
  painter.setBrush(ToQColor(item.fillColor, palette));
  painter.drawPie(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                  ToQtAngle(item.startAngle), ToQtAngle(span));
}

void PaintText(QPainter& painter, const DrawItem& item, const QPalette& palette) {
  painter.setPen(ToQColor(item.color, palette));
  painter.setFont(ToQFont(item.font));
  QPointF topLeft = ToPixelPoint(item.x1, item.y1);
  // The text hangs from its point, as the forms' Print does.
  painter.drawText(QRectF(topLeft, QSizeF(100000, 100000)), Qt::AlignLeft | Qt::AlignTop,
                   ToWidgetText(item.text));
}

void PaintShape(QPainter& painter, const Shape& shape, const QPalette& palette) {
  QRectF area = QRectF(ToPixelRect(shape.Geometry()));
  painter.setPen(OutlinePen(shape.BorderColor(), 1, palette));
  if (shape.Filled()) {
    painter.setBrush(ToQColor(shape.FillColor(), palette));
  } else {
    painter.setBrush(Qt::NoBrush);
  }
  // Keep the outline inside the control's area.
  area.adjust(0.5, 0.5, -0.5, -0.5);
  if (shape.ShapeKind() == Shape::Kind::kRectangle) {
    painter.drawRect(area);
    return;
  }
  // A circle fits the shorter side and sits in the middle of the area.
  double side = std::min(area.width(), area.height());
  painter.drawEllipse(
      QRectF(area.center().x() - side / 2, area.center().y() - side / 2, side, side));
}

// A line of the drawing list leaves out its last point, as lines are drawn on the forms
// everywhere: wedges of the wind rose that meet end to end then never paint over each other.
void PaintOpenLine(QPainter& painter, const DrawItem& item, const QPalette& palette,
                   double penScale) {
  painter.setPen(OutlinePen(item.color, item.width, palette, penScale));
  QPointF from = ToPixelPoint(item.x1, item.y1);
  QPointF to = ToPixelPoint(item.x2, item.y2);
  QPointF along = to - from;
  double length = std::max(std::abs(along.x()), std::abs(along.y()));
  if (length < 1) return;  // a line one pixel long or less leaves nothing to draw
  to -= along / length;
  painter.drawLine(from, to);
}

void PaintLine(QPainter& painter, const LineControl& line, const QPalette& palette) {
  painter.setPen(OutlinePen(line.BorderColor(), 1, palette));
  painter.drawLine(ToPixelPoint(line.X1(), line.Y1()), ToPixelPoint(line.X2(), line.Y2()));
}

}  // namespace

void PaintDrawItem(QPainter& painter, const DrawItem& item, const QPalette& palette,
                   double penScale) {
  switch (item.kind) {
    case DrawItem::Kind::kLine:
      PaintOpenLine(painter, item, palette, penScale);
      break;
    case DrawItem::Kind::kRect:
      painter.setPen(OutlinePen(item.color, item.width, palette, penScale));
      if (item.filled) {
        painter.setBrush(ToQColor(item.fillColor, palette));
      } else {
        painter.setBrush(Qt::NoBrush);
      }
      painter.drawRect(ToPixelRectF(item.x1, item.y1, item.x2, item.y2));
      break;
    case DrawItem::Kind::kCircle: {
      painter.setPen(OutlinePen(item.color, item.width, palette, penScale));
      if (item.filled) {
        painter.setBrush(ToQColor(item.fillColor, palette));
      } else {
        painter.setBrush(Qt::NoBrush);
      }
      double radius = item.radius / kTwipsPerPixel;
      painter.drawEllipse(ToPixelPoint(item.x1, item.y1), radius, radius);
      break;
    }
    case DrawItem::Kind::kPie:
      PaintPie(painter, item, palette, penScale);
      break;
    case DrawItem::Kind::kText:
      PaintText(painter, item, palette);
      break;
  }
}

void PaintDrawList(QPainter& painter, const DrawList& drawing, const QPalette& palette,
                   double penScale) {
  for (const DrawList::Group& group : drawing.Groups()) {
    for (const DrawItem& item : group.items)
      PaintDrawItem(painter, item, palette, penScale);
  }
}

void PaintGraphicalControls(QPainter& painter, const Form& form, const QPalette& palette) {
  for (const Control* control : form.Controls()) {
    if (!control->EffectivelyVisible()) continue;
    if (control->Kind() == ControlKind::kShape) {
      PaintShape(painter, static_cast<const Shape&>(*control), palette);
    } else if (control->Kind() == ControlKind::kLine) {
      PaintLine(painter, static_cast<const LineControl&>(*control), palette);
    }
  }
  for (const Control* control : form.Controls()) {
    if (control->Kind() != ControlKind::kImage || !control->EffectivelyVisible()) continue;
    const auto& image = static_cast<const Image&>(*control);
    // A picture has colours of its own unless the form gives it one.
    QColor color = IsSystemColor(image.ForeColor()) ? DefaultPictureColor()
                                                    : ToQColor(image.ForeColor(), palette);
    PaintPicture(painter, image.Picture(), QRectF(ToPixelRect(image.Geometry())), color);
  }
}

void PaintForm(QPainter& painter, const Form& form, const QPalette& palette) {
  painter.save();
  painter.fillRect(
      QRectF(0, 0, form.Width() / double(kTwipsPerPixel), form.Height() / double(kTwipsPerPixel)),
      ToQColor(form.BackColor(), palette));
  PaintDrawList(painter, form.Drawing(), palette);
  PaintGraphicalControls(painter, form, palette);
  painter.restore();
}

}  // namespace aloftra::qt
