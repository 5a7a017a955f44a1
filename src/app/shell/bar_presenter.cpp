// The bar's clock, day and reminder; see bar_presenter.h.
#include "app/shell/bar_presenter.h"

#include <utility>

#include "app/calendar/chosen_day.h"
#include "app/calendar/cycle_timetables.h"
#include "app/calendar/timetable_choice.h"
#include "base/time/date_text.h"

namespace tabulo::app {
namespace {

CalendarDate DateOf(const DateTime& now) { return CalendarDate{now.year, now.month, now.day}; }

}  // namespace

BarPresenter::BarPresenter(BarView& view, std::filesystem::path runDirectory)
    : view_(view), runDirectory_(std::move(runDirectory)) {}

void BarPresenter::Open(const DateTime& now) {
  ShowClock(now);
  dateWatch_.emplace(now);
  ShowDay(DateOf(now));
}

// A save may have changed the calendar as well as the subjects, so the day
// is chosen again, for the date it was chosen for.
void BarPresenter::ReloadTimetable() { ShowDay(date_); }

void BarPresenter::OnClockTick(const DateTime& now) {
  ShowClock(now);
  // Left running over midnight, the bar moves on to the new day's periods
  // instead of reminding of yesterday's.
  if (!dateWatch_ || !dateWatch_->Changed(now)) return;
  ShowDay(DateOf(now));
  if (reminder_) reminder_->StartNewDay();
  view_.NewDayStarted(schedule_.today);
}

void BarPresenter::StartReminder(ReminderView& view, std::string clockOffset, std::string tip, Argb textColour) {
  reminder_.emplace(view, schedule_, std::move(clockOffset), std::move(tip), textColour);
}

void BarPresenter::OnReminderTick(const DateTime& now) {
  if (reminder_) reminder_->Tick(now);
}

void BarPresenter::ShowClock(const DateTime& now) {
  std::string text = ClockText(now);
  if (text == clockText_) return;
  clockText_ = std::move(text);
  view_.ShowClock(clockText_);
}

void BarPresenter::ShowDay(const CalendarDate& date) {
  date_ = date;
  std::string diagnosis;
  const CycleTimetableContents timetables = CycleTimetables(runDirectory_).Load(&diagnosis);
  const TimetableChoice choice = ChooseTimetable(date, timetables.calendar().calendar);
  const std::array<std::string, kPeriods> subjects = LoadChosenDay(schedule_, choice, timetables);
  ShowWeekday(choice.label);
  ShowSubjects(subjects);
  Report(std::move(diagnosis));
}

void BarPresenter::ShowWeekday(std::string label) {
  if (label == weekdayText_) return;
  weekdayText_ = std::move(label);
  view_.ShowWeekday(weekdayText_);
}

void BarPresenter::ShowSubjects(const std::array<std::string, kPeriods>& subjects) {
  for (int row = 0; row < kPeriods; ++row) {
    if (subjects_[row] == subjects[row]) continue;
    subjects_[row] = subjects[row];
    view_.ShowSubject(row + 1, subjects[row]);
  }
}

// The bar reloads at every save and every midnight: the same damage is
// reported once, a different one (or the same after a repair) again.
void BarPresenter::Report(std::string diagnosis) {
  if (diagnosis == reportedDiagnosis_) return;
  reportedDiagnosis_ = std::move(diagnosis);
  if (!reportedDiagnosis_.empty()) view_.ReportCalendarProblem(reportedDiagnosis_);
}

}  // namespace tabulo::app
