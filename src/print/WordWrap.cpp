#include "print/WordWrap.h"

#include <vector>

namespace aloftra {

namespace {

// The length of the longest piece of rest, cut just after one of its blanks, that fits;
// 0 when none does. Wider prefixes never measure narrower, so the blanks are searched by
// halves rather than stepped back one by one.
std::size_t FittingCut(std::string_view rest, double width, const MeasureText& measure) {
  std::vector<std::size_t> cuts;
  for (std::size_t i = 0; i < rest.size(); ++i) {
    if (rest[i] == ' ') cuts.push_back(i + 1);
  }
  std::size_t low = 0;
  std::size_t high = cuts.size();  // cuts[0, low) fit, cuts[high, end) do not
  while (low < high) {
    std::size_t middle = (low + high) / 2;
    if (measure(rest.substr(0, cuts[middle])) <= width) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return low == 0 ? 0 : cuts[low - 1];
}

std::string_view DropLeadingBlanks(std::string_view text) {
  std::size_t start = text.find_first_not_of(' ');
  return start == std::string_view::npos ? std::string_view{} : text.substr(start);
}

void WrapParagraph(std::string_view rest, double width, const MeasureText& measure,
                   std::vector<std::string_view>& lines) {
  while (true) {
    if (measure(rest) <= width) {
      lines.push_back(rest);
      return;
    }
    std::size_t cut = FittingCut(rest, width, measure);
    if (cut == 0) {
      // Not even the first word fits: it takes a line of its own, whole.
      std::size_t blank = rest.find(' ');
      if (blank == std::string_view::npos) {
        lines.push_back(rest);
        return;
      }
      std::size_t next = rest.find_first_not_of(' ', blank);
      cut = next == std::string_view::npos ? rest.size() : next;
    }
    lines.push_back(rest.substr(0, cut));
    rest = DropLeadingBlanks(rest.substr(cut));
    if (rest.empty()) return;
  }
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  lines.emplace_back(text.substr(start));
  return lines;
}

std::string WordWrap(std::string_view text, double width, const MeasureText& measure) {
  std::vector<std::string> paragraphs = SplitLines(text);
  std::string result;
  bool first = true;
  for (const std::string& paragraph : paragraphs) {
    std::vector<std::string_view> lines;
    WrapParagraph(paragraph, width, measure, lines);
    for (std::string_view line : lines) {
      if (!first) result += "\r\n";
      result += line;
      first = false;
    }
  }
  return result;
}

}  // namespace aloftra
