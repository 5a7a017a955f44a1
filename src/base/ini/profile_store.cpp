#include "base/ini/profile_store.h"

#include <system_error>

#include "base/file/atomic_file.h"
#include "base/ini/profile_document.h"

namespace tabulo {

ProfileStore::ProfileStore(std::filesystem::path file) : file_(std::move(file)) {}

const std::filesystem::path& ProfileStore::path() const { return file_; }

std::string ProfileStore::Read(std::string_view section, std::string_view key, std::string_view fallback) const {
  return Snapshot().Read(section, key, fallback);
}

ProfileSnapshot ProfileStore::Snapshot() const { return ProfileSnapshot(file_); }

bool ProfileStore::Write(std::string_view section, std::string_view key, std::string_view value) {
  return WriteAll({Entry{std::string(section), std::string(key), std::string(value)}});
}

bool ProfileStore::WriteAll(const std::vector<Entry>& entries) {
  std::optional<std::string> bytes = ReadFileBytes(file_);
  std::error_code error;
  // A file that exists but cannot be read must not be replaced by one that
  // holds only the new keys.
  if (!bytes && std::filesystem::exists(file_, error)) return false;
  ProfileDocument doc = ProfileDocument::Parse(bytes.value_or(std::string()));
  bool changed = false;
  for (const Entry& e : entries) changed = doc.Set(e.section, e.key, e.value) || changed;
  if (!changed) return true;
  return ReplaceFileBytes(file_, doc.Serialise());
}

}  // namespace tabulo
