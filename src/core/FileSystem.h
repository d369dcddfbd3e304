// The few file operations a safe save needs, behind an interface so tests can fail any one of
// them on purpose. Every call either does its whole job or reports a failure; a write that
// stores fewer bytes than it was given is a failure.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/FileStamp.h"

namespace aloftra {

// An open file created by CreateNew; only the file system that made it understands it.
struct FileHandle {
  int id = -1;
};

enum class CreateStatus { created, alreadyExists, failed };
struct CreateResult {
  CreateStatus status = CreateStatus::failed;
  FileHandle file;
};

enum class Presence { absent, present, unknown };
enum class LinkStatus { linked, unsupported, failed };

// What a name is, without following a symbolic link: unknown when the question cannot be
// answered (a folder that cannot be searched, a link that cannot be read).
enum class EntryKind { absent, symbolicLink, other, unknown };
struct Entry {
  EntryKind kind = EntryKind::unknown;
  std::string linkText;  // a symbolic link's content as stored, relative or absolute
};

struct StampResult {
  Presence presence = Presence::unknown;
  FileStamp stamp;  // only when present
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The whole content of a file, or nullopt when it cannot be read.
  virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
  // unknown when the question cannot be answered (a folder that cannot be searched).
  virtual Presence Exists(const std::string& path) = 0;
  // The name itself: a symbolic link is reported as one, with its content, not followed.
  virtual Entry InspectEntry(const std::string& path) = 0;
  // The stamp of the file the path leads to (symbolic links followed).
  virtual StampResult Stamp(const std::string& path) = 0;

  // Creates a new file for writing; alreadyExists when the name is taken (never replaces).
  virtual CreateResult CreateNew(const std::string& path) = 0;
  virtual bool Write(FileHandle file, std::string_view bytes) = 0;
  // Gives an open file the access permissions of the file at model, so a logbook the pilot
  // keeps private stays private when it is saved again. True when there is no such file.
  virtual bool MatchPermissions(FileHandle file, const std::string& model) = 0;
  // Flushes what was written to the disk.
  virtual bool Sync(FileHandle file) = 0;
  // Releases the handle whatever the outcome; false when the system reports a failure.
  virtual bool Close(FileHandle file) = 0;

  virtual bool Remove(const std::string& path) = 0;
  // Moves a file to a new name, atomically replacing any file of that name.
  virtual bool Rename(const std::string& from, const std::string& to) = 0;
  // Gives an existing file a second name; unsupported when the folder's file system has no
  // hard links (the caller then copies).
  virtual LinkStatus HardLink(const std::string& existing, const std::string& newName) = 0;
  // Flushes a folder's entries (new names, renames, removals) to the disk.
  virtual bool SyncFolder(const std::string& folder) = 0;
};

}  // namespace aloftra
