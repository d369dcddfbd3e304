// A reader of comma-delimited text for the tests, written apart from the writer: quoted
// items with doubled quotes inside, unquoted items as they stand, records ended by CR LF
// outside quotes. Every item comes back as its text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace aloftra::test {

using DelimitedRecord = std::vector<std::string>;

inline std::vector<DelimitedRecord> ReadDelimited(std::string_view text) {
  std::vector<DelimitedRecord> records;
  DelimitedRecord record;
  std::string item;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c != '"') {
        item += c;
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        item += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      record.push_back(std::move(item));
      item.clear();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      record.push_back(std::move(item));
      item.clear();
      records.push_back(std::move(record));
      record.clear();
      ++i;
    } else {
      item += c;
    }
  }
  if (!item.empty() || !record.empty()) {
    record.push_back(std::move(item));
    records.push_back(std::move(record));
  }
  return records;
}

}  // namespace aloftra::test
