#pragma once
// The class reminder: every 5 seconds the bar's timer 提示时钟 runs Tick().
// Shortly before a period of today starts, its row on the bar takes the
// highlight colour and the pop-up "助手提示窗口" shows the subject; from 3
// minutes after the start the pop-up is closed and the row turns back.
//
// Time is whole minutes of the corrected clock: local time minus the clock
// offset setting `time`, not wrapped at midnight. The pop-up runs its own
// message loop inside the tick that opened it (ReminderView::OpenPopup
// returns only when the pop-up is gone), so later ticks, a dismissal or a
// new day can arrive while an earlier tick is still inside OpenPopup; the
// state below is written with that in mind.
//
// A program left running over midnight: the bar's clock notices the new
// date with DateWatch, runs the weekday step and the load of DaySchedule
// again, and calls StartNewDay(), so the bar never reminds of yesterday's
// periods.
#include <string>
#include <string_view>

#include "app/timetable/day_schedule.h"
#include "base/color/color.h"
#include "base/time/date_time.h"

namespace tabulo::app {

inline constexpr int kReminderTickMs = 5000;
inline constexpr Argb kReminderHighlight = MakeArgb(255, 252, 110, 81);

// The period of 提示时钟: stopped for good when `tip` is "true".
[[nodiscard]] int ReminderTimerPeriod(std::string_view tip);

// "暂无", "无" and the empty text mean there is no class in the period.
[[nodiscard]] bool IsRealSubject(std::string_view subject);

struct ReminderState {
  bool shown = false;      // the pop-up was created for the current announcement
  bool dismissed = false;  // the user closed it with "关闭提示"
  std::string popupText;   // the subject the pop-up shows
};

class ReminderView {
 public:
  virtual ~ReminderView() = default;
  // The text of the bar's period label (1 to 8): today's subject.
  [[nodiscard]] virtual std::string PeriodText(int period) const = 0;
  virtual void SetPeriodColour(int period, Argb colour) = 0;
  [[nodiscard]] virtual bool PopupExists() const = 0;
  // Creates the pop-up (its creation calls Reminder::OnPopupCreated) and runs
  // its message loop; returns once it has been destroyed.
  virtual void OpenPopup(std::string_view subject) = 0;
  virtual void DestroyPopup() = 0;
  // Asks the pop-up to close (posts WM_CLOSE).
  virtual void ClosePopup() = 0;
};

class Reminder {
 public:
  // `clockOffset` and `tip` are the settings read at start-up; the skin text
  // colour is what a row turns back to.
  Reminder(ReminderView& view, const DaySchedule& schedule, std::string clockOffset, std::string tip,
           Argb skinTextColour);

  void Tick(const DateTime& now);
  void OnPopupCreated();
  // The pop-up's "关闭提示": no more pop-up until the clean-up of the period.
  void OnDismiss();
  // After the bar has loaded a new day: closes the pop-up, restores every
  // row's colour and forgets the previous day's announcement.
  void StartNewDay();

  [[nodiscard]] const ReminderState& state() const { return state_; }

 private:
  [[nodiscard]] bool InWindow(long long m, int period) const;
  [[nodiscard]] int GapOf(long long m) const;  // 0 when m lies in no gap
  [[nodiscard]] long long Start(int period) const { return schedule_.start[period - 1]; }
  // false when the tick must stop here
  bool Announce(long long m);
  void CleanUp(long long m);

  ReminderView& view_;
  const DaySchedule& schedule_;
  std::string clockOffset_;
  std::string tip_;
  Argb skinTextColour_;
  ReminderState state_;
};

// Notices a change of the local date between calls.
class DateWatch {
 public:
  explicit DateWatch(const DateTime& now) : year_(now.year), month_(now.month), day_(now.day) {}
  // True once for each new date.
  bool Changed(const DateTime& now);

 private:
  int year_, month_, day_;
};

}  // namespace tabulo::app
