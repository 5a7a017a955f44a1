// Exclusive creation, writing and flushing are not in standard C++; each
// platform's C runtime has them (POSIX open/write/fsync, the Microsoft C
// runtime's _wopen/_write/_commit, whose _O_CREAT|_O_EXCL is CreateFile's
// CREATE_NEW), so this file stays free of <windows.h>.
#include "base/file/temporary_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <random>
#include <system_error>
#include <utility>

#include <fcntl.h>
#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

namespace tabulo {
namespace {

namespace fs = std::filesystem;

// Names tried before giving up; a clash with a random name means someone
// plants files there on purpose, or the folder is not writable at all.
constexpr int kAttempts = 16;
// Largest single write, well inside every platform's count type.
constexpr std::size_t kMaxWrite = std::size_t{1} << 30;

int OpenExclusive(const fs::path& file) {
#ifdef _WIN32
  return _wopen(file.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
#else
  return open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
#endif
}

long long WriteSome(int descriptor, const char* data, std::size_t size) {
#ifdef _WIN32
  return _write(descriptor, data, static_cast<unsigned>(std::min(size, kMaxWrite)));
#else
  return ::write(descriptor, data, std::min(size, kMaxWrite));
#endif
}

bool FlushToDisk(int descriptor) {
#ifdef _WIN32
  return _commit(descriptor) == 0;
#else
  return fsync(descriptor) == 0;
#endif
}

bool Close(int descriptor) {
#ifdef _WIN32
  return _close(descriptor) == 0;
#else
  return close(descriptor) == 0;
#endif
}

std::string RandomSuffix() {
  static std::atomic<std::uint64_t> calls{0};
  std::uint64_t bits = 0;
  try {
    std::random_device entropy;
    bits = static_cast<std::uint64_t>(entropy()) << 32 ^ entropy();
  } catch (...) {  // no entropy source: still different on every call
    bits = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  }
  bits ^= ++calls * 0x9E3779B97F4A7C15u;
  std::string hex(16, '0');
  for (char& digit : hex) {
    digit = "0123456789abcdef"[bits >> 60];
    bits <<= 4;
  }
  return hex;
}

}  // namespace

std::optional<TemporaryFile> TemporaryFile::CreateBeside(const fs::path& target) {
  return CreateBeside(target, RandomSuffix);
}

std::optional<TemporaryFile> TemporaryFile::CreateBeside(const fs::path& target, const SuffixSource& nextSuffix) {
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    fs::path candidate = target.parent_path() / (".tabulo-" + nextSuffix() + ".tmp");
    const int descriptor = OpenExclusive(candidate);
    if (descriptor >= 0) return TemporaryFile(descriptor, std::move(candidate), target);
    // Something is there already (on Windows a folder reads as "access
    // denied"); anything else (no such folder) will not change on retrying.
    if (errno != EEXIST && errno != EACCES) break;
  }
  return std::nullopt;
}

TemporaryFile::TemporaryFile(int descriptor, fs::path path, fs::path target)
    : descriptor_(descriptor), path_(std::move(path)), target_(std::move(target)) {}

TemporaryFile::TemporaryFile(TemporaryFile&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)),
      path_(std::exchange(other.path_, {})),
      target_(std::move(other.target_)) {}

TemporaryFile& TemporaryFile::operator=(TemporaryFile&& other) noexcept {
  if (this != &other) {
    Discard();
    descriptor_ = std::exchange(other.descriptor_, -1);
    path_ = std::exchange(other.path_, {});
    target_ = std::move(other.target_);
  }
  return *this;
}

TemporaryFile::~TemporaryFile() { Discard(); }

bool TemporaryFile::Write(std::string_view bytes) {
  while (descriptor_ >= 0 && !bytes.empty()) {
    const long long written = WriteSome(descriptor_, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return descriptor_ >= 0;
}

bool TemporaryFile::ReplaceTarget() {
  if (descriptor_ < 0) return false;
  const bool flushed = FlushToDisk(descriptor_);
  const bool closed = Close(std::exchange(descriptor_, -1));
  if (flushed && closed) {
    // On Windows libstdc++ renames with MoveFileExW(MOVEFILE_REPLACE_EXISTING),
    // so an existing target is replaced there as on POSIX.
    std::error_code error;
    fs::rename(path_, target_, error);
    if (!error) {
      path_.clear();
      return true;
    }
  }
  Discard();
  return false;
}

void TemporaryFile::Discard() {
  if (descriptor_ >= 0) (void)Close(std::exchange(descriptor_, -1));
  if (!path_.empty()) {
    std::error_code ignored;
    fs::remove(std::exchange(path_, {}), ignored);
  }
}

}  // namespace tabulo
