#pragma once
// Logic of the timetable editor "设置课程表" and its floating subject picker.
// The window clones the 48 cells (see grid_layout.h) and implements
// TimetableEditorView; this class decides what loading, saving, the picker
// and the buttons do. Cells are addressed by cell index 1 to 48
// ((period − 1) × 6 + day).
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/forms/message_box_request.h"
#include "app/timetable/timetable_file.h"
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
  TimetableEditor(TimetableEditorView& view, TimetableFile& file, std::function<void()> reloadBar);

  void OnCellFocused(int cellIndex);
  void OnPickerSubject(std::string_view buttonCaption);
  void OnPickerClose() { view_.DestroyPicker(); }
  void OnLoad();
  void OnSave();
  void OnChangeClassTimes();
  void OnExit() { view_.Close(); }
  // The editor window is being destroyed (exit button, close box or program exit).
  void OnDestroying();

  [[nodiscard]] std::optional<int> currentCell() const { return currentCell_; }

 private:
  TimetableEditorView& view_;
  TimetableFile& file_;
  std::function<void()> reloadBar_;
  std::optional<int> currentCell_;  // the cell that last received the focus
};

}  // namespace tabulo::app
