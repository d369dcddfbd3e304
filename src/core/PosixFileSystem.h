// The file system of the machine, through the POSIX calls.
#pragma once

#include "core/FileSystem.h"

namespace aloftra {

class PosixFileSystem : public FileSystem {
 public:
  std::optional<std::string> ReadFile(const std::string& path) override;
  Presence Exists(const std::string& path) override;
  Entry InspectEntry(const std::string& path) override;
  StampResult Stamp(const std::string& path) override;
  CreateResult CreateNew(const std::string& path) override;
  bool Write(FileHandle file, std::string_view bytes) override;
  bool MatchPermissions(FileHandle file, const std::string& model) override;
  bool Sync(FileHandle file) override;
  bool Close(FileHandle file) override;
  bool Remove(const std::string& path) override;
  bool Rename(const std::string& from, const std::string& to) override;
  LinkStatus HardLink(const std::string& existing, const std::string& newName) override;
  bool SyncFolder(const std::string& folder) override;
};

}  // namespace aloftra
