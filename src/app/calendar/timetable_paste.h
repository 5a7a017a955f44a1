#pragma once
// Cells copied from a spreadsheet, pasted into the timetable editor's grid:
// the clipboard holds rows (CR LF, LF or CR) of tab-separated cells, the way
// spreadsheets copy a range, with a cell holding a tab, a line break or a
// quote written in double quotes ("" for a quote). Rows are periods and
// columns days, starting at the cell the paste was made in; what lies
// beyond Saturday or period 8 is left out.
//
// Each text is trimmed of surrounding blanks, its runs of blanks and line
// breaks become one space, and it is cut to what a cell holds (5 GBK bytes, never inside a
// character); the cut ones are listed for the message. An empty cell pastes
// as empty, as a spreadsheet would.
#include <string>
#include <string_view>
#include <vector>

namespace tabulo::app {

struct PastedCell {
  int cell_index = 0;  // (period − 1) × 6 + day
  std::string text;
  friend bool operator==(const PastedCell&, const PastedCell&) = default;
};

struct TimetablePaste {
  std::vector<PastedCell> cells;  // row by row
  std::vector<std::string> cut;   // "信息技术→信息", once per text
  bool clipped = false;           // some cells lay beyond the grid
};

[[nodiscard]] TimetablePaste PasteIntoGrid(std::string_view clipboard, int start_cell_index);

// What to tell the teacher after a paste; empty when everything went in whole.
[[nodiscard]] std::string PasteMessage(const TimetablePaste& paste);

}  // namespace tabulo::app
