#include "core/LogbookFile.h"

#include "core/LogbookWriter.h"

namespace aloftra {

std::string CannotOpenMessage(const std::string& path) {
  return "Cannot open file '" + path + "'.";
}

std::string CannotSaveMessage(const std::string& path) {
  return "Cannot open file '" + path + "'. File not saved.";
}

std::string ChangedOnDiskQuestion(const std::string& documentName) {
  return "The logbook '" + documentName +
         "' was changed by another program since it was opened. Overwrite it?";
}

std::vector<std::string> LoadFailureMessages(const LogbookReadResult& result,
                                             const std::string& path) {
  switch (result.error) {
    case LogbookReadError::none:
      return {};
    case LogbookReadError::unknownVersion:
      return {kUnknownVersionMessage, CannotOpenMessage(path)};
    case LogbookReadError::cannotOpen:
      break;
  }
  return {CannotOpenMessage(path)};
}

std::optional<std::string> BackupPathFor(const std::string& path) {
  constexpr std::size_t kReplaced = 3;
  if (path.size() <= kReplaced) return std::nullopt;
  const std::string tail = path.substr(path.size() - kReplaced);
  if (tail.find_first_of("/\\") != std::string::npos) return std::nullopt;
  std::string backup = path.substr(0, path.size() - kReplaced) + "bak";
  if (backup == path) return std::nullopt;
  return backup;
}

LogbookReadResult LoadLogbook(FileSystem& fs, const std::string& path, Logbook& book) {
  // Stamped before reading, so that a write landing in between is taken for a change at the
  // next save rather than missed.
  std::optional<FileStamp> stamp = StampOnDisk(fs, path);
  std::optional<std::string> bytes = fs.ReadFile(path);
  if (!bytes) return {LogbookReadError::cannotOpen, "the file cannot be read"};
  LogbookReadResult result = ReadLogbookFile(*bytes, book);
  if (result.ok()) book.doc.diskStamp = stamp;
  return result;
}

WriteResult SaveLogbook(FileSystem& fs, const std::string& path, const Logbook& book,
                        DateTime now) {
  std::optional<std::string> bytes = FormatLogbookFile(book, now);
  if (!bytes) return {false, "a record is too long to be read back"};
  return WriteFileSafely(fs, path, *bytes, BackupPathFor);
}

std::optional<FileStamp> StampOnDisk(FileSystem& fs, const std::string& path) {
  StampResult now = fs.Stamp(path);
  if (now.presence != Presence::present) return std::nullopt;
  return now.stamp;
}

bool ChangedOnDisk(FileSystem& fs, const Logbook& book) {
  if (!book.doc.diskStamp || book.doc.filePath.empty()) return false;
  std::optional<FileStamp> now = StampOnDisk(fs, book.doc.filePath);
  return now && *now != *book.doc.diskStamp;
}

}  // namespace aloftra
