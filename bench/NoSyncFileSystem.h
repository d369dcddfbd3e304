// The machine's file system without the flushes to the disk, so a benchmark of saving
// measures the program's own work and not the disk's.
#pragma once

#include "core/PosixFileSystem.h"

namespace aloftra {

class NoSyncFileSystem : public PosixFileSystem {
 public:
  bool Sync(FileHandle) override { return true; }
  bool SyncFolder(const std::string&) override { return true; }
};

}  // namespace aloftra
