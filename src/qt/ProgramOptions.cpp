#include "qt/ProgramOptions.h"

#include "core/ProgramVersion.h"

namespace aloftra::qt {

std::optional<std::string> InformationRequested(const std::vector<std::string>& arguments) {
  if (arguments.size() != 1) return std::nullopt;
  if (arguments[0] == "--version") return std::string("aloftra ") + kProgramVersion + "\n";
  if (arguments[0] == "--help") {
    return "usage: aloftra [LOGBOOK]\n"
           "       aloftra --screenshots FOLDER [LOGBOOK]\n"
           "       aloftra --help | --version\n"
           "\n"
           "The logbook of a hang-glider and paraglider pilot. Opens LOGBOOK (the path may hold\n"
           "blanks), or else the logbook used last. --screenshots renders every page and dialog\n"
           "to FOLDER/<form>.png and ends. The command line tool is aloftra-cli.\n";
  }
  return std::nullopt;
}

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
