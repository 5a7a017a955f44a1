#include "app/timetable/reminder.h"

#include <utility>

#include "app/timetable/school_week.h"
#include "base/text/text_to_int.h"

namespace tabulo::app {

namespace {

constexpr long long kLead = 3;      // announced from 3 minutes before the start
constexpr long long kTail = 2;      // to 2 minutes after it
constexpr long long kCleanUp = 3;   // cleaned up from 3 minutes after the start

}  // namespace

int ReminderTimerPeriod(std::string_view tip) { return tip == "true" ? 0 : kReminderTickMs; }

bool IsRealSubject(std::string_view subject) { return !subject.empty() && subject != "暂无" && subject != "无"; }

Reminder::Reminder(ReminderView& view, const DaySchedule& schedule, std::string clockOffset, std::string tip,
                   Argb skinTextColour)
    : view_(view),
      schedule_(schedule),
      clockOffset_(std::move(clockOffset)),
      tip_(std::move(tip)),
      skinTextColour_(skinTextColour) {}

void Reminder::Tick(const DateTime& now) {
  if (schedule_.today == kSundayDisplayName) return;
  const long long m = static_cast<long long>(now.hour) * 60 + now.minute - TextToInt(clockOffset_);
  if (!Announce(m)) return;
  CleanUp(m);
}

bool Reminder::Announce(long long m) {
  int period = 0;
  for (int p = 1; p <= kPeriods && period == 0; ++p) {
    if (InWindow(m, p) && !state_.dismissed) period = p;
  }
  if (period == 0) return true;
  const std::string subject = view_.PeriodText(period);
  if (!IsRealSubject(subject)) return false;  // a free period also holds off the clean-up
  if (!state_.shown) {
    state_.popupText = subject;
    view_.SetPeriodColour(period, kReminderHighlight);
    if (tip_ == "false") view_.OpenPopup(subject);  // further ticks run inside
  }
  return true;
}

void Reminder::CleanUp(long long m) {
  if (m < Start(1) + kCleanUp) return;
  const int gap = GapOf(m);
  if (gap == 0) return;
  // The announcement of the next period has just begun: its pop-up stays.
  if (gap < kPeriods && InWindow(m, gap + 1)) return;
  if (view_.PopupExists()) {
    view_.DestroyPopup();
    state_.dismissed = false;  // shown stays until a tick finds no pop-up
  } else {
    state_.dismissed = false;
    state_.shown = false;
  }
  view_.SetPeriodColour(gap, skinTextColour_);
}

void Reminder::OnPopupCreated() {
  state_.shown = true;
  state_.dismissed = false;
}

void Reminder::OnDismiss() {
  state_.dismissed = true;
  view_.ClosePopup();
}

void Reminder::StartNewDay() {
  if (view_.PopupExists()) view_.DestroyPopup();
  state_ = ReminderState();
  for (int p = 1; p <= kPeriods; ++p) view_.SetPeriodColour(p, skinTextColour_);
}

bool Reminder::InWindow(long long m, int period) const {
  return Start(period) - kLead <= m && m <= Start(period) + kTail;
}

int Reminder::GapOf(long long m) const {
  if (m <= Start(2) - kLead) return 1;
  for (int p = 2; p < kPeriods; ++p) {
    if (Start(p) + kCleanUp <= m && m <= Start(p + 1) - kLead) return p;
  }
  if (m >= Start(kPeriods) + kCleanUp) return kPeriods;
  return 0;
}

bool DateWatch::Changed(const DateTime& now) {
  if (now.year == year_ && now.month == month_ && now.day == day_) return false;
  year_ = now.year, month_ = now.month, day_ = now.day;
  return true;
}

}  // namespace tabulo::app
