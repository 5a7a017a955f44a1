#include "base/ini/profile_store.h"

#include <system_error>

#include "base/file/atomic_file.h"
#include "base/ini/profile_document.h"
#include "base/text/gbk.h"
#include "base/text/utf8.h"

namespace tabulo {
namespace {

// The program reads every value into a 10,240-byte buffer; what the Windows
// function gives back is at most 10,239 bytes of whole characters.
constexpr std::size_t kMaxValueBytes = 10239;

std::string CutToReadBuffer(std::string text) {
  if (text.size() <= kMaxValueBytes && GbkLength(text) <= kMaxValueBytes) return text;
  std::size_t bytes = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = DecodeUtf8(text, i).length;
    bytes += GbkLength(std::string_view(text).substr(i, length));
    if (bytes > kMaxValueBytes) {
      text.resize(i);
      break;
    }
    i += length;
  }
  return text;
}

// The Windows function drops trailing spaces of the default, but never its
// first character.
std::string_view TrimFallback(std::string_view fallback) {
  while (fallback.size() > 1 && fallback.back() == ' ') fallback.remove_suffix(1);
  return fallback;
}

}  // namespace

ProfileStore::ProfileStore(std::filesystem::path file) : file_(std::move(file)) {}

const std::filesystem::path& ProfileStore::path() const { return file_; }

std::string ProfileStore::Read(std::string_view section, std::string_view key, std::string_view fallback) const {
  std::optional<std::string> value;
  if (const std::optional<std::string> bytes = ReadFileBytes(file_)) {
    value = ProfileDocument::Parse(*bytes).Find(section, key);
  }
  return CutToReadBuffer(value ? std::move(*value) : std::string(TrimFallback(fallback)));
}

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
