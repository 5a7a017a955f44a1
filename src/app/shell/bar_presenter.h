#pragma once
// What the bar shows and when it changes: the clock, the weekday, today's
// eight subjects, the move to the next day when the bar is left running over
// midnight, and the class reminder that works on today's schedule.
//
// Today's timetable is the school calendar's choice for the date (a holiday,
// a swapped day, skipped periods or the cycle week), taken again on every
// new date and every reload; without calendar.dat it is the weekday's row of
// timetable.dat as always. A damaged calendar.dat is reported once per
// distinct diagnosis, not at every reload.
//
// BarWindow maps BarView onto its labels and forwards its two timers here.
// The presenter remembers what each label shows and calls the view only for
// a label whose text changes, so a clock tick within the same second, or a
// reload that leaves a period's subject as it was, repaints nothing.
//
// The reminder may run a pop-up's message loop inside OnReminderTick, and
// clock ticks and reloads arrive from that loop; nothing here is replaced
// while the reminder runs, so such a nested call is safe.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/calendar/calendar_date.h"
#include "app/timetable/day_schedule.h"
#include "app/timetable/reminder.h"
#include "base/color/color.h"
#include "base/time/date_time.h"

namespace tabulo::app {

class BarView {
 public:
  virtual ~BarView() = default;
  virtual void ShowClock(std::string_view text) = 0;
  virtual void ShowWeekday(std::string_view text) = 0;
  virtual void ShowSubject(int period, std::string_view subject) = 0;  // period 1 to 8
  // Called once the bar shows a new date's weekday and subjects and the
  // reminder has started the day; `today` is the new day's display name.
  virtual void NewDayStarted(std::string_view today) = 0;
  // calendar.dat could not be used in full: what was left out and why.
  virtual void ReportCalendarProblem(std::string_view diagnosis) = 0;
};

class BarPresenter {
 public:
  // Today's timetable is read from timetable.dat and calendar.dat in `runDirectory`.
  BarPresenter(BarView& view, std::filesystem::path runDirectory);
  BarPresenter(const BarPresenter&) = delete;
  BarPresenter& operator=(const BarPresenter&) = delete;

  // Start-up: shows the clock, today's weekday and every period's subject.
  void Open(const DateTime& now);
  // After a save of today's timetable elsewhere in the program.
  void ReloadTimetable();
  // The clock timer: the clock text, and on a new date the new day.
  void OnClockTick(const DateTime& now);

  // Starts the class reminder on today's schedule (once the bar is shown);
  // `clockOffset` and `tip` are the settings read at start-up, `textColour`
  // the colour a highlighted row turns back to.
  void StartReminder(ReminderView& view, std::string clockOffset, std::string tip, Argb textColour);
  // The reminder timer; nothing before StartReminder.
  void OnReminderTick(const DateTime& now);
  // The running reminder, for the pop-up's creation and dismissal; null
  // before StartReminder.
  [[nodiscard]] Reminder* reminder() { return reminder_ ? &*reminder_ : nullptr; }

  [[nodiscard]] const DaySchedule& schedule() const { return schedule_; }

 private:
  void ShowClock(const DateTime& now);
  // Chooses the day's timetable for `date` and shows its label and subjects.
  void ShowDay(const CalendarDate& date);
  void ShowWeekday(std::string label);
  void ShowSubjects(const std::array<std::string, kPeriods>& subjects);
  void Report(std::string diagnosis);

  BarView& view_;
  std::filesystem::path runDirectory_;
  DaySchedule schedule_;
  std::optional<DateWatch> dateWatch_;
  CalendarDate date_;  // the date the shown day was chosen for
  std::optional<Reminder> reminder_;
  // What the labels show; empty (and no subject) until Open.
  std::string clockText_;
  std::string weekdayText_;
  std::array<std::optional<std::string>, kPeriods> subjects_;
  std::string reportedDiagnosis_;  // the last calendar problem reported
};

}  // namespace tabulo::app
