#include "base/file/atomic_file.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <system_error>

// Flushing to the disk is not in standard C++; each platform's C runtime
// has one call for it.
#ifdef _WIN32
#include <io.h>  // _commit
#else
#include <unistd.h>  // fsync
#endif

namespace tabulo {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

FilePtr OpenForWriting(const std::filesystem::path& file) {
#ifdef _WIN32
  return FilePtr(_wfopen(file.c_str(), L"wb"));
#else
  return FilePtr(std::fopen(file.c_str(), "wb"));
#endif
}

bool FlushToDisk(std::FILE* f) {
  if (std::fflush(f) != 0) return false;
#ifdef _WIN32
  return _commit(_fileno(f)) == 0;
#else
  return fsync(fileno(f)) == 0;
#endif
}

bool WriteAndFlush(const std::filesystem::path& file, std::string_view bytes) {
  FilePtr f = OpenForWriting(file);
  if (!f) return false;
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()) return false;
  if (!FlushToDisk(f.get())) return false;
  return std::fclose(f.release()) == 0;
}

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
  char buffer[16384];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
  if (in.bad()) return std::nullopt;
  return bytes;
}

std::filesystem::path TemporaryPathFor(const std::filesystem::path& file) {
  std::filesystem::path temporary = file;
  temporary += ".tmp";
  return temporary;
}

bool ReplaceFileBytes(const std::filesystem::path& file, std::string_view bytes) {
  if (IsReadOnly(file)) return false;
  const std::filesystem::path temporary = TemporaryPathFor(file);
  std::error_code error;
  // On Windows libstdc++ renames with MoveFileExW(MOVEFILE_REPLACE_EXISTING),
  // so an existing target is replaced there as on POSIX.
  if (WriteAndFlush(temporary, bytes)) {
    std::filesystem::rename(temporary, file, error);
    if (!error) return true;
  }
  std::filesystem::remove(temporary, error);
  return false;
}

}  // namespace tabulo
