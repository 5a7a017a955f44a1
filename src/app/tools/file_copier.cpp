#include "app/tools/file_copier.h"

#include <fstream>
#include <optional>
#include <system_error>
#include <vector>

#include "base/file/temporary_file.h"

namespace tabulo::app {

namespace fs = std::filesystem;

namespace {

bool ExistingTargetIsReplaceable(const fs::path& target) {
  std::error_code ec;
  const fs::file_status status = fs::symlink_status(target, ec);
  if (ec || !fs::exists(status)) return true;  // nothing there yet
  if (!fs::is_regular_file(status)) return false;
  // A read-only file is refused, as opening it for writing would be.
  return (status.permissions() & fs::perms::owner_write) != fs::perms::none;
}

enum class StreamResult { kDone, kReadError, kWriteError };

StreamResult StreamCopy(std::ifstream& in, TemporaryFile& out, std::size_t chunkBytes) {
  std::vector<char> buffer(chunkBytes == 0 ? 1 : chunkBytes);
  for (;;) {
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    const std::streamsize got = in.gcount();
    if (in.bad()) return StreamResult::kReadError;
    if (got > 0 && !out.Write({buffer.data(), static_cast<std::size_t>(got)})) return StreamResult::kWriteError;
    if (!in) return StreamResult::kDone;  // end of file reached
  }
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
  std::optional<TemporaryFile> temporary = TemporaryFile::CreateBeside(target);
  if (!temporary) return CopyResult::kTargetFailed;

  // A failure leaves the temporary file to its destructor, which removes it.
  switch (StreamCopy(in, *temporary, chunkBytes)) {
    case StreamResult::kDone:
      return temporary->ReplaceTarget() ? CopyResult::kCopied : CopyResult::kTargetFailed;
    case StreamResult::kReadError:
      return CopyResult::kSourceUnreadable;
    case StreamResult::kWriteError:
      break;
  }
  return CopyResult::kTargetFailed;
}

}  // namespace tabulo::app
