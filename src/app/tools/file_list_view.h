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

#include "base/geometry/dpi_scale.h"
#include "base/geometry/rect.h"
#include "app/tools/file_list.h"
#include "base/win/unique_handle.h"

namespace tabulo::app {

class FileListView {
 public:
  // Creates the list view at `place` (client coordinates of `parent` in
  // 96-DPI units) with its three columns and font, all in pixels at
  // `scale`. False when the system refuses.
  [[nodiscard]] bool Create(HWND parent, const Rect& place, int id, DpiScale scale);
  // Takes the list to another scale (its parent moved to a monitor of
  // another DPI): its place, font and column widths.
  void Rescale(DpiScale scale);

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
  Rect place_;           // in units
  DpiScale scale_;
  UniqueFont font_;  // outlives the list, which the parent destroys first
};

}  // namespace tabulo::app
