#include "exchange/ImportFile.h"

#include <filesystem>
#include <system_error>

namespace aloftra {

namespace {

bool IsFolder(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

}  // namespace

ImportFile::ImportFile(const std::string& path) : file_(path, std::ios::binary), reader_(file_) {
  opened_ = file_.is_open() && !IsFolder(path);
}

bool ImportFile::Next(std::vector<DelimitedItem>& items) {
  if (!opened_ || failed_) return false;
  switch (reader_.Next(items)) {
    case DelimitedRecordReader::Status::kRecord:
      ++count_;
      return true;
    case DelimitedRecordReader::Status::kEnd:
      return false;
    case DelimitedRecordReader::Status::kMalformed:
      break;
  }
  failed_ = true;
  return false;
}

long CountRecords(const std::string& path) {
  ImportFile file(path);
  std::vector<DelimitedItem> items;
  while (file.Next(items)) {
  }
  return file.Count();
}

}  // namespace aloftra
