// The flights import reader on arbitrary bytes: it must never crash, leak or hang, and every
// record it reads must read back the same once written again with the quoting rule (text
// quoted, quotes doubled), in whichever layout the first record chose.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>

#include "exchange/DelimitedRecordReader.h"
#include "exchange/ImportedRecords.h"

namespace {

void Fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  __builtin_trap();
}

std::string Rewrite(const std::vector<aloftra::DelimitedItem>& items) {
  std::string line;
  for (std::size_t k = 0; k < items.size(); ++k) {
    if (k > 0) line += ',';
    line += '"';
    for (char c : items[k].text) {
      if (c == '"') line += '"';
      line += c;
    }
    line += '"';
  }
  return line + "\r\n";
}

bool SameTexts(const std::vector<aloftra::DelimitedItem>& a,
               const std::vector<aloftra::DelimitedItem>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k) {
    if (a[k].text != b[k].text) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  aloftra::DelimitedRecordReader reader(in);
  std::vector<aloftra::DelimitedItem> items;
  auto layout = aloftra::FlightFileLayout::kImportItems;
  bool first = true;
  while (reader.Next(items) == aloftra::DelimitedRecordReader::Status::kRecord) {
    if (first && aloftra::IsFlightsExportHeader(items)) {
      layout = aloftra::FlightFileLayout::kFlightsExport;
    }
    first = false;
    aloftra::ImportedFlight flight;
    std::string problem;
    const bool read = aloftra::ReadImportedFlight(items, layout, flight, problem);
    if (!read && problem.empty()) Fail("a refused record gives no reason");

    std::istringstream again(Rewrite(items));
    aloftra::DelimitedRecordReader rereader(again);
    std::vector<aloftra::DelimitedItem> reread;
    if (rereader.Next(reread) != aloftra::DelimitedRecordReader::Status::kRecord ||
        !SameTexts(items, reread)) {
      Fail("a record written again reads back differently");
    }
  }
  return 0;
}
