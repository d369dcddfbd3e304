// The ASCII character classes that the readers of files and of typed text share. Only ASCII
// bytes belong to a class: a byte of 128 or more (part of a UTF-8 sequence, a Windows-1252
// letter) is never a blank, a digit or a letter, and no locale changes any of this.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

namespace aloftra {

// A blank is a space or a tab: what may stand around an item of a file or between words.
// A line break is not a blank, since it ends a record; the readers of typed text, which skip
// both, say so with IsBlankOrLineBreak.
constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
constexpr bool IsLineBreak(char c) {
  return c == '\r' || c == '\n';
}
constexpr bool IsBlankOrLineBreak(char c) {
  return IsBlank(c) || IsLineBreak(c);
}

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
constexpr bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
constexpr char ToLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The text without the blanks at either end.
constexpr std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

// Negative, zero or positive as a comes before, with or after b when ASCII letters are taken
// in lower case (so "_" comes before "A") and every other byte by its unsigned value; a text
// comes before the longer texts it begins.
constexpr int CompareIgnoringCase(std::string_view a, std::string_view b) {
  const std::size_t common = a.size() < b.size() ? a.size() : b.size();
  std::size_t i = 0;
  if (!std::is_constant_evaluated()) {
    // Equal bytes fold alike, so the common start of two texts (sorted names share long ones)
    // is skipped eight bytes at a time.
    for (; i + sizeof(std::uint64_t) <= common; i += sizeof(std::uint64_t)) {
      std::uint64_t wordA = 0;
      std::uint64_t wordB = 0;
      std::memcpy(&wordA, a.data() + i, sizeof wordA);
      std::memcpy(&wordB, b.data() + i, sizeof wordB);
      if (wordA != wordB) break;
    }
  }
  for (; i < common; ++i) {
    const auto x = static_cast<unsigned char>(ToLower(a[i]));
    const auto y = static_cast<unsigned char>(ToLower(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

constexpr bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareIgnoringCase(a, b) == 0;
}

}  // namespace aloftra
