// Reads an IGC track file line by line. A damaged line is left out and counted, never fatal;
// only a file without a single usable fix is refused. Lines are bounded in length, so a huge
// file or binary garbage costs time in proportion to its size and memory only for its fixes.
#pragma once

#include <istream>
#include <string>
#include <string_view>

#include "exchange/IgcTrack.h"

namespace aloftra {

// The longest line kept; anything longer is damaged (real B records are well under 100).
inline constexpr std::size_t kIgcMaxLineLength = 1024;

struct IgcReadResult {
  IgcTrack track;
  std::string message;  // why the file was refused; empty when it was read
  bool ok() const { return message.empty(); }
};

// fileName names the file in the refusal message.
IgcReadResult ReadIgc(std::istream& in, const std::string& fileName);
IgcReadResult ReadIgcText(std::string_view text, const std::string& fileName);
// Opens the file at path; a file that cannot be opened is refused.
IgcReadResult ReadIgcFile(const std::string& path);

// The refusal messages, so callers and tests name them the same way.
std::string IgcNoFixMessage(const std::string& fileName);
std::string IgcCannotOpenMessage(const std::string& fileName);

}  // namespace aloftra
