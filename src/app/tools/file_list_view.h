#pragma once
// The batch file writer's file list: a native report-style list view with a
// check box in front of every row, as a child of the (opaque) writer window.
// Column 0 holds only the check box; columns 1 and 2 the file name and its
// folder. Rows are addressed by their 0-based position.
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <optional>
#include <utility>

#include "base/geometry/rect.h"
#include "app/tools/file_list.h"
#include "base/win/unique_handle.h"

namespace tabulo::app {

class FileListView {
 public:
  // Creates the list view at `rect` (client coordinates of `parent`) with
  // its three columns and font. False when the system refuses.
  [[nodiscard]] bool Create(HWND parent, const Rect& rect, int id);

  [[nodiscard]] HWND hwnd() const { return list_; }
  [[nodiscard]] std::size_t RowCount() const;
  void AppendRow(const FileRow& row);
  void RemoveRow(std::size_t index);
  void RemoveAllRows();
  void SetTicked(std::size_t index, bool ticked);
  [[nodiscard]] bool Ticked(std::size_t index) const;
  [[nodiscard]] std::optional<std::size_t> SelectedRow() const;
  void Select(std::size_t index);
  // Every column as wide as the larger of its header and its content.
  void FitColumns();

  // The row whose check box changed with this LVN_ITEMCHANGED, and its new
  // tick; nothing for other changes (selection, focus).
  [[nodiscard]] static std::optional<std::pair<std::size_t, bool>> TickChange(const NMLISTVIEW& change);

 private:
  HWND list_ = nullptr;  // a child of the writer window, destroyed with it
  UniqueFont font_;  // outlives the list, which the parent destroys first
};

}  // namespace tabulo::app
