// Subjects cut to a cell; see cell_text.h.
#include "app/calendar/cell_text.h"

#include "app/calendar/calendar_texts.h"
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

void ShortenedTexts::Note(std::string_view original, std::string_view shortened) {
  if (!originals_.emplace(original).second) return;
  std::string note(original);
  note.append(calendar_texts::kShortenedArrow).append(shortened);
  notes_.push_back(std::move(note));
}

std::string ListOfShortened(const std::vector<std::string>& notes) {
  std::string list;
  for (const std::string& note : notes) {
    if (!list.empty()) list.append(calendar_texts::kListSeparator);
    list.append(note);
  }
  return list;
}

}  // namespace tabulo::app
