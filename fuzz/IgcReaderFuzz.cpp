// The track reader on arbitrary bytes: it must never crash, leak or hang, every fix it keeps
// lies on the earth in time order, and whatever flight it finds must be a span of those fixes
// with figures that make sense.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "exchange/IgcCrossCountry.h"
#include "exchange/IgcFlightFigures.h"
#include "exchange/IgcReader.h"

namespace {

void Check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "%s\n", what);
  __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const aloftra::IgcReadResult read = aloftra::ReadIgcText(bytes, "fuzz.igc");
  if (!read.ok()) return 0;
  const std::vector<aloftra::IgcFix>& fixes = read.track.fixes;
  for (std::size_t i = 0; i < fixes.size(); ++i) {
    Check(std::abs(fixes[i].latitude) <= 90 && std::abs(fixes[i].longitude) <= 180,
          "a fix off the earth");
    Check(i == 0 || fixes[i].seconds > fixes[i - 1].seconds, "fixes out of time order");
  }
  const aloftra::IgcFiguresResult figures = aloftra::DeriveIgcFlightFigures(read.track, {});
  if (!figures.ok()) return 0;
  const aloftra::IgcFlightSpan& span = figures.figures.span;
  Check(span.takeoff < span.landing && span.landing < fixes.size(), "a flight outside the track");
  Check(figures.figures.airtimeMinutes >= 0, "a negative airtime");
  const aloftra::IgcCrossCountry xc = aloftra::FindIgcCrossCountry(read.track, span);
  Check(xc.miles >= 0 && !std::isnan(xc.miles), "a distance that is none");
  return 0;
}
