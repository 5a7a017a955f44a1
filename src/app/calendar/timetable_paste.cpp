// Pasting spreadsheet cells; see timetable_paste.h.
#include "app/calendar/timetable_paste.h"

#include "app/calendar/calendar_texts.h"
#include "app/calendar/cell_text.h"
#include "app/timetable/school_week.h"

namespace tabulo::app {
namespace {

namespace texts = calendar_texts;

using Row = std::vector<std::string>;

bool IsRowEnd(char c) { return c == '\r' || c == '\n'; }

// The rows and cells of a spreadsheet's copied range. A final row end
// closes the last row rather than starting an empty one.
class ClipboardCells {
 public:
  explicit ClipboardCells(std::string_view text) : text_(text) {}

  std::vector<Row> Rows() {
    std::vector<Row> rows;
    Row row;
    while (pos_ < text_.size()) {
      row.push_back(Cell());
      if (pos_ >= text_.size()) break;
      const char separator = text_[pos_++];
      if (separator == '\t') {
        if (pos_ == text_.size()) row.emplace_back();
        continue;
      }
      if (separator == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
      rows.push_back(std::move(row));
      row.clear();
    }
    if (!row.empty()) rows.push_back(std::move(row));
    return rows;
  }

 private:
  std::string Cell() {
    if (pos_ < text_.size() && text_[pos_] == '"') return QuotedCell();
    const std::size_t begin = pos_;
    while (pos_ < text_.size() && text_[pos_] != '\t' && !IsRowEnd(text_[pos_])) ++pos_;
    return std::string(text_.substr(begin, pos_ - begin));
  }

  // "…" with "" for a quote; an unclosed one runs to the end of the text.
  std::string QuotedCell() {
    std::string cell;
    for (++pos_; pos_ < text_.size(); ++pos_) {
      if (text_[pos_] != '"') {
        cell += text_[pos_];
      } else if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
        cell += '"';
        ++pos_;
      } else {
        ++pos_;
        break;
      }
    }
    // Text after the closing quote belongs to the cell too, as spreadsheets read it.
    while (pos_ < text_.size() && text_[pos_] != '\t' && !IsRowEnd(text_[pos_])) cell += text_[pos_++];
    return cell;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

// Line breaks and tabs as single spaces, surrounding blanks gone.
std::string Tidied(std::string_view text) {
  std::string tidied;
  for (const char c : text) {
    const char blank_or_c = IsRowEnd(c) || c == '\t' ? ' ' : c;
    if (blank_or_c == ' ' && (tidied.empty() || tidied.back() == ' ')) continue;
    tidied += blank_or_c;
  }
  if (!tidied.empty() && tidied.back() == ' ') tidied.pop_back();
  return tidied;
}

}  // namespace

TimetablePaste PasteIntoGrid(std::string_view clipboard, int start_cell_index) {
  TimetablePaste paste;
  const Cell start = CellOf(start_cell_index);
  ShortenedTexts shortened;
  const std::vector<Row> rows = ClipboardCells(clipboard).Rows();
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      const int period = start.period + static_cast<int>(r);
      const int day = start.day + static_cast<int>(c);
      if (!IsPeriod(period) || !IsSchoolDay(day)) {
        paste.clipped = true;
        continue;
      }
      const std::string text = Tidied(rows[r][c]);
      std::string fitted = FitToCell(text);
      if (fitted != text) shortened.Note(text, fitted);
      paste.cells.push_back({CellIndex(day, period), std::move(fitted)});
    }
  }
  paste.cut = shortened.notes();
  return paste;
}

std::string PasteMessage(const TimetablePaste& paste) {
  std::string message;
  if (!paste.cut.empty()) {
    message.append(texts::kPasteCut).append(ListOfShortened(paste.cut));
  }
  if (paste.clipped) {
    if (!message.empty()) message.append("\n");
    message.append(texts::kPasteClipped);
  }
  return message;
}

}  // namespace tabulo::app
