// Pasting any clipboard text at any cell: no crash; every pasted cell lies
// in the grid, at or after the starting cell's period and day, and holds a
// text a cell holds.
#include <cstdint>

#include "app/calendar/cell_text.h"
#include "app/calendar/timetable_paste.h"
#include "app/timetable/school_week.h"
#include "fuzz_input.h"

using tabulo::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tabulo::fuzz::FuzzInput input(data, size);
  const int start = 1 + input.Number<std::uint8_t>() % tabulo::app::kCells;
  const tabulo::app::TimetablePaste paste = tabulo::app::PasteIntoGrid(input.RestAsText(), start);
  const tabulo::app::Cell first = tabulo::app::CellOf(start);
  for (const tabulo::app::PastedCell& cell : paste.cells) {
    Check(cell.cell_index >= 1 && cell.cell_index <= tabulo::app::kCells, "pasted cells lie in the grid");
    const tabulo::app::Cell at = tabulo::app::CellOf(cell.cell_index);
    Check(at.day >= first.day && at.period >= first.period, "pasted from the starting cell on");
    Check(tabulo::app::FitToCell(cell.text) == cell.text, "pasted texts fit a cell");
  }
  return 0;
}
