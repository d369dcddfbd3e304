#include "core/SafeFileWriter.h"

#include <algorithm>
#include <cstdio>
#include <random>

#include "core/SymbolicLinks.h"

namespace aloftra {

namespace {

// Temporary names are tried until one is free; this many collisions mean something else is
// wrong with the folder.
constexpr int kNameAttempts = 100;

// The steps of one save, with what has been done so far so a failure can undo it.
class SafeSave {
 public:
  SafeSave(FileSystem& fs, const std::string& path, const std::optional<std::string>& backup)
      : fs_(fs), path_(path), backup_(backup), random_(std::random_device{}()) {
    std::size_t slash = path.find_last_of('/');
    prefix_ = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    if (backup_ == path_) backup_.reset();  // never delete the file about to be replaced
  }

  WriteResult Run(std::string_view bytes) {
    if (!WriteTemporary(bytes, temp_)) return Fail("cannot write the temporary file");
    if (backup_) {
      if (std::string failure = KeepOldFileAsBackup(); !failure.empty()) return Fail(failure);
    }
    if (!fs_.Rename(temp_, path_)) return Fail("cannot move the new file into place");
    temp_.clear();
    // The new file is complete and in place: what follows cannot make the save fail.
    fs_.SyncFolder(FolderOf(path_));
    if (!aside_.empty()) fs_.Remove(aside_);
    return {true, ""};
  }

 private:
  std::string UniqueName(const char* suffix) {
    char token[24];
    std::snprintf(token, sizeof token, "%016llx", static_cast<unsigned long long>(random_()));
    return prefix_ + ".aloftra-" + token + suffix;
  }

  // Creates a new temporary file holding bytes, flushed and closed. On failure nothing of it
  // is left and name is empty.
  bool WriteTemporary(std::string_view bytes, std::string& name) {
    CreateResult created;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
      name = UniqueName(".tmp");
      created = fs_.CreateNew(name);
      if (created.status != CreateStatus::alreadyExists) break;
    }
    if (created.status != CreateStatus::created) {
      name.clear();
      return false;
    }
    // The new file (and a copied backup) keeps the access the old file had.
    bool ok = fs_.MatchPermissions(created.file, path_) && fs_.Write(created.file, bytes) &&
              fs_.Sync(created.file);
    ok = fs_.Close(created.file) && ok;
    if (!ok) {
      fs_.Remove(name);
      name.clear();
    }
    return ok;
  }

  // Returns "" on success, else what failed.
  std::string KeepOldFileAsBackup() {
    Presence old = fs_.Exists(path_);
    if (old == Presence::unknown) return "cannot tell whether the file exists";
    if (old == Presence::absent) return "";  // a first save: nothing to keep
    Presence previous = fs_.Exists(*backup_);
    if (previous == Presence::unknown) return "cannot tell whether the backup exists";
    if (previous == Presence::present && !SetAsideOldBackup()) {
      return "cannot move the old backup aside";
    }
    switch (fs_.HardLink(path_, *backup_)) {
      case LinkStatus::linked:
        backupMade_ = true;
        return "";
      case LinkStatus::unsupported:
        return CopyOldFileToBackup() ? "" : "cannot copy the old file to the backup";
      case LinkStatus::failed:
        break;
    }
    return "cannot make the backup";
  }

  bool SetAsideOldBackup() {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
      std::string name = UniqueName(".old");
      Presence taken = fs_.Exists(name);
      if (taken == Presence::unknown) return false;
      if (taken == Presence::present) continue;
      if (!fs_.Rename(*backup_, name)) return false;
      aside_ = name;
      return true;
    }
    return false;
  }

  // Where the folder has no hard links the backup is a copy, written as safely as the file.
  bool CopyOldFileToBackup() {
    std::optional<std::string> old = fs_.ReadFile(path_);
    if (!old) return false;
    std::string copy;
    if (!WriteTemporary(*old, copy)) return false;
    if (!fs_.Rename(copy, *backup_)) {
      fs_.Remove(copy);
      return false;
    }
    backupMade_ = true;
    return true;
  }

  WriteResult Fail(std::string detail) {
    if (!temp_.empty()) fs_.Remove(temp_);
    if (backupMade_) fs_.Remove(*backup_);
    if (!aside_.empty()) fs_.Rename(aside_, *backup_);
    return {false, std::move(detail)};
  }

  FileSystem& fs_;
  std::string path_;
  std::optional<std::string> backup_;
  std::string prefix_;  // the folder with its trailing "/", or "" for the current folder
  std::string temp_;    // the new file's temporary name until it is moved into place
  std::string aside_;   // the old backup's temporary name while the save runs
  bool backupMade_ = false;
  std::mt19937_64 random_;
};

}  // namespace

std::string FolderOf(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

WriteResult WriteFileSafely(FileSystem& fs, const std::string& path, std::string_view bytes,
                            const BackupRule& backupFor) {
  ResolvedPath target = ResolveSymbolicLinks(fs, path);
  if (!target.ok) return {false, target.detail};
  std::optional<std::string> backup;
  if (backupFor) backup = backupFor(target.path);
  // Turning a link on the way into the backup would break the chain the pilot made.
  if (backup &&
      std::find(target.links.begin(), target.links.end(), *backup) != target.links.end()) {
    backup.reset();
  }
  return SafeSave(fs, target.path, backup).Run(bytes);
}

WriteResult WriteFileSafely(FileSystem& fs, const std::string& path, std::string_view bytes,
                            const std::optional<std::string>& backupPath) {
  return WriteFileSafely(fs, path, bytes, [&backupPath](const std::string&) { return backupPath; });
}

}  // namespace aloftra
