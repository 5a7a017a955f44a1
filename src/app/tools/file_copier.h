#pragma once
// Copies one file into a folder for the batch file writer, without the ways
// a plain "read all, truncate, write" copy loses data:
//  - the file is streamed in chunks, never held whole in memory;
//  - the bytes go to a new temporary file in the target folder (see
//    base/file/temporary_file.h: never a file or link planted there), which
//    is flushed to the disk and then replaces the target, so a failed or
//    partial copy, or a power cut, leaves an existing target as it was;
//  - a source that cannot be read is a failure and touches nothing;
//  - copying a file onto itself (same path, or the same file reached another
//    way) is recognised and leaves the file alone.
// Attributes and time stamps are not carried over.
#include <cstddef>
#include <filesystem>

namespace tabulo::app {

enum class CopyResult {
  kCopied,
  kAlreadyThere,      // source and target are the same file; nothing written
  kSourceUnreadable,  // missing, not a regular file, or a read error
  kTargetFailed,      // the target could not be written or replaced
};

[[nodiscard]] constexpr bool Succeeded(CopyResult r) {
  return r == CopyResult::kCopied || r == CopyResult::kAlreadyThere;
}

inline constexpr std::size_t kCopyChunkBytes = 1 << 20;

// Copies `source` to `folder` / (the source's file name).
[[nodiscard]] CopyResult CopyFileIntoFolder(const std::filesystem::path& source, const std::filesystem::path& folder,
                                            std::size_t chunkBytes = kCopyChunkBytes);

}  // namespace tabulo::app
