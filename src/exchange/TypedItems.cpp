#include "exchange/TypedItems.h"

#include <limits>

#include "core/FileItems.h"
#include "core/TextEncoding.h"

namespace aloftra {

TypedItems::TypedItems(const std::vector<DelimitedItem>& items, std::size_t expected)
    : items_(items) {
  if (items.size() != expected) {
    Fail(std::to_string(items.size()) + " items where " + std::to_string(expected) + " belong");
  }
}

void TypedItems::Fail(std::string problem) {
  if (failed_) return;
  failed_ = true;
  problem_ = std::move(problem);
}

const DelimitedItem* TypedItems::Take() {
  if (failed_ || next_ >= items_.size()) return nullptr;
  return &items_[next_++];
}

void TypedItems::Text(std::string& out) {
  const DelimitedItem* item = Take();
  if (item == nullptr) return;
  out = IsValidUtf8(item->text) ? item->text : Windows1252ToUtf8(item->text);
}

void TypedItems::Skip() {
  Take();
}

bool TypedItems::Whole(long long low, long long high, long long& value) {
  const DelimitedItem* item = Take();
  if (item == nullptr) return false;
  if (ParseWholeItem(item->text, low, high, value)) return true;
  Fail("item " + std::to_string(next_) + " is not a whole number from " + std::to_string(low) +
       " to " + std::to_string(high));
  return false;
}

void TypedItems::Int16(std::int16_t& out) {
  long long value = 0;
  if (Whole(std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max(),
            value)) {
    out = static_cast<std::int16_t>(value);
  }
}

void TypedItems::Int32(std::int32_t& out) {
  long long value = 0;
  if (Whole(std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(),
            value)) {
    out = static_cast<std::int32_t>(value);
  }
}

void TypedItems::Single(float& out) {
  const DelimitedItem* item = Take();
  if (item == nullptr) return;
  float value = 0;
  if (ParseSingleItem(item->text, value)) {
    out = value;
  } else {
    Fail("item " + std::to_string(next_) + " is not a number");
  }
}

}  // namespace aloftra
