// Spreadsheet cells pasted into the timetable editor; see editor_paste.h.
#include "app/calendar/editor_paste.h"

#include <string>

#include "app/calendar/timetable_paste.h"
#include "app/forms/message_box_request.h"

namespace tabulo::app {

bool PasteIntoEditor(std::string_view clipboard, int cell_index, TimetableEditorView& view) {
  if (clipboard.find_first_of("\t\r\n") == std::string_view::npos) return false;
  const TimetablePaste paste = PasteIntoGrid(clipboard, cell_index);
  for (const PastedCell& cell : paste.cells) view.SetCellText(cell.cell_index, cell.text);
  if (std::string message = PasteMessage(paste); !message.empty()) {
    view.ShowMessage({std::move(message), kDefaultMessageCaption, kMbIconInformation});
  }
  return true;
}

}  // namespace tabulo::app
