// The settings file "Startup.dat" in the program folder: one record of five items, in the
// logbook file's item forms, remembering the logbook last saved, its document name, where the
// main window stood and the colour mode.
//
//   "/home/pilot/Soaring.log","Soaring",7500,1200,1<CR><LF>
//
// The text items go in double quotes as they are, without the logbook file's replacement of
// double quotes, so a text holding a double quote cannot be written. The window edges are
// written as real-number items and read back as 32-bit integers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace aloftra {

struct StartupSettings {
  std::string logbookPath;   // full path of the logbook last saved
  std::string documentName;  // its name without folder and extension
  long left = 0;             // main window edges, twips
  long top = 0;
  std::uint8_t colorMode = 1;  // 1 full colour, 0 plain

  bool operator==(const StartupSettings&) const = default;
};

// The exact bytes of the file (Windows-1252 when every character fits, else UTF-8).
// nullopt when a text item holds a double quote or is not valid UTF-8, since the record
// could not be read back as written; the caller then leaves the old file alone.
std::optional<std::string> FormatSettingsFile(const StartupSettings& settings);

// The settings held in the bytes of a file; nullopt when they are not exactly one such
// record (followed by nothing but line breaks and blanks): too few or too many items, an
// unterminated text, an edge that is no number or does not fit 32 bits (a fraction is
// rounded, halves to even), a colour mode that is no byte. The final line break may be
// missing.
std::optional<StartupSettings> ParseSettingsFile(std::string_view bytes);

}  // namespace aloftra
