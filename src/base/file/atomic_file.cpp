#include "base/file/atomic_file.h"

#include <fstream>
#include <system_error>

#include "base/file/temporary_file.h"

namespace tabulo {
namespace {

// A file the user made read-only is not to be replaced. Windows refuses the
// rename on its own, but Wine and POSIX would let it through.
bool IsReadOnly(const std::filesystem::path& file) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(file, error);
  return !error && std::filesystem::exists(status) &&
         (status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes;
  // The size is only a hint (the file may change while it is read), but it
  // spares a large file the copies of a growing string.
  if (const std::uintmax_t size = std::filesystem::file_size(file, error); !error && size < bytes.max_size())
    bytes.reserve(static_cast<std::size_t>(size));
  char buffer[16384];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool ReplaceFileBytes(const std::filesystem::path& file, std::string_view bytes) {
  if (IsReadOnly(file)) return false;
  std::optional<TemporaryFile> temporary = TemporaryFile::CreateBeside(file);
  return temporary && temporary->Write(bytes) && temporary->ReplaceTarget();
}

}  // namespace tabulo
