#include "core/TextEncoding.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace aloftra {

namespace {

// Code points of the bytes 0x80 to 0x9F. The five bytes Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of the same value.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

char32_t CodePointOfByte(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
  return byte;
}

std::optional<unsigned char> ByteOfCodePoint(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<unsigned char>(code);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == code) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// Decodes the character at pos and moves pos past it; nullopt for any ill-formed sequence:
// a stray continuation byte, a truncated sequence, an overlong form, a surrogate or a
// value beyond U+10FFFF.
std::optional<char32_t> NextCodePoint(std::string_view bytes, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(bytes[pos]);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  std::size_t length = 0;
  char32_t code = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, code = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code = lead & 0x07, minimum = 0x10000;
  } else {
    return std::nullopt;
  }
  if (bytes.size() - pos < length) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(bytes[pos + i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    code = (code << 6) | (next & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    return std::nullopt;
  }
  pos += length;
  return code;
}

// The length of the run of ASCII bytes at pos, read eight at a time.
std::size_t AsciiRun(std::string_view bytes, std::size_t pos) {
  const std::size_t start = pos;
  for (; pos + 8 <= bytes.size(); pos += 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes.data() + pos, 8);
    if ((word & 0x8080808080808080ULL) != 0) break;
  }
  while (pos < bytes.size() && static_cast<unsigned char>(bytes[pos]) < 0x80)
    ++pos;
  return pos - start;
}

bool StartsWithByteOrderMark(std::string_view bytes) {
  return bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark;
}

bool IsAscii(std::string_view bytes) {
  return AsciiRun(bytes, 0) == bytes.size();
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    pos += AsciiRun(bytes, pos);
    if (pos < bytes.size() && !NextCodePoint(bytes, pos)) return false;
  }
  return true;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t run = AsciiRun(bytes, pos);
    out.append(bytes.data() + pos, run);
    pos += run;
    if (pos < bytes.size())
      AppendUtf8(out, CodePointOfByte(static_cast<unsigned char>(bytes[pos++])));
  }
  return out;
}

std::optional<std::string> Utf8ToWindows1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t run = AsciiRun(text, pos);
    out.append(text.data() + pos, run);
    pos += run;
    if (pos == text.size()) break;
    const std::optional<char32_t> code = NextCodePoint(text, pos);
    if (!code) return std::nullopt;
    const std::optional<unsigned char> byte = ByteOfCodePoint(*code);
    if (!byte) return std::nullopt;
    out += static_cast<char>(*byte);
  }
  return out;
}

std::string_view WithoutByteOrderMark(std::string_view bytes) {
  if (StartsWithByteOrderMark(bytes)) bytes.remove_prefix(kByteOrderMark.size());
  return bytes;
}

std::string DecodeFileText(std::string_view bytes) {
  if (!IsValidUtf8(bytes)) return Windows1252ToUtf8(bytes);
  if (StartsWithByteOrderMark(bytes)) bytes.remove_prefix(kByteOrderMark.size());
  return std::string(bytes);
}

std::string EncodeFileText(std::string_view text) {
  // Windows-1252 bytes that happen to form valid UTF-8 (the text "Ã©" is the bytes C3 A9)
  // would be read back as UTF-8 and come back changed; such a text is written as UTF-8.
  // A text that itself begins with a byte-order mark keeps it behind a second one, since
  // reading drops the first.
  const std::optional<std::string> single = Utf8ToWindows1252(text);
  if (single && (IsAscii(*single) || !IsValidUtf8(*single))) return *single;
  if (StartsWithByteOrderMark(text)) return std::string(kByteOrderMark) + std::string(text);
  return std::string(text);
}

}  // namespace aloftra
