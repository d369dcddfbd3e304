#include "views/NamedEntries.h"

namespace aloftra {

namespace {

template <class Record, class NameOf>
int FirstLiveNamed(const RecordTable<Record>& table, const std::string& name, NameOf nameOf) {
  for (int i = 0; i < table.SlotCount(); ++i) {
    if (!table[i].IsFree() && nameOf(table[i]) == name) return i;
  }
  return -1;
}

}  // namespace

int FirstLiveGliderNamed(const Logbook& logbook, const std::string& name) {
  return FirstLiveNamed(logbook.gliders, name,
                        [](const GliderRecord& glider) { return glider.GLIDER_NAME; });
}

int FirstLiveSiteNamed(const Logbook& logbook, const std::string& name) {
  return FirstLiveNamed(logbook.sites, name, [](const SiteRecord& site) { return site.SITE_NAME; });
}

}  // namespace aloftra
