#include "support/FaultyFileSystem.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace aloftra {

TempFolder::TempFolder() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern =
      std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/aloftra-test-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temp folder");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void TempFolder::WriteFile(const std::string& name, const std::string& bytes) const {
  std::ofstream out(PathOf(name), std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + name);
}

void TempFolder::MakeLink(const std::string& name, const std::string& target) const {
  std::filesystem::create_symlink(target, PathOf(name));
}

std::string TempFolder::LinkText(const std::string& name) const {
  std::error_code error;
  if (!std::filesystem::is_symlink(std::filesystem::symlink_status(PathOf(name), error))) {
    return "<no link>";
  }
  return std::filesystem::read_symlink(PathOf(name)).string();
}

std::string TempFolder::ReadFile(const std::string& name) const {
  std::ifstream in(PathOf(name), std::ios::binary);
  if (!in) return "<missing>";
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::vector<std::string> TempFolder::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool FaultyFileSystem::Fails(const char* name) {
  const bool fails = static_cast<int>(log_.size()) + 1 == failAt_;
  log_.push_back(std::string(name) + (fails ? " (failed)" : ""));
  return fails;
}

std::optional<std::string> FaultyFileSystem::ReadFile(const std::string& path) {
  if (Fails("ReadFile")) return std::nullopt;
  return real_.ReadFile(path);
}

Presence FaultyFileSystem::Exists(const std::string& path) {
  if (Fails("Exists")) return Presence::unknown;
  return real_.Exists(path);
}

Entry FaultyFileSystem::InspectEntry(const std::string& path) {
  if (Fails("InspectEntry")) return {EntryKind::unknown, ""};
  return real_.InspectEntry(path);
}

StampResult FaultyFileSystem::Stamp(const std::string& path) {
  if (Fails("Stamp")) return {Presence::unknown, FileStamp{}};
  return real_.Stamp(path);
}

CreateResult FaultyFileSystem::CreateNew(const std::string& path) {
  if (Fails("CreateNew")) return {CreateStatus::failed, FileHandle{}};
  return real_.CreateNew(path);
}

bool FaultyFileSystem::MatchPermissions(FileHandle file, const std::string& model) {
  if (Fails("MatchPermissions")) return false;
  return real_.MatchPermissions(file, model);
}

bool FaultyFileSystem::Write(FileHandle file, std::string_view bytes) {
  if (Fails("Write")) {
    // A full disk takes part of the data before it refuses the rest.
    real_.Write(file, bytes.substr(0, bytes.size() / 2));
    return false;
  }
  return real_.Write(file, bytes);
}

bool FaultyFileSystem::Sync(FileHandle file) {
  if (Fails("Sync")) return false;
  return real_.Sync(file);
}

bool FaultyFileSystem::Close(FileHandle file) {
  // A failing close still releases the file, as the system's close does.
  const bool fails = Fails("Close");
  const bool closed = real_.Close(file);
  return closed && !fails;
}

bool FaultyFileSystem::Remove(const std::string& path) {
  if (Fails("Remove")) return false;
  return real_.Remove(path);
}

bool FaultyFileSystem::Rename(const std::string& from, const std::string& to) {
  if (Fails("Rename")) return false;
  return real_.Rename(from, to);
}

LinkStatus FaultyFileSystem::HardLink(const std::string& existing, const std::string& newName) {
  if (Fails("HardLink")) return LinkStatus::failed;
  if (linksUnsupported_) return LinkStatus::unsupported;
  return real_.HardLink(existing, newName);
}

bool FaultyFileSystem::SyncFolder(const std::string& folder) {
  if (Fails("SyncFolder")) return false;
  return real_.SyncFolder(folder);
}

}  // namespace aloftra
