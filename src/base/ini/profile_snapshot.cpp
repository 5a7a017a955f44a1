#include "base/ini/profile_snapshot.h"

#include <optional>

#include "base/file/atomic_file.h"
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

ProfileSnapshot::ProfileSnapshot(const std::filesystem::path& file)
    : document_(ProfileDocument::Parse(ReadFileBytes(file).value_or(std::string()))) {}

std::string ProfileSnapshot::Read(std::string_view section, std::string_view key, std::string_view fallback) const {
  std::optional<std::string> value = document_.Find(section, key);
  return CutToReadBuffer(value ? std::move(*value) : std::string(TrimFallback(fallback)));
}

}  // namespace tabulo
