// Reads the items of one delimited record in turn as the types of their places: text, 16-bit
// and 32-bit whole numbers, single-precision numbers. The first item that does not read as its
// type (text where a number belongs, a number too large for its field), a missing item or an
// item left over makes the whole record a read error, so a record is taken whole or not at all.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "exchange/DelimitedRecordReader.h"

namespace aloftra {

class TypedItems {
 public:
  // The record must hold exactly `expected` items.
  TypedItems(const std::vector<DelimitedItem>& items, std::size_t expected);

  // Text as UTF-8: an item that is not valid UTF-8 is read as Windows-1252, which is what
  // files written on older systems hold.
  void Text(std::string& out);
  void Int16(std::int16_t& out);
  void Int32(std::int32_t& out);
  void Single(float& out);
  // An item read and not used.
  void Skip();

  // True when every item read fitted its type and the record held the expected count.
  bool Ok() const { return !failed_; }
  const std::string& Problem() const { return problem_; }

 private:
  const DelimitedItem* Take();
  bool Whole(long long low, long long high, long long& value);
  void Fail(std::string problem);

  const std::vector<DelimitedItem>& items_;
  std::size_t next_ = 0;
  bool failed_ = false;
  std::string problem_;
};

}  // namespace aloftra
