// The delimited-item reader: quoting, doubled quotes, line breaks inside quotes, and the
// damaged input it must refuse without running away.
#include "exchange/DelimitedRecordReader.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <streambuf>

namespace aloftra {
namespace {

using Records = std::vector<std::vector<std::string>>;

// Reads every record of a text; nullopt when the reader finds it malformed.
std::optional<Records> ReadAll(const std::string& text) {
  std::istringstream in(text);
  DelimitedRecordReader reader(in);
  Records records;
  std::vector<DelimitedItem> items;
  for (;;) {
    switch (reader.Next(items)) {
      case DelimitedRecordReader::Status::kEnd:
        return records;
      case DelimitedRecordReader::Status::kMalformed:
        return std::nullopt;
      case DelimitedRecordReader::Status::kRecord: {
        std::vector<std::string> texts;
        for (const DelimitedItem& item : items)
          texts.push_back(item.text);
        records.push_back(texts);
      }
    }
  }
}

TEST(DelimitedRecordReaderTest, ReadsItemsAsWritten) {
  struct Case {
    const char* name;
    std::string text;
    Records expected;
  };
  const Case cases[] = {
      {"text and numbers", "\"Ridge\",1200,-.5\r\n", {{"Ridge", "1200", "-.5"}}},
      {"doubled quote", "\"say \"\"hi\"\"\",1\r\n", {{"say \"hi\"", "1"}}},
      {"only a quote", "\"\"\"\"\r\n", {{"\""}}},
      {"comma inside quotes", "\"a,b\",2\r\n", {{"a,b", "2"}}},
      {"CR LF inside quotes", "\"one\r\ntwo\",3\r\n\"next\"\r\n", {{"one\r\ntwo", "3"}, {"next"}}},
      {"LF inside quotes", "\"one\ntwo\"\n", {{"one\ntwo"}}},
      {"empty items", ",,\r\n", {{"", "", ""}}},
      {"empty quoted item", "\"\",1\r\n", {{"", "1"}}},
      {"blank lines skipped", "\r\n\r\n\"a\"\r\n\n\r\n\"b\"", {{"a"}, {"b"}}},
      {"lone LF and lone CR", "1\n2\r3", {{"1"}, {"2"}, {"3"}}},
      {"no line end at the end", "\"a\",1", {{"a", "1"}}},
      {"blanks around items", " \"a\" , 5 ,x y \r\n", {{"a", "5", "x y"}}},
      {"byte order mark", "\xEF\xBB\xBF\"SITE_NAME\"\r\n", {{"SITE_NAME"}}},
      {"empty text", "", {}},
  };
  for (const Case& c : cases) {
    std::optional<Records> records = ReadAll(c.text);
    ASSERT_TRUE(records.has_value()) << c.name;
    EXPECT_EQ(*records, c.expected) << c.name;
  }
}

TEST(DelimitedRecordReaderTest, RefusesDamagedRecords) {
  const std::pair<const char*, std::string> cases[] = {
      {"unterminated quote", "\"abc,1\r\n2\r\n"},
      {"text after a closing quote", "\"ab\"c,1\r\n"},
      {"a quote left single inside", "\"He said \"hi\"\",1\r\n"},
      {"too many items", std::string(kMaxDelimitedItems, ',') + "\r\n"},
      {"damaged byte order mark", "\xEF\xBB\"a\"\r\n"},
  };
  for (const auto& [name, text] : cases)
    EXPECT_FALSE(ReadAll(text).has_value()) << name;
}

TEST(DelimitedRecordReaderTest, TellsWhereEachRecordBeganAndStaysMalformed) {
  std::istringstream in("\"a\r\nb\",1\r\n\r\n\"c\"\r\n\"bad\"x\r\n\"d\"\r\n");
  DelimitedRecordReader reader(in);
  std::vector<DelimitedItem> items;
  ASSERT_EQ(reader.Next(items), DelimitedRecordReader::Status::kRecord);
  EXPECT_EQ(reader.RecordLine(), 1);
  ASSERT_EQ(reader.Next(items), DelimitedRecordReader::Status::kRecord);
  EXPECT_EQ(reader.RecordLine(), 4);
  EXPECT_EQ(reader.Next(items), DelimitedRecordReader::Status::kMalformed);
  EXPECT_FALSE(reader.Problem().empty());
  EXPECT_EQ(reader.Next(items), DelimitedRecordReader::Status::kMalformed);
  EXPECT_TRUE(items.empty());
}

TEST(DelimitedRecordReaderTest, MarksQuotedAndPaddedItems) {
  std::istringstream in("\"a\",b, \"c\",\"d\" \r\n");
  DelimitedRecordReader reader(in);
  std::vector<DelimitedItem> items;
  ASSERT_EQ(reader.Next(items), DelimitedRecordReader::Status::kRecord);
  ASSERT_EQ(items.size(), 4u);
  EXPECT_TRUE(items[0].quoted && !items[0].padded);
  EXPECT_TRUE(!items[1].quoted && !items[1].padded);
  EXPECT_TRUE(items[2].quoted && items[2].padded);
  EXPECT_TRUE(items[3].quoted && items[3].padded);
}

// An endless source of one byte, so a huge file costs no memory to make.
class RepeatingBuffer : public std::streambuf {
 public:
  RepeatingBuffer(char byte, std::size_t length) : byte_(byte), left_(length) {}
  // Bytes handed out to the reader so far, counting whole blocks.
  std::size_t Handed() const { return handed_; }

