// The calendar window's logic; see calendar_form.h.
#include "app/calendar/calendar_form.h"

#include <algorithm>
#include <utility>

#include "app/calendar/calendar_window_texts.h"
#include "app/calendar/change_line.h"

namespace tabulo::app {
namespace {

namespace texts = calendar_window_texts;

}  // namespace

CalendarForm::CalendarForm(CalendarFormView& view, CalendarFile& file, std::function<void()> reloadBar)
    : view_(view), file_(file), reloadBar_(std::move(reloadBar)) {}

void CalendarForm::Open(const CalendarDate& today) {
  today_ = today;
  const CalendarLoad load = file_.Load();
  stored_ = load.data.calendar;
  changes_ = stored_.changes;
  // Without an anchor, this week is week 1 until the teacher says otherwise.
  SchoolCalendar shown = stored_;
  if (!shown.week1) shown.week1 = MondayOfWeek(today);
  view_.SetCycleWeeks(shown.cycle_weeks);
  view_.SetWeek1(*shown.week1);
  view_.SetCurrentWeek(shown.CycleWeekOf(today), shown.cycle_weeks);
  view_.OfferSwapWeeks(shown.cycle_weeks);
  ChangeFields fields;
  fields.date = today;
  view_.SetChangeFields(fields);
  view_.EnableFieldsOf(ChangeKind::kHoliday);
  ShowChanges();
  if (!load.diagnosis.empty()) view_.ShowMessage({load.diagnosis, kDefaultMessageCaption, kMbIconExclamation});
}

SchoolCalendar CalendarForm::Shown() const {
  SchoolCalendar calendar = stored_;
  calendar.cycle_weeks = view_.CycleWeeks();
  calendar.week1 = view_.Week1();
  calendar.changes = changes_;
  return calendar;
}

void CalendarForm::OnCycleWeeksChanged() {
  const SchoolCalendar calendar = Shown();
  view_.SetCurrentWeek(calendar.CycleWeekOf(today_), calendar.cycle_weeks);
  view_.OfferSwapWeeks(calendar.cycle_weeks);
  ShowChanges();  // a swap's week is named only while the cycle has it
}

void CalendarForm::OnCurrentWeekChanged() { view_.SetWeek1(Week1ForCurrentWeek(today_, view_.CurrentWeek())); }

void CalendarForm::OnWeek1Changed() {
  const SchoolCalendar calendar = Shown();
  view_.SetCurrentWeek(calendar.CycleWeekOf(today_), calendar.cycle_weeks);
}

void CalendarForm::OnAdd() {
  const DatedChange change = ChangeFromFields(view_.ChangeFieldsShown());
  if (const std::optional<std::string_view> refusal = RefusalOf(change, Shown(), today_)) {
    Refuse(*refusal);
    return;
  }
  changes_.push_back(change);
  ShowChanges();
}

void CalendarForm::OnRemove() {
  const std::optional<int> row = view_.SelectedChange();
  if (!row || *row < 0 || *row >= static_cast<int>(listed_.size())) {
    Refuse(texts::kNothingSelected);
    return;
  }
  const auto entered = std::find(changes_.begin(), changes_.end(), listed_[*row]);
  if (entered != changes_.end()) changes_.erase(entered);
  ShowChanges();
}

void CalendarForm::OnSave() {
  // Read again: the timetable editor may have saved weeks 2 to 4 into the
  // same file since this window opened, and those stay as they are now.
  CalendarData data = file_.Load().data;
  const SchoolCalendar shown = Shown();
  data.calendar.cycle_weeks = shown.cycle_weeks;
  data.calendar.week1 = shown.week1;
  data.calendar.changes = shown.changes;
  if (!file_.Save(std::move(data), today_)) {
    Refuse(texts::kNotSaved);
    return;
  }
  if (reloadBar_) reloadBar_();
  view_.ShowMessage({std::string(texts::kSaved), kDefaultMessageCaption, kMbIconInformation});
  view_.Close();
}

void CalendarForm::ShowChanges() {
  const SchoolCalendar calendar = Shown();
  listed_ = calendar.UpcomingChanges(today_);
  std::vector<std::string> lines;
  lines.reserve(listed_.size());
  for (const DatedChange& change : listed_) lines.push_back(ChangeLine(change, calendar));
  view_.ShowChanges(lines);
}

void CalendarForm::Refuse(std::string_view text) {
  view_.ShowMessage({std::string(text), kDefaultMessageCaption, kMbIconExclamation});
}

}  // namespace tabulo::app
