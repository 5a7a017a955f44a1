// The week the timetable editor shows; see cycle_week_timetable.h.
#include "app/calendar/cycle_week_timetable.h"

#include <string>
#include <utility>

#include "app/calendar/editor_week_texts.h"
#include "app/forms/message_box_request.h"

namespace tabulo::app {
namespace {

namespace texts = editor_week_texts;

std::string UnsavedQuestion(int shown, int chosen) {
  std::string text(texts::kUnsavedBefore);
  text.append(std::to_string(shown)).append(texts::kUnsavedMiddle);
  text.append(std::to_string(chosen)).append(texts::kUnsavedAfter);
  return text;
}

}  // namespace

CycleWeekTimetable::CycleWeekTimetable(const std::filesystem::path& run_directory,
                                       std::function<CalendarDate()> today)
    : week1_(run_directory),
      calendar_(run_directory),
      timetables_(run_directory),
      today_(std::move(today)),
      cycle_weeks_(calendar_.Load().data.calendar.cycle_weeks) {}

void CycleWeekTimetable::SetWeek(int week) {
  if (week >= 1 && week <= cycle_weeks_) week_ = week;
}

// A later week reads as week 1 where calendar.dat sets nothing, so either
// file gives it something to load.
bool CycleWeekTimetable::Exists() const {
  if (week1_.Exists()) return true;
  std::error_code error;
  return week_ > 1 && std::filesystem::exists(calendar_.path(), error);
}

std::array<std::string, kCells> CycleWeekTimetable::ReadSubjects(std::string_view fallback) const {
  const CycleTimetableContents contents = timetables_.Load();
  std::array<std::string, kCells> subjects;
  for (int cell = 1; cell <= kCells; ++cell) {
    const Cell place = CellOf(cell);
    subjects[cell - 1] = contents.ReadSubject(week_, place.day, place.period, fallback);
  }
  return subjects;
}

bool CycleWeekTimetable::WriteSubjects(std::span<const std::string, kCells> subjects) {
  return timetables_.WriteSubjects(week_, subjects, today_());
}

int ChooseEditorWeek(int week, CycleWeekTimetable& timetable, TimetableEditor& editor, TimetableEditorView& view) {
  const int shown = timetable.week();
  if (week == shown || week < 1 || week > timetable.cycle_weeks()) return shown;
  if (editor.HasUnsavedChanges()) {
    const MessageBoxRequest question{UnsavedQuestion(shown, week), std::string(texts::kUnsavedCaption),
                                     kMbOkCancel | kMbIconExclamation};
    if (view.ShowMessage(question) != MessageBoxAnswer::kOk) return shown;
  }
  timetable.SetWeek(week);
  editor.ShowStored();
  return week;
}

}  // namespace tabulo::app
