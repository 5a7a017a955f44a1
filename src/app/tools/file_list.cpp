#include "app/tools/file_list.h"

#include <algorithm>

namespace tabulo::app {

FileRow MakeFileRow(std::string_view fullPath) {
  FileRow row;
  row.fullPath = fullPath;
  const std::size_t cut = fullPath.rfind('\\');
  if (cut == std::string_view::npos) {
    row.name = fullPath;
  } else {
    row.name = fullPath.substr(cut + 1);
    row.folder = fullPath.substr(0, cut);
  }
  return row;
}

std::vector<std::string> SplitDroppedPaths(std::string_view text) {
  std::vector<std::string> paths;
  while (!text.empty()) {
    const std::size_t end = text.find("\r\n");
    const std::string_view line = text.substr(0, end);
    if (!line.empty()) paths.emplace_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 2);
  }
  return paths;
}

const FileRow& FileList::Add(std::string_view fullPath) { return rows_.emplace_back(MakeFileRow(fullPath)); }

void FileList::Remove(std::size_t index) {
  if (index < rows_.size()) rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
}

void FileList::SetTicked(std::size_t index, bool ticked) {
  if (index < rows_.size()) rows_[index].ticked = ticked;
}

void FileList::TickAll(bool ticked) {
  for (FileRow& row : rows_) row.ticked = ticked;
}

std::size_t FileList::TickedCount() const {
  return static_cast<std::size_t>(std::count_if(rows_.begin(), rows_.end(), [](const FileRow& r) { return r.ticked; }));
}

std::string FileList::StatusText() const {
  return "当前共有" + std::to_string(rows_.size()) + "个文件，已勾选" + std::to_string(TickedCount()) + "个";
}

}  // namespace tabulo::app
