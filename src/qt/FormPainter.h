// Paints what a form draws itself: its background, its drawing list group by group, then
// the shapes and lines placed on it, then its pictures. Everything is given in twips and
// drawn at 15 twips to a pixel.
#pragma once

#include <QPainter>
#include <QPalette>

#include "form/DrawList.h"
#include "form/Form.h"

namespace aloftra::qt {

// penScale turns an item's line width into the painter's units: 1 on a window, where widths
// are whole pixels; a fraction on a printer, whose widths are counted in printer dots.
void PaintDrawItem(QPainter& painter, const DrawItem& item, const QPalette& palette,
                   double penScale = 1.0);
void PaintDrawList(QPainter& painter, const DrawList& drawing, const QPalette& palette,
                   double penScale = 1.0);
// The Shape, LineControl and Image controls that are shown, in that order.
void PaintGraphicalControls(QPainter& painter, const Form& form, const QPalette& palette);
void PaintForm(QPainter& painter, const Form& form, const QPalette& palette);

}  // namespace aloftra::qt
