// The pictures the forms name: the arrows of the browse buttons ("first", "previous",
// "next", "last") and the glider of the about box. They are drawn, not loaded, so the
// program needs no image files.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <QRect>
#include <string>

namespace aloftra::qt {

// The colour of a picture that is given none of its own.
QColor DefaultPictureColor();

// Whether a picture of this name can be drawn.
bool IsKnownPicture(const std::string& name);

// Draws the picture into the rectangle; an unknown name draws nothing and returns false.
bool PaintPicture(QPainter& painter, const std::string& name, const QRectF& area,
                  const QColor& color);

// The picture as a transparent pixmap of the given size, for a button's icon.
QPixmap PicturePixmap(const std::string& name, QSize size, const QColor& color);

}  // namespace aloftra::qt
