// Replacing a file without a window of loss. The new bytes go to a temporary file in the
// same folder, which is flushed before the old file is touched; the old file keeps a second
// name as the backup, and one atomic rename puts the new file in place. At every moment the
// path names either the complete old file or the complete new one.
//
// A path that is a symbolic link (or a chain of them) stays a link: the file it leads to is
// the one replaced, with its temporary file and its backup in that file's folder.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/FileSystem.h"

namespace aloftra {

struct WriteResult {
  bool ok = false;
  std::string detail;  // which step failed, for the command-line tool and tests
};

// Names the backup of the file about to be replaced, given that file's path (the final
// target when the path is a link); nullopt for no backup.
using BackupRule = std::function<std::optional<std::string>(const std::string& replaced)>;

// Writes bytes to path. With a backup, an existing file at path becomes the backup (any
// older backup is dropped once the new file is in place). When a step before the final
// rename fails, everything done so far is undone: the old file and the old backup are as
// they were and no temporary file is left. After the rename only best-effort steps remain
// (flushing the folder, removing the previous backup), so the save counts as done. A link
// whose target does not exist fails the save before anything is written. A backup that
// would replace the file itself or one of the links on the way is not made.
WriteResult WriteFileSafely(FileSystem& fs, const std::string& path, std::string_view bytes,
                            const BackupRule& backupFor);
// The same with the backup at exactly backupPath, wherever the path leads.
WriteResult WriteFileSafely(FileSystem& fs, const std::string& path, std::string_view bytes,
                            const std::optional<std::string>& backupPath);

// The folder part of a path: "." for a bare file name.
std::string FolderOf(const std::string& path);

}  // namespace aloftra
