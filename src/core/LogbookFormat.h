// What the reader and the writer of the logbook file agree on: the versions, the number of
// items of each record and the markers of the end records.
#pragma once

#include <string_view>

namespace aloftra {

inline constexpr std::string_view kFileProgramName = "Aloftra";
inline constexpr std::string_view kWrittenVersion = "1.3";

enum class FileVersion { v1_1, v1_2, v1_3 };  // "1.0" files are read as "1.1"

inline constexpr int kHeaderItems = 2;
inline constexpr int kPilotItems = 5;
inline constexpr int kAwardItemsPerWing = 28;
inline constexpr int kTotalsItems = 16;
inline constexpr int kVarioItems = 1;
inline constexpr int kUnitItems = 13;
inline constexpr int kGliderItems = 25;
inline constexpr int kTopicItems = 2;
inline constexpr int kOrderItems = 5;

// Sites gained URL and flights GPS_COORDS as their last text item in "1.3".
constexpr int SiteItems(FileVersion version) {
  return version == FileVersion::v1_3 ? 19 : 18;
}
constexpr int FlightItems(FileVersion version) {
  return version == FileVersion::v1_3 ? 23 : 22;
}

// The end record of each list is recognised by its first item: the text -1 for gliders and
// topics, the number -1 for sites, flights and orders.
inline constexpr std::string_view kEndText = "-1";
inline constexpr int kEndNumber = -1;

// The sort key of each item of an order record: Airtime, Date, Distance, Max MSL, Over Launch.
inline constexpr int kOrderItemKeys[kOrderItems] = {1, 0, 4, 2, 3};

}  // namespace aloftra
