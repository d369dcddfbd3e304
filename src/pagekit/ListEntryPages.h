// What may be typed into the site page and the glider page from outside them (the import):
// each page implements its interface, and the page host hands it out. The page presses its
// own New and Enter, so what is typed passes the page's own checks and messages.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/Records.h"

namespace aloftra {

// One site as texts typed into the site page's boxes, with its level boxes and directions.
struct SiteEntryText {
  std::string name;
  std::string location;
  std::string launch;
  std::string landing;
  std::array<bool, kDifficultyLevels> difficulty{};  // Beginner, Novice, Intermediate, Advanced
  WindFlags wind{};
  std::string description;
  std::string url;
};

class SiteEntryPage {
 public:
  // Presses New Site, fills the boxes and presses Enter; true when the site was stored.
  virtual bool EnterTypedSite(const SiteEntryText& site) = 0;

 protected:
  ~SiteEntryPage() = default;
};

class GliderEntryPage {
 public:
  // Presses New Glider, types the name, chooses hang glider or paraglider and presses Enter;
  // true when the glider was stored.
  virtual bool EnterTypedGlider(const std::string& name, bool paraglider) = 0;

 protected:
  ~GliderEntryPage() = default;
};

}  // namespace aloftra