 protected:
  int_type underflow() override {
    if (left_ == 0) return traits_type::eof();
    std::size_t count = std::min(left_, sizeof block_);
    std::fill_n(block_, count, byte_);
    left_ -= count;
    handed_ += count;
    setg(block_, block_, block_ + count);
    return traits_type::to_int_type(block_[0]);
  }

 private:
  char byte_;
  std::size_t left_;
  std::size_t handed_ = 0;
  char block_[4096];
};

TEST(DelimitedRecordReaderTest, AHundredMegabyteLineIsRefusedAfterTheRecordLimit) {
  constexpr std::size_t kHundredMegabytes = std::size_t{100} << 20;
  for (char byte : {'x', '"', '\xFF'}) {
    RepeatingBuffer buffer(byte, kHundredMegabytes);
    std::istream in(&buffer);
    DelimitedRecordReader reader(in);
    std::vector<DelimitedItem> items;
    // A run of quotes is a quoted item of doubled quotes that never closes.
    EXPECT_EQ(reader.Next(items), DelimitedRecordReader::Status::kMalformed) << byte;
    EXPECT_LT(buffer.Handed(), 2 * kMaxDelimitedRecordLength) << "stops without reading the rest";
  }
}

// Writes items as the export does: text quoted with its quotes doubled, numbers bare.
std::string WriteRecord(const std::vector<std::pair<std::string, bool>>& items) {
  std::string line;
  for (std::size_t k = 0; k < items.size(); ++k) {
    if (k > 0) line += ',';
    const auto& [text, quoted] = items[k];
    if (!quoted) {
      line += text;
      continue;
    }
    line += '"';
    for (char c : text) {
      if (c == '"') line += '"';
      line += c;
    }
    line += '"';
  }
  return line + "\r\n";
}

TEST(DelimitedRecordReaderTest, ReadsBackWhatTheQuotingRuleWrites) {
  std::mt19937 random(20261208);
  const std::string alphabet = "ab ,\"\r\n'-1.";
  for (int round = 0; round < 500; ++round) {
    Records expected;
    std::string text;
    const int records = 1 + static_cast<int>(random() % 4);
    for (int r = 0; r < records; ++r) {
      std::vector<std::pair<std::string, bool>> items;
      std::vector<std::string> texts;
      const int count = 1 + static_cast<int>(random() % 6);
      for (int k = 0; k < count; ++k) {
        bool quoted = random() % 3 != 0;
        std::string item;
        // A bare number has a digit at least, or a lone item would make an empty line.
        const int length = static_cast<int>(random() % 8) + (quoted ? 0 : 1);
        for (int c = 0; c < length; ++c) {
          item += quoted ? alphabet[random() % alphabet.size()] : "0123456789"[random() % 10];
        }
        items.emplace_back(item, quoted);
        texts.push_back(item);
      }
      text += WriteRecord(items);
      expected.push_back(texts);
    }
    std::optional<Records> read = ReadAll(text);
    ASSERT_TRUE(read.has_value()) << text;
    EXPECT_EQ(*read, expected) << text;
  }
}

}  // namespace
}  // namespace aloftra
