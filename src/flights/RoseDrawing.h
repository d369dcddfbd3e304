// Painting the wind rose's wedges into a page's drawing, for the flight page and the site
// page alike: a set direction in light blue, a clear one in the window's background colour,
// which erases it.
#pragma once

#include <string>

#include "core/Records.h"
#include "form/DrawList.h"

namespace aloftra {

inline constexpr Color kRoseSetColor = Rgb(80, 220, 255);

// The drawing group that holds wedge k of a page's rose.
std::string RoseGroup(int k);

// Paints wedge k (0-15) of the rose centred at (centreX, centreY) twips; only a flag holding
// exactly 1 counts as set.
void PaintRoseSector(DrawList& drawing, int centreX, int centreY, int k, Flag flag);
// Paints all sixteen wedges from a set of flags.
void PaintRose(DrawList& drawing, int centreX, int centreY, const WindFlags& flags);

}  // namespace aloftra
