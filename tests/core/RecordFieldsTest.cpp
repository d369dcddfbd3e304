// The field lists agree with the file's record lengths, and each gives every field one name
// and one place in the data model's order.
#include "core/RecordFields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <string>
#include <vector>

namespace aloftra {
namespace {

// The items one field takes in the file.
template <class Value>
int ItemsOf(const Value&) {
  return 1;
}
template <std::size_t N>
int ItemsOf(const std::array<Flag, N>&) {
  return static_cast<int>(N);
}

struct Visited {
  int items = 0;
  std::vector<int> places;
  std::set<std::string> names;
};

template <class Record>
Visited Visit(FileVersion version) {
  const Record record{};
  Visited visited;
  ForEachField(record, [&](const FieldInfo& field, const auto& value) {
    visited.places.push_back(field.modelPlace);
    EXPECT_TRUE(visited.names.insert(std::string(field.name)).second) << field.name;
    if (field.since <= version) visited.items += ItemsOf(value);
  });
  return visited;
}

// The places of the fields, sorted, with the places of the fields kept out of the record's
// file list.
std::vector<int> SortedPlaces(Visited visited, std::initializer_list<int> keptElsewhere) {
  visited.places.insert(visited.places.end(), keptElsewhere);
  std::sort(visited.places.begin(), visited.places.end());
  return visited.places;
}

std::vector<int> ZeroTo(std::size_t count) {
  std::vector<int> places(count);
  std::iota(places.begin(), places.end(), 0);
  return places;
}

TEST(RecordFieldsTest, EachVersionsRecordsHoldAsManyItemsAsTheFieldsTake) {
  for (FileVersion v : {FileVersion::v1_1, FileVersion::v1_2, FileVersion::v1_3}) {
    SCOPED_TRACE(static_cast<int>(v));
    EXPECT_EQ(Visit<PilotInfo>(v).items, kPilotItems);
    EXPECT_EQ(Visit<PilotTotals>(v).items, kTotalsItems);
    EXPECT_EQ(Visit<GliderRecord>(v).items, kGliderItems);
    EXPECT_EQ(Visit<SiteRecord>(v).items, SiteItems(v));
    EXPECT_EQ(Visit<NoteTopic>(v).items, kTopicItems);
    EXPECT_EQ(Visit<FlightRecord>(v).items, FlightItems(v));
  }
}

// A place used twice would lose a field from the dump, a gap would show a null one.
TEST(RecordFieldsTest, ModelPlacesNumberTheFieldsWithoutGapsOrRepeats) {
  const FileVersion v = FileVersion::v1_3;
  const Visited pilot = Visit<PilotInfo>(v);
  EXPECT_EQ(SortedPlaces(pilot, {5}), ZeroTo(6));  // AWARD_FLAGS
  const Visited totals = Visit<PilotTotals>(v);
  EXPECT_EQ(SortedPlaces(totals, {16}), ZeroTo(17));  // DAYS_SINCE_LAST
  for (const Visited& visited : {Visit<GliderRecord>(v), Visit<SiteRecord>(v), Visit<NoteTopic>(v),
                                 Visit<FlightRecord>(v)}) {
    EXPECT_EQ(SortedPlaces(visited, {}), ZeroTo(visited.places.size()));
  }
}

}  // namespace
}  // namespace aloftra
