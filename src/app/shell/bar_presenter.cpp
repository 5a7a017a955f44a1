// The bar's clock, day and reminder; see bar_presenter.h.
#include "app/shell/bar_presenter.h"

#include <utility>

#include "app/timetable/timetable_file.h"
#include "base/time/date_text.h"

namespace tabulo::app {

BarPresenter::BarPresenter(BarView& view, std::filesystem::path runDirectory)
    : view_(view), runDirectory_(std::move(runDirectory)) {}

void BarPresenter::Open(const DateTime& now) {
  ShowClock(now);
  dateWatch_.emplace(now);
  ShowDay(now.weekday);
  ShowSubjects();
}

void BarPresenter::ReloadTimetable() { ShowSubjects(); }

void BarPresenter::OnClockTick(const DateTime& now) {
  ShowClock(now);
  // Left running over midnight, the bar moves on to the new day's periods
  // instead of reminding of yesterday's.
  if (!dateWatch_ || !dateWatch_->Changed(now)) return;
  ShowDay(now.weekday);
  ShowSubjects();
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

void BarPresenter::ShowDay(int weekday) {
  schedule_.ChooseToday(weekday);
  if (schedule_.today == weekdayText_) return;
  weekdayText_ = schedule_.today;
  view_.ShowWeekday(weekdayText_);
}

void BarPresenter::ShowSubjects() {
  const std::array<std::string, kPeriods> subjects = schedule_.Load(TimetableFile(runDirectory_));
  for (int row = 0; row < kPeriods; ++row) {
    if (subjects_[row] == subjects[row]) continue;
    subjects_[row] = subjects[row];
    view_.ShowSubject(row + 1, subjects[row]);
  }
}

}  // namespace tabulo::app
