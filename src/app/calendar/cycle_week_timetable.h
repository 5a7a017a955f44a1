#pragma once
// The cycle week the timetable editor shows when the school calendar
// rotates through two to four weeks. Loading and saving go to that week
// (week 1 is timetable.dat, exactly as without a calendar; weeks 2 to 4 live
// in calendar.dat), and choosing another week shows its subjects, after the
// teacher agreed to drop what the grid holds unsaved. Without a rotation the
// week is always 1 and the editor works as it always has.
#include <filesystem>
#include <functional>

#include "app/calendar/calendar_date.h"
#include "app/calendar/cycle_timetables.h"
#include "app/timetable/timetable_editor.h"

namespace tabulo::app {

class CycleWeekTimetable final : public EditedTimetable {
 public:
  // The cycle's length is read from calendar.dat once, now; `today` dates the
  // saves of later weeks (they prune old dated changes).
  CycleWeekTimetable(const std::filesystem::path& run_directory, std::function<CalendarDate()> today);

  [[nodiscard]] int cycle_weeks() const { return cycle_weeks_; }
  [[nodiscard]] int week() const { return week_; }
  void SetWeek(int week);  // 1 .. cycle_weeks(); another is ignored

  [[nodiscard]] bool Exists() const override;
  [[nodiscard]] std::array<std::string, kCells> ReadSubjects(std::string_view fallback) const override;
  [[nodiscard]] bool WriteSubjects(std::span<const std::string, kCells> subjects) override;

 private:
  TimetableFile week1_;
  CalendarFile calendar_;
  CycleTimetables timetables_;
  std::function<CalendarDate()> today_;
  int cycle_weeks_ = 1;
  int week_ = 1;
};

// The teacher chose `week` in the editor's week selector. Returns the week
// the editor shows afterwards: `week`, or the one shown before when the grid
// held unsaved changes and the teacher chose to keep them.
[[nodiscard]] int ChooseEditorWeek(int week, CycleWeekTimetable& timetable, TimetableEditor& editor,
                                   TimetableEditorView& view);

}  // namespace tabulo::app
