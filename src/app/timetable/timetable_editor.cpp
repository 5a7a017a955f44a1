#include "app/timetable/timetable_editor.h"

#include <array>
#include <utility>

#include "app/timetable/day_schedule.h"
#include "app/timetable/school_week.h"
#include "app/timetable/timetable_texts.h"
#include "base/text/gbk.h"

namespace tabulo::app {

namespace texts = timetable_texts;

bool CellAccepts(std::string_view text) { return GbkLength(text) <= kCellLimitGbkBytes; }

std::string_view SubjectOfPickerButton(std::string_view caption) {
  return caption == "信息技术" ? std::string_view("信息") : caption;
}

TimetableEditor::TimetableEditor(TimetableEditorView& view, EditedTimetable& timetable,
                                 std::function<void()> reloadBar)
    : view_(view), timetable_(timetable), reloadBar_(std::move(reloadBar)) {}

void TimetableEditor::OnCellFocused(int cellIndex) {
  currentCell_ = cellIndex;
  if (!view_.PickerOpen()) {
    view_.OpenPicker();
    view_.FocusCell(cellIndex);  // the caret stays in the cell
  }
  view_.MovePicker(PickerPosition(view_.CursorPosition()));
}

void TimetableEditor::OnPickerSubject(std::string_view buttonCaption) {
  if (currentCell_) view_.SetCellText(*currentCell_, SubjectOfPickerButton(buttonCaption));
}

void TimetableEditor::OnLoad() {
  if (!timetable_.Exists()) {
    view_.ShowMessage({texts::kFileMissing, texts::kFileMissingCaption, kMbIconInformation});
    return;
  }
  ShowStored();
}

void TimetableEditor::ShowStored() {
  stored_ = timetable_.ReadSubjects(kNoSubject);
  for (int day = 1; day <= kSchoolDays; ++day) {
    for (int period = 1; period <= kPeriods; ++period) {
      const int cell = CellIndex(day, period);
      view_.SetCellText(cell, stored_[cell - 1]);
    }
  }
}

bool TimetableEditor::HasUnsavedChanges() const {
  for (int cell = 1; cell <= kCells; ++cell) {
    if (view_.CellText(cell) != stored_[cell - 1]) return true;
  }
  return false;
}

void TimetableEditor::OnSave() {
  std::array<std::string, kCells> subjects;
  for (int cell = 1; cell <= kCells; ++cell) {
    subjects[cell - 1] = view_.CellText(cell);
    if (subjects[cell - 1].empty()) {
      view_.ShowMessage({texts::kIncomplete, texts::kSaveFailedCaption, kMbIconInformation});
      return;
    }
  }
  if (!timetable_.WriteSubjects(subjects)) {
    view_.ShowMessage({texts::kNotWritten, texts::kSaveFailedCaption, kMbIconExclamation});
    return;
  }
  stored_ = std::move(subjects);
  if (reloadBar_) reloadBar_();
  view_.ShowMessage({texts::kSaved, texts::kSavedCaption, kMbIconInformation});
}

void TimetableEditor::OnChangeClassTimes() {
  view_.ShowMessage({texts::kChangeTimesWarning, texts::kChangeTimesCaption, kMbOk | kMbIconExclamation});
  view_.OpenClassTimeAdjustment();
}

void TimetableEditor::OnDestroying() {
  if (view_.PickerOpen()) view_.DestroyPicker();
}

}  // namespace tabulo::app
