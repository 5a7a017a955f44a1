#pragma once
// The batch file writer's list of files: one row per added file, in the
// order added, each with its tick. The same file may be listed more than
// once. The window's list view mirrors these rows.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tabulo::app {

struct FileRow {
  std::string name;      // after the last backslash
  std::string folder;    // before it, without a trailing backslash ("" when there is none)
  std::string fullPath;  // the path as it was added
  bool ticked = true;
};

// Splits a path at its last backslash into the row's name and folder columns.
[[nodiscard]] FileRow MakeFileRow(std::string_view fullPath);

// The paths of a drop, one per "\r\n"-separated line; empty lines are skipped.
[[nodiscard]] std::vector<std::string> SplitDroppedPaths(std::string_view text);

class FileList {
 public:
  const FileRow& Add(std::string_view fullPath);
  void Remove(std::size_t index);
  void Clear() { rows_.clear(); }
  void SetTicked(std::size_t index, bool ticked);
  void TickAll(bool ticked);

  [[nodiscard]] const std::vector<FileRow>& rows() const { return rows_; }
  [[nodiscard]] std::size_t TickedCount() const;
  // "当前共有" n "个文件，已勾选" k "个"
  [[nodiscard]] std::string StatusText() const;

 private:
  std::vector<FileRow> rows_;
};

}  // namespace tabulo::app
