// The arguments of the aloftra program. The command line is one logbook path, however many
// blanks it holds; for tooling, "--screenshots DIR" first renders every window to DIR;
// "--help" and "--version" alone print what they say.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace aloftra::qt {

struct ProgramOptions {
  std::string commandLine;  // the arguments joined by single blanks
  std::optional<std::string> screenshotFolder;
};

// What "aloftra --help" or "aloftra --version" prints, when that is the whole command line;
// nullopt otherwise. Answered before any window system is reached.
std::optional<std::string> InformationRequested(const std::vector<std::string>& arguments);

// The arguments after the program's name; nullopt when "--screenshots" lacks its folder.
std::optional<ProgramOptions> ParseProgramArguments(const std::vector<std::string>& arguments);

}  // namespace aloftra::qt
