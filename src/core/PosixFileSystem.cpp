#include "core/PosixFileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

namespace aloftra {

namespace {

// Runs a system call again while a signal interrupts it.
template <class Call>
auto RetryOnInterrupt(Call call) {
  auto result = call();
  while (result == -1 && errno == EINTR)
    result = call();
  return result;
}

// Reads straight into the string: the size the file has now, then whatever it gained since.
bool ReadAll(int fd, std::string& out) {
  struct stat info {};
  if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) return false;
  std::size_t size = 0;
  out.resize(info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0);
  for (;;) {
    if (size == out.size()) out.resize(out.size() + (1 << 16));
    ssize_t got = RetryOnInterrupt([&] { return read(fd, out.data() + size, out.size() - size); });
    if (got < 0) return false;
    if (got == 0) break;
    size += static_cast<std::size_t>(got);
  }
  out.resize(size);
  return true;
}

// A symbolic link's content; the size lstat gave is only a hint (some file systems report 0,
// and the link may be replaced meanwhile), so the buffer grows until the content fits.
std::optional<std::string> ReadLinkText(const std::string& path, off_t sizeHint) {
  std::string text(sizeHint > 0 ? static_cast<std::size_t>(sizeHint) + 1 : 256, '\0');
  for (;;) {
    ssize_t got = readlink(path.c_str(), text.data(), text.size());
    if (got < 0) return std::nullopt;
    if (static_cast<std::size_t>(got) < text.size()) {
      text.resize(static_cast<std::size_t>(got));
      return text;
    }
    text.resize(text.size() * 2);
  }
}

Presence PresenceAfterFailure() {
  return errno == ENOENT || errno == ENOTDIR ? Presence::absent : Presence::unknown;
}

}  // namespace

std::optional<std::string> PosixFileSystem::ReadFile(const std::string& path) {
  int fd = RetryOnInterrupt([&] { return open(path.c_str(), O_RDONLY | O_CLOEXEC); });
  if (fd < 0) return std::nullopt;
  std::string content;
  bool ok = ReadAll(fd, content);
  close(fd);
  if (!ok) return std::nullopt;
  return content;
}

Presence PosixFileSystem::Exists(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) == 0) return Presence::present;
  return PresenceAfterFailure();
}

Entry PosixFileSystem::InspectEntry(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0) {
    return {PresenceAfterFailure() == Presence::absent ? EntryKind::absent : EntryKind::unknown,
            ""};
  }
  if (!S_ISLNK(info.st_mode)) return {EntryKind::other, ""};
  std::optional<std::string> text = ReadLinkText(path, info.st_size);
  if (!text) return {EntryKind::unknown, ""};
  return {EntryKind::symbolicLink, std::move(*text)};
}

StampResult PosixFileSystem::Stamp(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return {PresenceAfterFailure(), FileStamp{}};
  FileStamp stamp;
  stamp.device = static_cast<std::uint64_t>(info.st_dev);
  stamp.inode = static_cast<std::uint64_t>(info.st_ino);
  stamp.size = static_cast<std::int64_t>(info.st_size);
  stamp.modifiedSeconds = static_cast<std::int64_t>(info.st_mtim.tv_sec);
  stamp.modifiedNanoseconds = static_cast<std::int64_t>(info.st_mtim.tv_nsec);
  return {Presence::present, stamp};
}

CreateResult PosixFileSystem::CreateNew(const std::string& path) {
  int fd = RetryOnInterrupt(
      [&] { return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666); });
  if (fd >= 0) return {CreateStatus::created, FileHandle{fd}};
  return {errno == EEXIST ? CreateStatus::alreadyExists : CreateStatus::failed, FileHandle{}};
}

bool PosixFileSystem::MatchPermissions(FileHandle file, const std::string& model) {
  struct stat info {};
  if (stat(model.c_str(), &info) != 0) return errno == ENOENT || errno == ENOTDIR;
  return RetryOnInterrupt([&] { return fchmod(file.id, info.st_mode & 07777); }) == 0;
}

bool PosixFileSystem::Write(FileHandle file, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t done = RetryOnInterrupt([&] { return write(file.id, bytes.data(), bytes.size()); });
    // A full disk or a file size limit shows as an error or as nothing written.
    if (done <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(done));
  }
  return true;
}

bool PosixFileSystem::Sync(FileHandle file) {
  return RetryOnInterrupt([&] { return fsync(file.id); }) == 0;
}

bool PosixFileSystem::Close(FileHandle file) {
  // Linux releases the descriptor even when close is interrupted, so it is never retried;
  // the data was already flushed by Sync.
  return close(file.id) == 0 || errno == EINTR;
}

bool PosixFileSystem::Remove(const std::string& path) {
  return unlink(path.c_str()) == 0;
}

bool PosixFileSystem::Rename(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

LinkStatus PosixFileSystem::HardLink(const std::string& existing, const std::string& newName) {
  if (link(existing.c_str(), newName.c_str()) == 0) return LinkStatus::linked;
  switch (errno) {
    case EPERM:  // FAT and some network file systems answer this for "no hard links"
    case EOPNOTSUPP:
    case EMLINK:
    case EXDEV:
    case ENOSYS:
      return LinkStatus::unsupported;
    default:
      return LinkStatus::failed;
  }
}

bool PosixFileSystem::SyncFolder(const std::string& folder) {
  int fd =
      RetryOnInterrupt([&] { return open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
  if (fd < 0) return false;
  bool ok = RetryOnInterrupt([&] { return fsync(fd); }) == 0;
  close(fd);
  return ok;
}

}  // namespace aloftra
