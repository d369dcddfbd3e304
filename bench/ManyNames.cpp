#include "ManyNames.h"

#include <random>

namespace aloftra {

std::vector<std::string> ManyNames(int count, unsigned seed) {
  static const char* const kPlaces[] = {
      "Torrey Pines", "kitty hawk",     "Mt. Tamalpais", "Dunlap",   "Point of the Mountain",
      "Lookout Mtn",  "Col de l'Épine", "annecy",        "Bassano",  "Owens Valley",
      "Chelan Butte", "Ed Levin",       "Wills Wing",    "Falcon 4", "SPORT 2 155",
  };
  constexpr int kPlaceCount = static_cast<int>(sizeof kPlaces / sizeof kPlaces[0]);
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> place(0, kPlaceCount - 1);
  std::uniform_int_distribution<int> number(0, 3 * count);
  std::vector<std::string> names;
  names.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    names.push_back(std::string(kPlaces[place(random)]) + " " + std::to_string(number(random)));
  }
  return names;
}

}  // namespace aloftra
