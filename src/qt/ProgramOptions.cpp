#include "qt/ProgramOptions.h"

namespace aloftra::qt {

std::optional<ProgramOptions> ParseProgramArguments(const std::vector<std::string>& arguments) {
  ProgramOptions options;
  std::size_t first = 0;
  if (!arguments.empty() && arguments[0] == "--screenshots") {
    if (arguments.size() < 2 || arguments[1].empty()) return std::nullopt;
    options.screenshotFolder = arguments[1];
    first = 2;
  }
  for (std::size_t i = first; i < arguments.size(); ++i) {
    if (i > first) options.commandLine += ' ';
    options.commandLine += arguments[i];
  }
  return options;
}

}  // namespace aloftra::qt
