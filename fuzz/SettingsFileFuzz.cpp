// The settings file reader on arbitrary bytes: it must never crash, leak or hang, and the
// settings it accepts must be written and read back as the same settings.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "core/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::optional<aloftra::StartupSettings> settings = aloftra::ParseSettingsFile(bytes);
  if (!settings) return 0;
  const std::optional<std::string> written = aloftra::FormatSettingsFile(*settings);
  if (!written) return 0;  // a path the format cannot hold is never written
  // Window edges are written as real numbers of 7 digits, so only those within that range
  // come back exactly.
  if (settings->left > 9999999 || settings->left < -9999999 || settings->top > 9999999 ||
      settings->top < -9999999) {
    return 0;
  }
  if (aloftra::ParseSettingsFile(*written) != settings) {
    std::fprintf(stderr, "settings read back differently\n");
    __builtin_trap();
  }
  return 0;
}
