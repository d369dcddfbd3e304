// A file system for tests of saving: the real one, in a temporary folder, with a fault
// injected at the Nth operation. Every call counts, the writes, flushes and closes of a file
// included, so a test can fail each step of a save in turn.
#pragma once

#include <string>
#include <vector>

#include "core/FileSystem.h"
#include "core/PosixFileSystem.h"

namespace aloftra {

// A new empty folder under the system's temporary folder, removed with all it holds when
// the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string PathOf(const std::string& name) const { return path_ + "/" + name; }

  void WriteFile(const std::string& name, const std::string& bytes) const;
  // Makes name a symbolic link holding target, relative or absolute.
  void MakeLink(const std::string& name, const std::string& target) const;
  // What the link at name holds, or "<no link>" when name is no symbolic link.
  std::string LinkText(const std::string& name) const;
  // The content of a file, or "<missing>" when there is none.
  std::string ReadFile(const std::string& name) const;
  // The names in the folder, sorted, hidden ones included.
  std::vector<std::string> Names() const;

 private:
  std::string path_;
};

class FaultyFileSystem : public FileSystem {
 public:
  explicit FaultyFileSystem(FileSystem& real) : real_(real) {}

  // The operation (counted from 1) that fails; 0 for none.
  void FailAt(int operation) { failAt_ = operation; }
  // Makes hard links answer "unsupported", as on a file system without them.
  void SetLinksUnsupported(bool unsupported) { linksUnsupported_ = unsupported; }

  int Operations() const { return static_cast<int>(log_.size()); }
  // One line per operation: its name and whether it was made to fail.
  const std::vector<std::string>& Log() const { return log_; }

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

 private:
  // Counts an operation; true when this one is to fail.
  bool Fails(const char* name);

  FileSystem& real_;
  int failAt_ = 0;
  bool linksUnsupported_ = false;
  std::vector<std::string> log_;
};

}  // namespace aloftra
