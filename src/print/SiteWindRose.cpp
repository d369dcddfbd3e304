#include "print/SiteWindRose.h"

#include <numbers>

namespace aloftra {

void PrintSiteWindRose(PrtCmds& prt, double centreX, double centreY, double radius,
                       const WindFlags& flags) {
  int thin = prt.Layout().ThinLine;
  // Sector 0 is centred on east; the points follow counter-clockwise.
  double step = 2 * std::numbers::pi / kWindPoints;
  for (int point = 0; point < kWindPoints; ++point) {
    bool suitable = flags[static_cast<std::size_t>(point)] == kFlagSet;
    DrawItem sector =
        DrawItem::Pie(centreX, centreY, radius, (point - 0.5) * step, (point + 0.5) * step, kBlack,
                      suitable ? kSuitableWindGrey : kWhite);
    sector.width = thin;
    prt.Draw(sector);
  }
  DrawItem hub = DrawItem::Circle(centreX, centreY, 0.28 * radius, kBlack, true, kWhite);
  hub.width = thin;
  prt.Draw(hub);

  double gap = prt.TextWidth("A") / 3;
  double letterHeight = prt.TextHeight("N");
  prt.PrintAt(centreX - prt.TextWidth("N") / 2, centreY - radius - gap - letterHeight, "N");
  prt.PrintAt(centreX - prt.TextWidth("S") / 2, centreY + radius + gap, "S");
  prt.PrintAt(centreX + radius + gap, centreY - letterHeight / 2, "E");
  prt.PrintAt(centreX - radius - gap - prt.TextWidth("W"), centreY - letterHeight / 2, "W");
}

}  // namespace aloftra
