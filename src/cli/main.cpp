// aloftra-cli: the logbook core driven from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommands.h"
#include "core/PosixFileSystem.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::vector<std::string> args(argv + 1, argv + argc);
  aloftra::PosixFileSystem fs;
  return aloftra::RunCli(args, fs, aloftra::LocalNow(), std::cout, std::cerr);
}
