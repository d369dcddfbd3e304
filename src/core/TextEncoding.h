// Text is UTF-8 in memory. Files are read as UTF-8 when their bytes are valid UTF-8 and as
// Windows-1252 otherwise; a logbook is written in Windows-1252 when every character fits,
// so older copies of the program can read it, and in UTF-8 otherwise. No byte is lost: the
// five bytes Windows-1252 leaves undefined map to the control characters of the same value.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace aloftra {

bool IsValidUtf8(std::string_view bytes);
std::string Windows1252ToUtf8(std::string_view bytes);
// nullopt when some character has no Windows-1252 byte.
std::optional<std::string> Utf8ToWindows1252(std::string_view text);

// UTF-8 bytes without a leading byte-order mark.
std::string_view WithoutByteOrderMark(std::string_view bytes);

// The text of a file's bytes (a UTF-8 byte-order mark is dropped).
std::string DecodeFileText(std::string_view bytes);
// The bytes to write for a text.
std::string EncodeFileText(std::string_view text);

}  // namespace aloftra
