#include "exchange/DelimitedRecordReader.h"

namespace aloftra {

namespace {

constexpr int kEof = std::char_traits<char>::eof();

bool IsLineEnd(int c) {
  return c == '\r' || c == '\n';
}

bool IsBlank(int c) {
  return c == ' ' || c == '\t';
}

// True when there were any.
bool TrimTrailingBlanks(std::string& text) {
  std::size_t end = text.size();
  while (end > 0 && IsBlank(static_cast<unsigned char>(text[end - 1])))
    --end;
  bool trimmed = end != text.size();
  text.resize(end);
  return trimmed;
}

}  // namespace

int DelimitedRecordReader::Get() {
  int c = in_.rdbuf()->sbumpc();
  if (c != kEof) ++recordLength_;
  return c;
}

int DelimitedRecordReader::Peek() {
  return in_.rdbuf()->sgetc();
}

void DelimitedRecordReader::FinishLineEnd(int c) {
  if (c == '\r' && Peek() == '\n') Get();
  ++line_;
}

DelimitedRecordReader::Status DelimitedRecordReader::Malformed(std::string problem) {
  malformed_ = true;
  problem_ = std::move(problem);
  return Status::kMalformed;
}

bool DelimitedRecordReader::SkipByteOrderMark() {
  // Editors that save UTF-8 often put EF BB BF before the text; it is not part of the first item.
  constexpr unsigned char kMark[] = {0xEF, 0xBB, 0xBF};
  if (Peek() != kMark[0]) return true;
  for (unsigned char expected : kMark) {
    if (Peek() != expected) return false;
    Get();
  }
  return true;
}

bool DelimitedRecordReader::SkipBlanks(DelimitedItem& item) {
  while (IsBlank(Peek())) {
    item.padded = true;
    Get();
  }
  return recordLength_ <= kMaxDelimitedRecordLength;
}

bool DelimitedRecordReader::ReadQuoted(DelimitedItem& item) {
  item.quoted = true;
  for (;;) {
    if (recordLength_ > kMaxDelimitedRecordLength) return false;
    int c = Get();
    if (c == kEof) return false;
    if (c == '"') {
      if (Peek() != '"') return true;
      Get();
    } else if (IsLineEnd(c)) {
      // A line break inside quotes belongs to the item as it was written.
      if (c == '\r' && Peek() == '\n') {
        Get();
        item.text += '\r';
        c = '\n';
      }
      ++line_;
    }
    item.text += static_cast<char>(c);
  }
}

bool DelimitedRecordReader::ReadUnquoted(DelimitedItem& item) {
  for (;;) {
    if (recordLength_ > kMaxDelimitedRecordLength) return false;
    int c = Peek();
    if (c == kEof || c == ',' || IsLineEnd(c)) break;
    item.text += static_cast<char>(Get());
  }
  item.padded = TrimTrailingBlanks(item.text) || item.padded;
  return true;
}

DelimitedRecordReader::Status DelimitedRecordReader::Next(std::vector<DelimitedItem>& items) {
  items.clear();
  if (malformed_) return Status::kMalformed;
  if (!in_.rdbuf()) return Malformed("the file cannot be read");
  if (line_ == 1 && recordLine_ == 0 && !SkipByteOrderMark()) {
    return Malformed("the file starts with a damaged byte order mark");
  }

  // Empty lines hold no record.
  for (;;) {
    int c = Peek();
    if (c == kEof) return Status::kEnd;
    if (!IsLineEnd(c)) break;
    FinishLineEnd(Get());
  }
  recordLine_ = line_;
  recordLength_ = 0;

  for (;;) {
    if (items.size() == kMaxDelimitedItems) {
      return Malformed("more than " + std::to_string(kMaxDelimitedItems) + " items");
    }
    DelimitedItem& item = items.emplace_back();
    if (!SkipBlanks(item)) return Malformed("the record is too long");
    if (Peek() == '"') {
      Get();
      if (!ReadQuoted(item)) {
        return Malformed(recordLength_ > kMaxDelimitedRecordLength ? "the record is too long"
                                                                   : "a quoted item is not closed");
      }
      if (!SkipBlanks(item)) return Malformed("the record is too long");
    } else if (!ReadUnquoted(item)) {
      return Malformed("the record is too long");
    }

    int c = Get();
    if (c == ',') continue;
    if (c == kEof) break;
    if (IsLineEnd(c)) {
      FinishLineEnd(c);
      break;
    }
    return Malformed("text follows the closing quote of item " + std::to_string(items.size()));
  }
  return Status::kRecord;
}

}  // namespace aloftra
