#include "core/NameOrder.h"

#include <array>
#include <cstdint>

namespace aloftra {

namespace {

// Reads the character at pos and moves past it. A byte that does not start a complete,
// shortest-form sequence is one character of its own value.
char32_t NextCharacter(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  int length = 0;
  char32_t value = 0;
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07;
  }
  if (length == 0 || pos + static_cast<std::size_t>(length) > text.size()) {
    ++pos;
    return lead;
  }
  for (int i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + static_cast<std::size_t>(i)]);
    if ((next & 0xC0) != 0x80) {
      ++pos;
      return lead;
    }
    value = (value << 6) | (next & 0x3F);
  }
  const bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
  if (overlong || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    ++pos;
    return lead;
  }
  pos += static_cast<std::size_t>(length);
  return value;
}

// Capital letters to small ones: ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic.
char32_t SmallLetter(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c < 0xC0) return c;
  if (c <= 0xDE) return c == 0xD7 ? c : c + 32;
  if (c >= 0x100 && c <= 0x137) return c | 1;
  if (c >= 0x139 && c <= 0x148) return (c & 1) != 0 ? c + 1 : c;
  if (c >= 0x14A && c <= 0x177) return c | 1;
  if (c == 0x178) return 0xFF;
  if (c >= 0x179 && c <= 0x17E) return (c & 1) != 0 ? c + 1 : c;
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 32;
  if (c >= 0x400 && c <= 0x40F) return c + 80;
  if (c >= 0x410 && c <= 0x42F) return c + 32;
  return c;
}

// The plain letters of the small letters of Latin-1 (from U+00DF) and Latin Extended-A; a
// blank means the character stays itself, two letters are both compared.
constexpr std::array<const char*, 0x180 - 0xDF> kPlainLetters = {
    "ss",                                                                      // ß
    "a",  "a",  "a", "a", "a", "a", "ae", "c",                                 // à-ç
    "e",  "e",  "e", "e", "i", "i", "i",  "i",                                 // è-ï
    "d",  "n",  "o", "o", "o", "o", "o",  "",                                  // ð-÷
    "o",  "u",  "u", "u", "u", "y", "th", "y",                                 // ø-ÿ
    "a",  "a",  "a", "a", "a", "a", "c",  "c",  "c", "c", "c", "c", "c", "c",  // Ā-č
    "d",  "d",  "d", "d",                                                      // Ď-đ
    "e",  "e",  "e", "e", "e", "e", "e",  "e",  "e", "e",                      // Ē-ě
    "g",  "g",  "g", "g", "g", "g", "g",  "g",                                 // Ĝ-ģ
    "h",  "h",  "h", "h",                                                      // Ĥ-ħ
    "i",  "i",  "i", "i", "i", "i", "i",  "i",  "i", "i",                      // Ĩ-ı
    "ij", "ij", "j", "j", "k", "k", "k",                                       // Ĳ-ĸ
    "l",  "l",  "l", "l", "l", "l", "l",  "l",  "l", "l",                      // Ĺ-ł
    "n",  "n",  "n", "n", "n", "n", "n",  "n",  "n",                           // Ń-ŋ
    "o",  "o",  "o", "o", "o", "o", "oe", "oe",                                // Ō-œ
    "r",  "r",  "r", "r", "r", "r",                                            // Ŕ-ř
    "s",  "s",  "s", "s", "s", "s", "s",  "s",                                 // Ś-š
    "t",  "t",  "t", "t", "t", "t",                                            // Ţ-ŧ
    "u",  "u",  "u", "u", "u", "u", "u",  "u",  "u", "u", "u", "u",            // Ũ-ų
    "w",  "w",  "y", "y", "y",                                                 // Ŵ-Ÿ
    "z",  "z",  "z", "z", "z", "z", "s",                                       // Ź-ſ
};

// The characters of a name as a list compares them: small letters without accents, one
// character at a time, with "ß" giving "s" twice and the like.
class FoldedCharacters {
 public:
  explicit FoldedCharacters(std::string_view text) : text_(text) {}

  bool AtEnd() const { return *pending_ == '\0' && pos_ >= text_.size(); }

  char32_t Next() {
    if (*pending_ != '\0') return static_cast<unsigned char>(*pending_++);
    const char32_t c = SmallLetter(NextCharacter(text_, pos_));
    if (c < 0xDF || c >= 0x180) return c;
    const char* plain = kPlainLetters[c - 0xDF];
    if (*plain == '\0') return c;
    pending_ = plain + 1;
    return static_cast<unsigned char>(*plain);
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  const char* pending_ = "";
};

}  // namespace

int CompareNames(std::string_view a, std::string_view b) {
  FoldedCharacters x(a);
  FoldedCharacters y(b);
  while (!x.AtEnd() && !y.AtEnd()) {
    const char32_t cx = x.Next();
    const char32_t cy = y.Next();
    if (cx != cy) return cx < cy ? -1 : 1;
  }
  if (x.AtEnd() && y.AtEnd()) return 0;
  return x.AtEnd() ? -1 : 1;
}

bool NameIsTaken(std::string_view typed, std::string_view stored) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < typed.size() && j < stored.size()) {
    char32_t t = NextCharacter(typed, i);
    if (t == '"') t = '\'';
    if (SmallLetter(t) != SmallLetter(NextCharacter(stored, j))) return false;
  }
  return i == typed.size() && j == stored.size();
}

std::string NameAsStored(std::string_view typed) {
  std::string name(typed);
  for (char& c : name) {
    if (c == '"') c = '\'';
  }
  return name;
}

bool IsBlankName(std::string_view typed) {
  return typed.empty() || typed == " " || typed == "-1";
}

}  // namespace aloftra
