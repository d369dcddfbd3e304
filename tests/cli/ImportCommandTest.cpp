// aloftra-cli import: the sample files imported into a logbook that is then saved, the
// program's messages on the error stream, and the exit code of a failed read.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliCommands.h"
#include "core/DateTime.h"
#include "core/PosixFileSystem.h"
#include "support/FaultyFileSystem.h"
#include "support/LogbookSamples.h"

namespace aloftra {
namespace {

const DateTime kNow = MakeDateTime(2010, 1, 2, 3, 4, 5);

class ImportCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { folder.WriteFile("Book.log", TestDataFile("logbook-empty.log")); }
  int Import(const std::string& kind, const std::string& file) {
    std::ostringstream outStream;
    std::ostringstream errStream;
    int code =
        RunCli({"import", kind, folder.PathOf("Book.log"), file}, fs, kNow, outStream, errStream);
    out = outStream.str();
    err = errStream.str();
    return code;
  }
  Logbook Saved() {
    Logbook book;
    EXPECT_TRUE(OpenLogbook(fs, folder.PathOf("Book.log"), book).ok());
    return book;
  }
  static std::string Sample(const std::string& name) {
    return std::string(ALOFTRA_SAMPLES) + "/" + name;
  }

  TempFolder folder;
  PosixFileSystem fs;
  std::string out;
  std::string err;
};

TEST_F(ImportCommandTest, TheSampleFilesImportAndTheLogbookIsSavedWithItsBackup) {
  ASSERT_EQ(Import("sites", Sample("import-sites.txt")), kCliOk) << err;
  EXPECT_EQ(err, "");
  ASSERT_EQ(Import("flights", Sample("import-flights.txt")), kCliOk) << err;
  EXPECT_EQ(err, "");
  EXPECT_EQ(out, "flights 0 -> 5, sites 3 -> 3, gliders 0 -> 2\n");

  Logbook book = Saved();
  EXPECT_EQ(book.sites.LiveCount(), 3);
  EXPECT_EQ(book.gliders.LiveCount(), 2);
  EXPECT_EQ(book.flights.LiveCount(), 5);
  EXPECT_EQ(book.sites[0].URL, "https://example.org/point");
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"Book.bak", "Book.log"}));
}

TEST_F(ImportCommandTest, MessagesGoToTheErrorStreamAndAFailedReadExitsWithOne) {
  folder.WriteFile("bad.txt",
                   "\"6/7/2001\",\"2:05 PM\",\"1:00\",\"Ridge\",\"Kite\",\"\",0,0,0,0,0,0,0,0,0,0,"
                   "\"\"\r\n\"6/8/2001\",\"2:05 PM\",\"1:00\",\"\",\"Kite\",\"\",0,0,0,0,0,0,0,0,"
                   "0,0,\"\"\r\n");
  EXPECT_EQ(Import("flights", folder.PathOf("bad.txt")), kCliFileFailure);
  EXPECT_EQ(err, "Site names cannot be blank\nError importing file '" + folder.PathOf("bad.txt") +
                     "'.\n");
  // What was entered before the stop stays and is saved, as the program keeps it.
  EXPECT_EQ(Saved().sites.LiveCount(), 1);

  EXPECT_EQ(Import("sites", folder.PathOf("missing.txt")), kCliFileFailure);
  EXPECT_EQ(err, "Error importing file '" + folder.PathOf("missing.txt") + "'.\n");
}

TEST_F(ImportCommandTest, ALogbookThatCannotBeOpenedIsNotWritten) {
  std::ostringstream outStream;
  std::ostringstream errStream;
  const std::string missing = folder.PathOf("missing.log");
  EXPECT_EQ(RunCli({"import", "sites", missing, Sample("import-sites.txt")}, fs, kNow, outStream,
                   errStream),
            kCliFileFailure);
  EXPECT_NE(errStream.str().find("Cannot open file '" + missing + "'."), std::string::npos);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"Book.log"});

  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"import", "gliders", "a.log", "b.txt"}, {"import", "sites", "a.log"}}) {
    EXPECT_EQ(RunCli(args, fs, kNow, outStream, errStream), kCliUsage);
  }
}

}  // namespace
}  // namespace aloftra
