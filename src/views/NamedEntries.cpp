#include "views/NamedEntries.h"

#include "core/NameOrder.h"

namespace aloftra {

namespace {

template <class Record, class NameOf, class Same>
int FirstLive(const RecordTable<Record>& table, NameOf nameOf, Same same) {
  for (int i = 0; i < table.SlotCount(); ++i) {
    if (!table[i].IsFree() && same(nameOf(table[i]))) return i;
  }
  return -1;
}

const std::string& GliderName(const GliderRecord& glider) {
  return glider.GLIDER_NAME;
}
const std::string& SiteName(const SiteRecord& site) {
  return site.SITE_NAME;
}

}  // namespace

int FirstLiveGliderNamed(const Logbook& logbook, const std::string& name) {
  return FirstLive(logbook.gliders, GliderName, [&](const std::string& n) { return n == name; });
}

int FirstLiveSiteNamed(const Logbook& logbook, const std::string& name) {
  return FirstLive(logbook.sites, SiteName, [&](const std::string& n) { return n == name; });
}

int FirstLiveGliderLike(const Logbook& logbook, const std::string& name) {
  return FirstLive(logbook.gliders, GliderName,
                   [&](const std::string& n) { return NameIsTaken(name, n); });
}

int FirstLiveSiteLike(const Logbook& logbook, const std::string& name) {
  return FirstLive(logbook.sites, SiteName,
                   [&](const std::string& n) { return NameIsTaken(name, n); });
}

}  // namespace aloftra
