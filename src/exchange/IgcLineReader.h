// Splits a stream into lines of bounded length, reading it in blocks. A line ends at "\n",
// "\r\n" or a lone "\r"; a line longer than the bound comes back cut, marked too long, and
// the rest of it is skipped without being kept.
#pragma once

#include <istream>
#include <string>
#include <string_view>

namespace aloftra {

class IgcLineReader {
 public:
  IgcLineReader(std::istream& in, std::size_t maxLength);

  // The next line, without its end; false at the end of the stream.
  bool Next(std::string_view& line, bool& tooLong);

 private:
  bool Fill();

  std::istream& in_;
  std::size_t maxLength_;
  std::string block_;
  std::size_t at_ = 0;
  std::size_t end_ = 0;
  std::string line_;
  bool lastWasCarriageReturn_ = false;
};

}  // namespace aloftra
