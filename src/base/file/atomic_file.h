#pragma once
// Whole-file reads and crash-safe whole-file replacement for the program's
// data files. A replacement writes a temporary file beside the target
// (temporary_file.h: a new, unpredictable name, never a file or link that
// was there before), flushes it to the disk and renames it over the target,
// so a crash, a full disk or a power cut during a save leaves either the old
// or the new file, never a mixture. Paths are std::filesystem::path, so
// names outside the ANSI code page work.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tabulo {

// The file's bytes; nullopt when it is missing or cannot be read.
[[nodiscard]] std::optional<std::string> ReadFileBytes(const std::filesystem::path& file);

// Replaces (or creates) `file` with `bytes`. On failure the previous file is
// left as it was, the temporary file is removed, and the result is false.
// A read-only file counts as a failure, as it does for Windows' own writes.
[[nodiscard]] bool ReplaceFileBytes(const std::filesystem::path& file, std::string_view bytes);

}  // namespace tabulo
