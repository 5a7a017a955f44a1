#include "app/tools/file_copier.h"

#include <atomic>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace tabulo::app {

namespace fs = std::filesystem;

namespace {

// A name in the target folder that is not taken yet. The temporary file lives
// beside the target so the final rename stays on one volume.
fs::path FreeTemporaryName(const fs::path& target) {
  static std::atomic<unsigned> counter{0};
  std::error_code ec;
  for (;;) {
    fs::path candidate = target;
    candidate += ".tabulo-" + std::to_string(counter++) + ".tmp";
    if (!fs::exists(candidate, ec) && !ec) return candidate;
    if (ec) return candidate;  // let the open report the problem
  }
}

bool ExistingTargetIsReplaceable(const fs::path& target) {
  std::error_code ec;
  const fs::file_status status = fs::symlink_status(target, ec);
  if (ec || !fs::exists(status)) return true;  // nothing there yet
  if (!fs::is_regular_file(status)) return false;
  // A read-only file is refused, as opening it for writing would be.
  return (status.permissions() & fs::perms::owner_write) != fs::perms::none;
}

enum class StreamResult { kDone, kReadError, kWriteError };

StreamResult StreamCopy(std::ifstream& in, std::ofstream& out, std::size_t chunkBytes) {
  std::vector<char> buffer(chunkBytes == 0 ? 1 : chunkBytes);
  for (;;) {
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    const std::streamsize got = in.gcount();
    if (in.bad()) return StreamResult::kReadError;
    if (got > 0 && !out.write(buffer.data(), got)) return StreamResult::kWriteError;
    if (!in) break;  // end of file reached
  }
  out.close();
  return out.fail() ? StreamResult::kWriteError : StreamResult::kDone;
}

}  // namespace

CopyResult CopyFileIntoFolder(const fs::path& source, const fs::path& folder, std::size_t chunkBytes) {
  std::error_code ec;
  if (!fs::is_regular_file(source, ec)) return CopyResult::kSourceUnreadable;
  const fs::path target = folder / source.filename();
  if (fs::equivalent(source, target, ec) && !ec) return CopyResult::kAlreadyThere;
  if (!ExistingTargetIsReplaceable(target)) return CopyResult::kTargetFailed;

  std::ifstream in(source, std::ios::binary);
  if (!in) return CopyResult::kSourceUnreadable;
  const fs::path temporary = FreeTemporaryName(target);
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  if (!out) return CopyResult::kTargetFailed;

  const StreamResult streamed = StreamCopy(in, out, chunkBytes);
  if (streamed == StreamResult::kDone) {
    fs::rename(temporary, target, ec);
    if (!ec) return CopyResult::kCopied;
  }
  out.close();
  fs::remove(temporary, ec);
  return streamed == StreamResult::kReadError ? CopyResult::kSourceUnreadable : CopyResult::kTargetFailed;
}

}  // namespace tabulo::app
