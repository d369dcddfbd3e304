#include "exchange/IgcLineReader.h"

namespace aloftra {

namespace {
constexpr std::size_t kBlockSize = 1 << 16;
}

IgcLineReader::IgcLineReader(std::istream& in, std::size_t maxLength)
    : in_(in), maxLength_(maxLength), block_(kBlockSize, '\0') {}

bool IgcLineReader::Fill() {
  if (!in_) return false;
  in_.read(block_.data(), static_cast<std::streamsize>(block_.size()));
  at_ = 0;
  end_ = static_cast<std::size_t>(in_.gcount());
  return end_ > 0;
}

bool IgcLineReader::Next(std::string_view& line, bool& tooLong) {
  line_.clear();
  tooLong = false;
  bool any = false;
  while (true) {
    if (at_ == end_ && !Fill()) {
      if (!any) return false;
      break;
    }
    char c = block_[at_++];
    // "\r\n" is one line end: the "\n" after a "\r" that ended a line is not another one.
    if (c == '\n' && lastWasCarriageReturn_ && !any) {
      lastWasCarriageReturn_ = false;
      continue;
    }
    lastWasCarriageReturn_ = c == '\r';
    any = true;
    if (c == '\n' || c == '\r') break;
    if (line_.size() < maxLength_) {
      line_ += c;
    } else {
      tooLong = true;
    }
  }
  line = line_;
  return true;
}

}  // namespace aloftra
