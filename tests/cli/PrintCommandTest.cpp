// aloftra-cli print: the demo logbook's reports written as PDF files, read back as text with
// pdftotext, and the command's refusals.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "support/FaultyFileSystem.h"

namespace aloftra {
namespace {

std::string RunShell(const std::string& command, int* exitCode = nullptr) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[4096];
  std::size_t read;
  while ((read = fread(buffer, 1, sizeof buffer, pipe)) > 0)
    output.append(buffer, read);
  int status = pclose(pipe);
  if (exitCode) *exitCode = WEXITSTATUS(status);
  return output;
}

class PrintCommandTest : public ::testing::Test {
 protected:
  // The text of the PDF the command wrote, or what went wrong.
  // arguments: the report and the logbook, then what goes after the PDF's name.
  std::string PrintToText(const std::string& arguments, int* exitCode) {
    std::string pdf = folder.PathOf("report.pdf");
    std::remove(pdf.c_str());
    std::size_t options = arguments.find(" --");
    std::string command =
        std::string(ALOFTRA_CLI_PROGRAM) + " print " + arguments.substr(0, options) + " " + pdf;
    if (options != std::string::npos) command += arguments.substr(options);
    RunShell(command + " 2>&1", exitCode);
    return RunShell("pdftotext -layout " + pdf + " - 2>&1");
  }
  std::string Demo() const { return ALOFTRA_DEMO_LOGBOOK; }

  TempFolder folder;
};

TEST_F(PrintCommandTest, EachReportOfTheDemoLogbookReadsBackFromItsPdf) {
  struct Case {
    std::string arguments;
    std::vector<std::string> expected;
    std::vector<std::string> absent;
  };
  const std::vector<Case> cases = {
      {"flights " + Demo() + " --all",
       {"Site Name: Point of the Mountain", "Hang Glider: Falcon 4 170", "Launch MSL: 5200 feet",
        "Smooth ridge lift"},
       {"Page 1"}},
      {"sites " + Demo() + " --all --site-stats",
       {"Site List", "Page 1", "Chelan Butte", "Launch MSL",
        "Site Description / Notes:", "Site Stats:", "Total Airtime:"},
       {}},
      {"sites " + Demo() + " --all", {"Dog Mountain", "Difficulty: Novice"}, {"Site Stats:"}},
      {"gliders " + Demo() + " --all",
       {"Gliders", "Glider Name: Falcon 4 170", "Manufacturer: Wills Wing", "AFNOR: Performance"},
       {}},
      {"summary " + Demo(),
       {"Aloftra Summary", "Robin Alder", "Hang Glider", "Paraglider", "USHGA Ratings:", "Previous",
        "Tandem"},
       {}},
      {"notes " + Demo() + " --all", {"Notes", "Equipment check", "Goals"}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    int code = -1;
    std::string text = PrintToText(c.arguments, &code);
    EXPECT_EQ(code, 0);
    for (const std::string& expected : c.expected)
      EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    for (const std::string& absent : c.absent)
      EXPECT_EQ(text.find(absent), std::string::npos) << absent;
  }
}

TEST_F(PrintCommandTest, RefusalsExitWithTheirCodeAndWriteNoFile) {
  struct Case {
    std::string arguments;
    int code;
    const char* message;
  };
  const std::vector<Case> cases = {
      {"pictures " + Demo(), 2, "usage:"},
      {"flights " + Demo() + " --everything", 2, "usage:"},
      {"flights " + folder.PathOf("missing.log"), 1, "aloftra-cli:"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    std::string pdf = folder.PathOf("refused.pdf");
    int code = -1;
    std::string err = RunShell(
        std::string(ALOFTRA_CLI_PROGRAM) + " print " + c.arguments + " " + pdf + " 2>&1", &code);
    EXPECT_EQ(code, c.code);
    EXPECT_NE(err.find(c.message), std::string::npos) << err;
    EXPECT_FALSE(std::ifstream(pdf).good());
  }
}

}  // namespace
}  // namespace aloftra
