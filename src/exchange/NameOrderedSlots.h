// The live slots of a table of named records in the order of the page's name list:
// alphabetical by CompareNames, names that compare equal in slot order.
#pragma once

#include <algorithm>
#include <vector>

#include "core/NameOrder.h"
#include "core/RecordTable.h"

namespace aloftra {

template <typename Record, typename NameOf>
std::vector<int> NameOrderedSlots(const RecordTable<Record>& table, NameOf nameOf) {
  std::vector<int> slots;
  slots.reserve(static_cast<std::size_t>(table.LiveCount()));
  for (int slot = 0; slot < table.SlotCount(); ++slot) {
    if (table.IsLive(slot)) slots.push_back(slot);
  }
  std::stable_sort(slots.begin(), slots.end(), [&](int a, int b) {
    return CompareNames(nameOf(table[a]), nameOf(table[b])) < 0;
  });
  return slots;
}

}  // namespace aloftra
