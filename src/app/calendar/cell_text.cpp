// Subjects cut to a cell; see cell_text.h.
#include "app/calendar/cell_text.h"

#include "app/timetable/timetable_editor.h"
#include "base/text/gbk.h"
#include "base/text/utf8.h"

namespace tabulo::app {

std::string FitToCell(std::string_view text) {
  std::size_t gbk_bytes = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = DecodeUtf8(text, pos).length;
    gbk_bytes += GbkLength(text.substr(pos, length));
    if (gbk_bytes > kCellLimitGbkBytes) return std::string(text.substr(0, pos));
    pos += length;
  }
  return std::string(text);
}

}  // namespace tabulo::app
