#include "qt/Pictures.h"

#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>

namespace aloftra::qt {

namespace {

// A triangle pointing left or right, filling a square of the given side centred on x, y.
QPolygonF Arrow(double centreX, double centreY, double side, bool pointsLeft) {
  double half = side / 2.0;
  double tip = pointsLeft ? centreX - half : centreX + half;
  double base = pointsLeft ? centreX + half : centreX - half;
  return QPolygonF(
      {QPointF(tip, centreY), QPointF(base, centreY - half), QPointF(base, centreY + half)});
}

// The arrows of the browse buttons: one triangle, with a bar at its tip for the ends.
void PaintBrowseArrow(QPainter& painter, const QRectF& area, const QColor& color, bool pointsLeft,
                      bool withBar) {
  double side = std::min(area.width(), area.height()) * 0.6;
  double barWidth = std::max(1.5, side / 5.0);
  double centreX = area.center().x();
  double centreY = area.center().y();
  painter.setPen(Qt::NoPen);
  painter.setBrush(color);
  if (!withBar) {
    painter.drawPolygon(Arrow(centreX, centreY, side, pointsLeft));
    return;
  }
  double total = side + barWidth;
  double left = centreX - total / 2.0;
  if (pointsLeft) {
    painter.drawRect(QRectF(left, centreY - side / 2.0, barWidth, side));
    painter.drawPolygon(Arrow(left + barWidth + side / 2.0, centreY, side, true));
  } else {
    painter.drawPolygon(Arrow(left + side / 2.0, centreY, side, false));
    painter.drawRect(QRectF(left + side, centreY - side / 2.0, barWidth, side));
  }
}

// A hang glider seen from the front: the arched wing with its king post, the triangle of
// the control frame under it and the pilot hanging in between.
void PaintGlider(QPainter& painter, const QRectF& area, const QColor& color) {
  double side = std::min(area.width(), area.height());
  QRectF box(area.center().x() - side / 2.0, area.center().y() - side / 2.0, side, side);
  auto at = [&box](double x, double y) {
    return QPointF(box.left() + x * box.width(), box.top() + y * box.height());
  };
  QPainterPath wing;
  wing.moveTo(at(0.02, 0.50));
  wing.quadTo(at(0.25, 0.30), at(0.5, 0.28));
  wing.quadTo(at(0.75, 0.30), at(0.98, 0.50));
  wing.quadTo(at(0.75, 0.36), at(0.5, 0.35));
  wing.quadTo(at(0.25, 0.36), at(0.02, 0.50));
  wing.closeSubpath();
  double line = std::max(1.0, side / 36.0);
  painter.setPen(QPen(color, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(color);
  painter.drawPath(wing);
  painter.drawLine(at(0.5, 0.28), at(0.5, 0.16));  // king post
  painter.setBrush(Qt::NoBrush);
  painter.drawPolygon(QPolygonF({at(0.5, 0.35), at(0.36, 0.74), at(0.64, 0.74)}));
  painter.drawLine(at(0.5, 0.35), at(0.5, 0.56));  // hang strap
  painter.setBrush(color);
  painter.drawEllipse(QRectF(at(0.42, 0.56), at(0.58, 0.64)));  // the pilot, prone
}

}  // namespace

QColor DefaultPictureColor() {
  return QColor(32, 72, 144);
}

bool IsKnownPicture(const std::string& name) {
  return name == "first" || name == "previous" || name == "next" || name == "last" ||
         name == "glider";
}

bool PaintPicture(QPainter& painter, const std::string& name, const QRectF& area,
                  const QColor& color) {
  if (!IsKnownPicture(name)) return false;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  if (name == "glider") {
    PaintGlider(painter, area, color);
  } else {
    bool pointsLeft = name == "first" || name == "previous";
    bool withBar = name == "first" || name == "last";
    PaintBrowseArrow(painter, area, color, pointsLeft, withBar);
  }
  painter.restore();
  return true;
}

QPixmap PicturePixmap(const std::string& name, QSize size, const QColor& color) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  PaintPicture(painter, name, QRectF(QPointF(0, 0), QSizeF(size)), color);
  return pixmap;
}

}  // namespace aloftra::qt
