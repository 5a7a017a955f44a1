#pragma once
// Logic of the timetable editor "设置课程表" and its floating subject picker.
// The window clones the 48 cells (see grid_layout.h) and implements
// TimetableEditorView; this class decides what loading, saving, the picker
// and the buttons do. Cells are addressed by cell index 1 to 48
// ((period − 1) × 6 + day).
#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/forms/message_box_request.h"
#include "app/timetable/school_week.h"
#include "base/geometry/rect.h"

namespace tabulo::app {

// A cell holds at most 5 bytes of GBK text (two Chinese characters and one
// more byte): whether the cell may take `text` after an edit.
inline constexpr std::size_t kCellLimitGbkBytes = 5;
[[nodiscard]] bool CellAccepts(std::string_view text);

// What a subject button of the picker puts into the cell: its caption, except
// that "信息技术" puts "信息".
[[nodiscard]] std::string_view SubjectOfPickerButton(std::string_view caption);

// The picker's top-left corner for a mouse cursor at `cursor` (screen).
inline constexpr Point kPickerOffset{12, 28};
[[nodiscard]] constexpr Point PickerPosition(Point cursor) {
  return {cursor.x + kPickerOffset.x, cursor.y + kPickerOffset.y};
}

// What the editor reads and saves: timetable.dat, or the cycle week it shows
// when the school calendar rotates (app/calendar).
class EditedTimetable {
 public:
  virtual ~EditedTimetable() = default;
  [[nodiscard]] virtual bool Exists() const = 0;
  // The subjects by cell index − 1, `fallback` where none is stored.
  [[nodiscard]] virtual std::array<std::string, kCells> ReadSubjects(std::string_view fallback) const = 0;
  // All 48 in one replacement of the file; false when it was not written.
  [[nodiscard]] virtual bool WriteSubjects(std::span<const std::string, kCells> subjects) = 0;
};

class TimetableEditorView {
 public:
  virtual ~TimetableEditorView() = default;
  [[nodiscard]] virtual std::string CellText(int cellIndex) const = 0;
  virtual void SetCellText(int cellIndex, std::string_view text) = 0;
  virtual void FocusCell(int cellIndex) = 0;
  [[nodiscard]] virtual Point CursorPosition() const = 0;  // screen coordinates
  [[nodiscard]] virtual bool PickerOpen() const = 0;
  virtual void OpenPicker() = 0;  // non-modal
  virtual void MovePicker(Point topLeft) = 0;
  virtual void DestroyPicker() = 0;
  virtual void OpenClassTimeAdjustment() = 0;  // non-modal; the editor stays open
  virtual void Close() = 0;                    // destroys the editor window
  virtual MessageBoxAnswer ShowMessage(const MessageBoxRequest& request) = 0;
};

class TimetableEditor {
 public:
  // `reloadBar` runs the bar's timetable load after a save, so the bar shows
  // today's new subjects at once.
  TimetableEditor(TimetableEditorView& view, EditedTimetable& timetable, std::function<void()> reloadBar);

  void OnCellFocused(int cellIndex);
  void OnPickerSubject(std::string_view buttonCaption);
  void OnPickerClose() { view_.DestroyPicker(); }
  void OnLoad();
  // Puts what is stored into the grid, "暂无" where nothing is, without the
  // load's question whether the file exists (another week was chosen).
  void ShowStored();
  void OnSave();
  void OnChangeClassTimes();
  void OnExit() { view_.Close(); }
  // The editor window is being destroyed (exit button, close box or program exit).
  void OnDestroying();

  [[nodiscard]] std::optional<int> currentCell() const { return currentCell_; }
  // Whether the grid differs from what it last showed loaded or saved (at
  // first: all empty).
  [[nodiscard]] bool HasUnsavedChanges() const;

 private:
  TimetableEditorView& view_;
  EditedTimetable& timetable_;
  std::function<void()> reloadBar_;
  std::optional<int> currentCell_;  // the cell that last received the focus
  std::array<std::string, kCells> stored_;  // the grid as last loaded or saved, by cell index − 1
};

}  // namespace tabulo::app
