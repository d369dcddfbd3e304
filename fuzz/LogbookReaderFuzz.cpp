// The logbook reader on arbitrary bytes: it must never crash, leak or hang, and whatever it
// accepts must survive a save and a second open unchanged (a file written by this program
// from it reads back into the same logbook, so saving it again gives the same bytes).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "core/LogbookReader.h"
#include "core/LogbookWriter.h"

namespace {

void Fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  aloftra::Logbook book;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (!aloftra::ReadLogbookFile(bytes, book).ok()) return 0;

  const aloftra::DateTime saveTime = 37000.5;
  const std::optional<std::string> saved = aloftra::FormatLogbookFile(book, saveTime);
  if (!saved) return 0;  // a record grew past the limit when written in full
  aloftra::Logbook reread;
  const aloftra::LogbookReadResult result = aloftra::ReadLogbookFile(*saved, reread);
  if (!result.ok()) Fail(("a saved logbook does not open: " + result.detail).c_str());
  if (aloftra::FormatLogbookFile(reread, saveTime) != saved) {
    Fail("a saved logbook opens differently");
  }
  return 0;
}
