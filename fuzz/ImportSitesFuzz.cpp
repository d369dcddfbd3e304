// The sites import reader on arbitrary bytes: it must never crash, leak or hang; a file is
// read only after one of the two column-name lines, and every record of it is either taken
// whole or refused with a reason.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>

#include "exchange/DelimitedRecordReader.h"
#include "exchange/ImportedRecords.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  aloftra::DelimitedRecordReader reader(in);
  std::vector<aloftra::DelimitedItem> items;
  if (reader.Next(items) != aloftra::DelimitedRecordReader::Status::kRecord) return 0;
  const aloftra::SiteListVersion version = aloftra::SiteListVersionOf(items);
  if (version == aloftra::SiteListVersion::kUnknown) return 0;
  while (reader.Next(items) == aloftra::DelimitedRecordReader::Status::kRecord) {
    aloftra::ImportedSite site;
    std::string problem;
    if (!aloftra::ReadImportedSite(items, version, site, problem) && problem.empty()) {
      std::fprintf(stderr, "a refused site gives no reason\n");
      __builtin_trap();
    }
  }
  return 0;
}
