// What a file on disk was at one moment: enough to tell that it has been written or replaced
// since, by this program or any other.
#pragma once

#include <cstdint>

namespace aloftra {

struct FileStamp {
  // The file's identity: a file replaced by a rename has another inode even when its size
  // and time match.
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  // The modification time with every digit the file system keeps, so that two writes within
  // one second still differ.
  std::int64_t modifiedSeconds = 0;
  std::int64_t modifiedNanoseconds = 0;

  bool operator==(const FileStamp&) const = default;
};

}  // namespace aloftra
