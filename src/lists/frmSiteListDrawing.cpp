// What the site page draws on itself (the wind rose of the directions the site can be flown
// in), the page's own mouse clicks on it, and its two ways out: the Details buttons to a
// best flight and Go to the site's web page.
#include "core/Logbook.h"
#include "flights/RoseDrawing.h"
#include "flights/RoseHitTest.h"
#include "lists/frmSiteList.h"

namespace aloftra {

void frmSiteList::Form_Paint() {
  for (int k = 0; k < kWindPoints; ++k) {
    if (RoseFlags[k] == kFlagSet) DrawRoseSector(k, kFlagSet);
  }
}

void frmSiteList::Form_MouseUp(int Button, int Shift, double X, double Y) {
  (void)Button;
  (void)Shift;
  std::int16_t hit =
      RoseHitTest(static_cast<float>(kSiteRoseCentreX), static_cast<float>(kSiteRoseCentreY),
                  static_cast<float>(X), static_cast<float>(Y));
  if (hit == kRoseMissed) return;
  MarkModified();
  if (hit == kRoseCentre) {
    RoseFlags = {};
    DrawRose();
    return;
  }
  RoseFlags[hit] = RoseFlags[hit] == kFlagSet ? 0 : kFlagSet;
  DrawRoseSector(hit, RoseFlags[hit]);
}

void frmSiteList::DrawRose() {
  PaintRose(Drawing(), kSiteRoseCentreX, kSiteRoseCentreY, RoseFlags);
}

void frmSiteList::DrawRoseSector(int k, Flag flag) {
  PaintRoseSector(Drawing(), kSiteRoseCentreX, kSiteRoseCentreY, k, flag);
}

void frmSiteList::Details_Click(int Index) {
  const Logbook& book = host_.Book();
  // A new site not yet entered has no best flights, whatever site was shown before it.
  if (State == EditState::kNew || book.LastPosition() < 0) return;
  const int current = CurrentLiveSite();
  if (current < 0) return;
  const BestFlights& best = book.sites[current].best;
  int flight = -1;
  switch (Index) {
    case kDetailsLongest:
      flight = best.LONGEST_FLIGHT;
      break;
    case kDetailsHighest:
      flight = best.HIGHEST_FLIGHT;
      break;
    case kDetailsOverLaunch:
      flight = best.OVER_LAUNCH_FLIGHT;
      break;
    case kDetailsDistance:
      // The pointer names a flight even when none went anywhere; the box then stays empty,
      // and so there is no distance to show.
      flight = best.DISTANCE_FLIGHT;
      if (book.flights.IsLive(flight) && !(book.flights[flight].XC_DISTANCE > 0)) return;
      break;
    default:
      return;
  }
  if (!book.flights.IsLive(flight)) return;
  JumpToFlight(flight);
}

void frmSiteList::Go_Click() {
  if (SiteURL.Text().empty()) return;
  host_.OpenInBrowser(SiteURL.Text());
}

}  // namespace aloftra
