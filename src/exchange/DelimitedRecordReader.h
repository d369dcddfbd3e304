// Reads comma-delimited text files one record at a time, from a stream, so a file of any size
// is read in a bounded amount of memory. A record is one line of items separated by commas;
// a text item is enclosed in double quotes, inside which a doubled double quote stands for
// one double quote and commas and line breaks belong to the item (so a quoted item may go on
// over several lines). Blanks around an item are not part of it. Lines end with CR LF, LF or
// a lone CR; empty lines are skipped.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

namespace aloftra {

struct DelimitedItem {
  std::string text;  // without its quotes; "" "" already read as one quote
  bool quoted = false;
  bool padded = false;  // blanks stood before or after it
};

// No import file has records this long or with this many items: anything longer is not a
// file of ours, and reading it whole would let a damaged file exhaust the memory.
inline constexpr std::size_t kMaxDelimitedRecordLength = std::size_t{1} << 20;
inline constexpr std::size_t kMaxDelimitedItems = 64;

class DelimitedRecordReader {
 public:
  enum class Status { kRecord, kEnd, kMalformed };

  explicit DelimitedRecordReader(std::istream& in) : in_(in) {}

  // Reads the next record into items. kEnd when no record is left; kMalformed (Problem()
  // says why) for an unterminated quoted item, text after a closing quote, a record longer
  // than kMaxDelimitedRecordLength or with more than kMaxDelimitedItems items, or a stream
  // that failed while being read. After kMalformed the reader stays malformed.
  Status Next(std::vector<DelimitedItem>& items);

  // The 1-based line on which the last record read began.
  long RecordLine() const { return recordLine_; }
  const std::string& Problem() const { return problem_; }

 private:
  int Get();
  int Peek();
  // Consumes the rest of a line end whose first character c was just read.
  void FinishLineEnd(int c);
  bool ReadQuoted(DelimitedItem& item);
  // Reads an unquoted item up to the comma or line end, which is left unread.
  bool ReadUnquoted(DelimitedItem& item);
  // Skips blanks before or after an item, noting them on it; false when the record grew too long.
  bool SkipBlanks(DelimitedItem& item);
  // False when the first bytes begin a UTF-8 byte order mark but do not complete it.
  bool SkipByteOrderMark();
  Status Malformed(std::string problem);

  std::istream& in_;
  long line_ = 1;
  long recordLine_ = 0;
  std::size_t recordLength_ = 0;
  bool malformed_ = false;
  std::string problem_;
};

}  // namespace aloftra
