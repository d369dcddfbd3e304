// An import file read one record at a time: each pass of an import opens it afresh, and the
// first read error ends the pass.
#pragma once

#include <fstream>
#include <string>
#include <vector>

#include "exchange/DelimitedRecordReader.h"

namespace aloftra {

class ImportFile {
 public:
  explicit ImportFile(const std::string& path);

  // False when the file cannot be opened or is not a file (a folder).
  bool Opened() const { return opened_; }
  // The next record into items; false at the end of the file or at a read error (Failed()).
  bool Next(std::vector<DelimitedItem>& items);
  bool Failed() const { return failed_; }
  // Records handed out so far.
  long Count() const { return count_; }

 private:
  std::ifstream file_;
  DelimitedRecordReader reader_;
  bool opened_ = false;
  bool failed_ = false;
  long count_ = 0;
};

// The records of a file, counted without reading them as any type, for the progress shown;
// a read error ends the count where it stands.
long CountRecords(const std::string& path);

}  // namespace aloftra
