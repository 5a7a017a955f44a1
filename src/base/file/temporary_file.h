#pragma once
// A new file written beside a target and then renamed over it, the one way
// the program replaces a file (its data files, the batch file writer's
// copies, the theme packer's output).
//
// The run directory is writable by anyone at the computer, so the name of
// the temporary file must not be one that someone can plant something at:
// it is unpredictable, and the file is created exclusively (O_CREAT|O_EXCL,
// CreateFile's CREATE_NEW): a file, folder or link already there, even a
// link pointing nowhere, is never opened, followed or written; another name
// is tried instead. Before the rename the bytes are flushed to the disk, so
// a power cut leaves the old file or the new one, never an empty one. A
// temporary file that is not put in place is removed when the object goes.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tabulo {

class TemporaryFile {
 public:
  // The unique part of a name: 16 random hexadecimal digits.
  using SuffixSource = std::function<std::string()>;

  // Creates the file in the target's folder as ".tabulo-<suffix>.tmp".
  // Nothing when the folder cannot take a new file (missing, read-only) or
  // every name tried was taken.
  [[nodiscard]] static std::optional<TemporaryFile> CreateBeside(const std::filesystem::path& target);
  // The same with the suffixes taken from `nextSuffix` (tests force clashes
  // with it).
  [[nodiscard]] static std::optional<TemporaryFile> CreateBeside(const std::filesystem::path& target,
                                                                 const SuffixSource& nextSuffix);

  TemporaryFile(TemporaryFile&& other) noexcept;
  TemporaryFile& operator=(TemporaryFile&& other) noexcept;
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile();

  // Appends bytes; false on any write error (a full disk).
  [[nodiscard]] bool Write(std::string_view bytes);

  // Flushes the bytes to the disk, closes the file and renames it over the
  // target. On failure the target is left as it was, the temporary file is
  // removed and the result is false. Either way this object is done.
  [[nodiscard]] bool ReplaceTarget();

  [[nodiscard]] const std::filesystem::path& path() const { return path_; }

 private:
  TemporaryFile(int descriptor, std::filesystem::path path, std::filesystem::path target);
  void Discard();

  int descriptor_ = -1;  // open while writing; -1 once closed
  std::filesystem::path path_;
  std::filesystem::path target_;
};

}  // namespace tabulo
