#include "core/SettingsFile.h"

#include <vector>

#include "core/Ascii.h"
#include "core/Numbers.h"
#include "core/TextEncoding.h"

namespace aloftra {

namespace {

constexpr std::size_t kItemCount = 5;

struct Item {
  std::string_view text;  // without its quotes; an unquoted item without surrounding blanks
  bool quoted = false;
};

// Splits the first record of the text into its items. A quoted item runs to the next double
// quote, commas and line breaks included. nullopt for an unterminated quote, text between a
// closing quote and the next comma, a double quote inside an unquoted item, more than
// kItemCount items, or anything but blank lines after the record.
std::optional<std::vector<Item>> SplitRecord(std::string_view text) {
  std::vector<Item> items;
  std::size_t pos = 0;
  while (true) {
    while (pos < text.size() && IsBlank(text[pos]))
      ++pos;
    Item item;
    if (pos < text.size() && text[pos] == '"') {
      const std::size_t close = text.find('"', pos + 1);
      if (close == std::string_view::npos) return std::nullopt;
      item = {text.substr(pos + 1, close - pos - 1), true};
      pos = close + 1;
      while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    } else {
      const std::size_t start = pos;
      while (pos < text.size() && text[pos] != ',' && !IsLineBreak(text[pos]))
        ++pos;
      item.text = TrimBlanks(text.substr(start, pos - start));
      if (item.text.find('"') != std::string_view::npos) return std::nullopt;
    }
    items.push_back(item);
    if (pos < text.size() && text[pos] == ',') {
      if (items.size() == kItemCount) return std::nullopt;
      ++pos;
      continue;
    }
    if (pos < text.size() && !IsLineBreak(text[pos])) return std::nullopt;
    break;
  }
  for (; pos < text.size(); ++pos) {
    if (!IsBlankOrLineBreak(text[pos])) return std::nullopt;
  }
  return items;
}

std::optional<double> NumberOf(const Item& item) {
  if (item.quoted) return std::nullopt;
  return ParseExactNumber(item.text);
}

// A window edge: written as a real number, read as a 32-bit integer.
std::optional<long> EdgeOf(const Item& item) {
  const std::optional<double> number = NumberOf(item);
  if (!number) return std::nullopt;
  const std::optional<std::int32_t> edge = ToInt32(*number);
  if (!edge) return std::nullopt;
  return *edge;
}

bool CanBeWritten(std::string_view text) {
  return text.find('"') == std::string_view::npos && IsValidUtf8(text);
}

std::string TextItem(std::string_view text) {
  std::string item = "\"";
  item += text;
  item += '"';
  return item;
}

}  // namespace

std::optional<std::string> FormatSettingsFile(const StartupSettings& settings) {
  if (!CanBeWritten(settings.logbookPath) || !CanBeWritten(settings.documentName)) {
    return std::nullopt;
  }
  const std::string record = TextItem(settings.logbookPath) + "," +
                             TextItem(settings.documentName) + "," +
                             FormatSingleItem(static_cast<float>(settings.left)) + "," +
                             FormatSingleItem(static_cast<float>(settings.top)) + "," +
                             FormatInteger(settings.colorMode) + "\r\n";
  return EncodeFileText(record);
}

std::optional<StartupSettings> ParseSettingsFile(std::string_view bytes) {
  const std::string text = DecodeFileText(bytes);
  const std::optional<std::vector<Item>> items = SplitRecord(text);
  if (!items || items->size() != kItemCount) return std::nullopt;

  StartupSettings settings;
  settings.logbookPath = (*items)[0].text;
  settings.documentName = (*items)[1].text;
  const std::optional<long> left = EdgeOf((*items)[2]);
  const std::optional<long> top = EdgeOf((*items)[3]);
  const std::optional<double> mode = NumberOf((*items)[4]);
  const std::optional<std::uint8_t> colorMode = mode ? ToByte(*mode) : std::nullopt;
  if (!left || !top || !colorMode) return std::nullopt;
  settings.left = *left;
  settings.top = *top;
  settings.colorMode = *colorMode;
  return settings;
}

}  // namespace aloftra
