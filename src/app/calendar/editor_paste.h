#pragma once
// Ctrl+V into a cell of the timetable editor. Rows of tab-separated cells,
// as a spreadsheet copies a range, fill the grid from that cell (rows are
// periods, columns days; see timetable_paste.h), and what had to be cut to a
// cell's 5 bytes is listed in a message. Plain text without tabs or line
// breaks is left to the cell's own paste.
#include <string_view>

#include "app/timetable/timetable_editor.h"

namespace tabulo::app {

// True when the clipboard's text went into the grid; false when the cell
// should paste it as usual.
[[nodiscard]] bool PasteIntoEditor(std::string_view clipboard, int cell_index, TimetableEditorView& view);

}  // namespace tabulo::app
