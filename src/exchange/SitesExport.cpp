// The sites file: one line per live site, in the order of the site page's list.
#include "exchange/DelimitedItems.h"
#include "exchange/ExportFile.h"
#include "exchange/ExportValues.h"
#include "exchange/NameOrderedSlots.h"
#include "flights/WindDirectionText.h"

namespace aloftra {

namespace {

constexpr const char* kColumnNames[kSiteColumns] = {
    "SITE_NAME",   "LOCATION",      "LAUNCH_MSL",  "LANDING_MSL", "DIFFICULTY1",
    "DIFFICULTY2", "WIND_DIREC1",   "WIND_DIREC2", "DESCRIPTION", "FLYING_DAYS",
    "FLIGHTS",     "TOTAL_AIRTIME", "URL"};

constexpr std::size_t kFixedLineLength = 120;

void WriteSite(DelimitedWriter& out, const UnitFlags& units, const SiteRecord& site) {
  out.Text(site.SITE_NAME);
  out.Text(site.LOCATION);
  out.Number(ExportedMeasure(site.LAUNCH_MSL, UnitKind::kAltitude, true, units));
  out.Number(ExportedMeasure(site.LANDING_MSL, UnitKind::kAltitude, true, units));
  out.Text(DifficultyText(site.DIFFICULTY));
  out.Integer(DifficultyMask(site.DIFFICULTY));
  out.Text(WindDirectionText(site.WIND_FLAGS));
  out.Integer(WindMask(site.WIND_FLAGS));
  out.Text(site.DESCRIPTION);
  out.Integer(site.FLYING_DAYS);
  out.Integer(site.FLIGHTS);
  out.Integer(site.TOTAL_AIRTIME);
  out.Text(site.URL);
  out.EndLine();
}

}  // namespace

std::string SitesExportText(const Logbook& book) {
  const std::vector<int> slots =
      NameOrderedSlots(book.sites, [](const SiteRecord& site) { return site.SITE_NAME; });
  DelimitedWriter out(kFixedLineLength * (slots.size() + 1));
  for (const char* name : kColumnNames)
    out.Text(name);
  out.EndLine();
  for (int slot : slots)
    WriteSite(out, book.UNIT_FLAGS, book.sites[slot]);
  return out.Finish();
}

}  // namespace aloftra
