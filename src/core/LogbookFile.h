// Loading and saving a logbook by path, and the program's messages about them. The
// functions report a result; the caller shows the messages.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/FileSystem.h"
#include "core/Logbook.h"
#include "core/LogbookReader.h"
#include "core/SafeFileWriter.h"

namespace aloftra {

inline constexpr const char* kUnknownVersionMessage = "Unknown data file version";
// "Cannot open file '<path>'."
std::string CannotOpenMessage(const std::string& path);
// "Cannot open file '<path>'. File not saved."
std::string CannotSaveMessage(const std::string& path);

// The messages for a failed load, in the order they are shown: the version message (no
// icon) before the critical "Cannot open file" for a version the program does not read.
std::vector<std::string> LoadFailureMessages(const LogbookReadResult& result,
                                             const std::string& path);

// The backup of a logbook: the path with its last three characters replaced by "bak"
// (Soaring.log keeps Soaring.bak). nullopt when there is no sensible backup name: a
// logbook named *.bak would be its own backup, and a path whose last three characters hold
// a folder separator would put the backup in another folder.
std::optional<std::string> BackupPathFor(const std::string& path);

// "The logbook '<name>' was changed by another program since it was opened. Overwrite it?"
std::string ChangedOnDiskQuestion(const std::string& documentName);

// Reads the file at path into a logbook the caller has just reset, and remembers in its
// document state what the file was.
LogbookReadResult LoadLogbook(FileSystem& fs, const std::string& path, Logbook& book);

// Writes the logbook to path as version "1.3" with the save time in the flight end record,
// keeping the previous file as the backup. Through a symbolic link the file the link leads
// to is replaced and keeps its backup beside it. After a failure the old file and the old
// backup are untouched and the logbook in memory is unchanged.
WriteResult SaveLogbook(FileSystem& fs, const std::string& path, const Logbook& book, DateTime now);

// The stamp of the file at path now; nullopt when there is none or it cannot be told.
std::optional<FileStamp> StampOnDisk(FileSystem& fs, const std::string& path);

// True when the logbook's file is no longer the one remembered in its document state:
// another copy of the program, or a synchronising tool, wrote or replaced it since it was
// opened or last saved. A file that has gone (or cannot be looked at) is no change, since
// saving overwrites nothing there, and neither is a file never remembered.
bool ChangedOnDisk(FileSystem& fs, const Logbook& book);

}  // namespace aloftra
