// The items of the logbook file's records. A record is one line of items separated by
// commas; a text item is enclosed in double quotes and runs to the next double quote, so it
// may hold commas and line breaks but never a double quote. The reader also takes what
// older copies of the program and hand-edited files contain: blanks around items, lone LF
// line ends, and unquoted items where text is expected.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Records.h"

namespace aloftra {

// A record this long (counting the line breaks inside its text items) is refused by the
// reader, so the writer refuses to write one: no save may produce a file it cannot open.
inline constexpr std::size_t kMaxRecordLength = std::size_t{1} << 20;
// More items than any record of the file has.
inline constexpr std::size_t kMaxItemsPerRecord = 64;

struct FileItem {
  std::string_view text;  // without the quotes; an unquoted item without its blanks
  bool quoted = false;
};

enum class RecordStatus { ok, endOfFile, malformed };

// Splits the decoded text of a file into records, one at a time, without copying.
class RecordTokenizer {
 public:
  explicit RecordTokenizer(std::string_view text) : text_(text) {}

  // Reads the next record into items. endOfFile when no text is left; malformed (with
  // Problem() telling why) for an unterminated text item, text after a closing quote, a
  // record of kMaxRecordLength characters or kMaxItemsPerRecord items.
  RecordStatus Next(std::vector<FileItem>& items);

  // The 1-based line on which the last record read began (counted only when asked, for
  // the detail of a failure).
  int RecordLine() const;
  const std::string& Problem() const { return problem_; }

 private:
  bool AtLineEnd() const;
  void SkipLineEnd();
  void SkipBlanks();
  bool ReadQuoted(FileItem& item);
  void ReadUnquoted(FileItem& item);
  RecordStatus Malformed(std::string problem);

  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t recordStart_ = 0;
  std::string problem_;
};

// Reads a record's items in turn as the types of their positions. The first item that does
// not fit its type stops the reading: later calls do nothing and Failed() is true.
class ItemReader {
 public:
  // The items of a Windows-1252 file hold their text in that encoding; Text() turns it into
  // UTF-8 one item at a time, so the whole file is never copied to be decoded.
  explicit ItemReader(const std::vector<FileItem>& items, bool windows1252 = false)
      : items_(items), windows1252_(windows1252) {}

  void Text(std::string& out);
  void Int16(std::int16_t& out);
  void Int32(std::int32_t& out);
  void Byte(std::uint8_t& out);
  void Single(float& out);
  void Date(DateTime& out);
  // A class index: flag k becomes 1 for the stored index k, every other flag 0.
  template <std::size_t N>
  void ClassIndex(std::array<Flag, N>& flags) {
    std::int16_t index = -1;
    Int16(index);
    for (std::size_t k = 0; k < N; ++k)
      flags[k] = index == static_cast<int>(k) ? 1 : 0;
  }
  // A wind mask: flag i becomes 1 when bit i is set.
  void WindMask(WindFlags& flags);

  bool Failed() const { return failed_; }
  // "item 4 (\"abc\") is not a whole number from -32768 to 32767", for the failure's detail.
  const std::string& Problem() const { return problem_; }

 private:
  const FileItem* Take();
  bool WholeNumber(long long low, long long high, long long& value);
  void Fail(const FileItem& item, const char* expected);

  const std::vector<FileItem>& items_;
  bool windows1252_ = false;
  std::size_t next_ = 0;
  bool failed_ = false;
  std::string problem_;
};

// The value of an integer item: an optional sign and decimal digits, blank text reading as
// 0. false when the text is anything else or lies outside [low, high].
bool ParseWholeItem(std::string_view text, long long low, long long high, long long& value);
// The value of a real item in any decimal or exponent form ("1.5", ".5", "5.", "1E-05"),
// blank text reading as 0; false when it is not a number or does not fit a float.
bool ParseSingleItem(std::string_view text, float& value);

// Whether every byte is below 128: such text reads the same in UTF-8 and Windows-1252.
bool IsAsciiText(std::string_view text);

// Every double quote of a text becomes an apostrophe, as text items cannot hold one.
std::string ReplaceQuotes(std::string_view text);

// Builds the text of records item by item: items joined by commas without blanks, each
// record ended by CR LF. Keeps track of the longest record written.
class RecordWriter {
 public:
  // expectedLength: a guess of the whole text's length, so it is rarely moved while it grows.
  explicit RecordWriter(std::size_t expectedLength);

  void Text(std::string_view text);  // quoted, double quotes replaced by apostrophes
  void Integer(long long value);
  void Single(float value);
  void Date(DateTime value);
  template <std::size_t N>
  void ClassIndex(const std::array<Flag, N>& flags) {
    int index = -1;
    for (std::size_t k = 0; k < N; ++k) {
      if (flags[k] == kFlagSet) index = static_cast<int>(k);
    }
    Integer(index);
  }
  void WindMask(const WindFlags& flags);
  void EndRecord();

  std::size_t LongestRecord() const { return longest_; }
  // The text written; the writer is empty afterwards.
  std::string Finish();

 private:
  // Room for count more characters at the end of the text.
  char* Room(std::size_t count);
  void Put(std::string_view text);
  void PutInteger(long long value);
  void Separate();

  std::string buffer_;  // the text is buffer_[0, size_); the rest is room to grow
  std::size_t size_ = 0;
  std::size_t recordStart_ = 0;
  bool firstItem_ = true;
  std::size_t longest_ = 0;
};

}  // namespace aloftra
