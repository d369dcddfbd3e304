// aloftra-cli igc FILE [--utc-offset HOURS]: the figures of the flight in a track file as
// JSON, without touching any logbook. Local time follows the file's time zone, else the
// computer's; HOURS overrides both.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace aloftra {

// Runs the command on its arguments after "igc". Returns the exit code: non-zero when the
// file is refused, with the reason on err.
int RunIgcCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace aloftra
