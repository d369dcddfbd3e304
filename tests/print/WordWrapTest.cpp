// The greedy word wrap: as many words to a line as fit, the blank kept at the end of the
// line it ends, and a word wider than the line left whole on a line of its own.
#include <gtest/gtest.h>

#include <random>

#include "print/WordWrap.h"

namespace aloftra::test {
namespace {

// Every character is 10 twips wide, so a width of 10 n holds n characters.
double Measure(std::string_view text) {
  return 10.0 * static_cast<double>(text.size());
}

std::vector<std::string> Wrapped(std::string_view text, int characters) {
  return SplitLines(WordWrap(text, 10.0 * characters, Measure));
}

TEST(WordWrapTest, Cases) {
  struct Case {
    const char* text;
    int width;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", 10, {""}},
      {"short", 10, {"short"}},
      {"aaa bbb ccc", 8, {"aaa bbb ", "ccc"}},
      // The blank after "bbb" makes the piece 8 wide: it no longer fits 7.
      {"aaa bbb ccc", 7, {"aaa ", "bbb ccc"}},
      {"aaa bbb ccc", 6, {"aaa ", "bbb ", "ccc"}},
      // Blanks that begin a continued line are dropped, those ending a line kept.
      {"aaa    bbb", 6, {"aaa   ", "bbb"}},
      {"aaa    bbb", 5, {"aaa  ", "bbb"}},
      // A word wider than the line keeps a line of its own, and wrapping goes on after it.
      {"extraordinarily long words wrap", 10, {"extraordinarily ", "long ", "words wrap"}},
      {"abcdefghijklmnop", 5, {"abcdefghijklmnop"}},
      // Line breaks already in the text stay, each paragraph wrapped on its own.
      {"one two\r\nthree four", 8, {"one two", "three ", "four"}},
      {"a\nb\rc", 8, {"a", "b", "c"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Wrapped(c.text, c.width), c.lines);
  }
}

TEST(WordWrapTest, LinesAreGreedyFitAndKeepEveryWordInOrder) {
  std::mt19937 random(20010505);
  std::uniform_int_distribution<int> wordLength(1, 14);
  std::uniform_int_distribution<int> blanks(1, 3);
  std::uniform_int_distribution<int> widths(4, 40);
  for (int round = 0; round < 500; ++round) {
    std::string text;
    std::vector<std::string> words;
    int count = 1 + round % 30;
    for (int w = 0; w < count; ++w) {
      std::string word(static_cast<std::size_t>(wordLength(random)), char('a' + w % 26));
      words.push_back(word);
      text += word;
      if (w + 1 < count) text += std::string(static_cast<std::size_t>(blanks(random)), ' ');
    }
    int width = widths(random);
    std::vector<std::string> lines = Wrapped(text, width);

    std::vector<std::string> seen;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string& line = lines[i];
      ASSERT_FALSE(line.empty());
      ASSERT_NE(line.front(), ' ') << "a continued line starts with a blank";
      std::size_t end = line.find_last_not_of(' ');
      std::string content = line.substr(0, end + 1);
      bool singleWord = content.find(' ') == std::string::npos;
      if (!singleWord) {
        ASSERT_LE(static_cast<int>(line.size()), width) << line;
      } else if (static_cast<int>(line.size()) > width) {
        ASSERT_GT(static_cast<int>(content.size()) + 1, width) << "a fitting word left alone";
      }
      // Greedy: the next line's first word would not have fitted after this line.
      if (i + 1 < lines.size()) {
        std::string next = lines[i + 1].substr(0, lines[i + 1].find(' ') + 1);
        if (lines[i + 1].find(' ') == std::string::npos) next = lines[i + 1];
        ASSERT_GT(static_cast<int>((line + next).size()), width);
      }
      std::size_t start = 0;
      while (start < content.size()) {
        std::size_t blank = content.find(' ', start);
        if (blank == std::string::npos) blank = content.size();
        seen.push_back(content.substr(start, blank - start));
        start = content.find_first_not_of(' ', blank);
        if (start == std::string::npos) break;
      }
    }
    ASSERT_EQ(seen, words);
  }
}

}  // namespace
}  // namespace aloftra::test
