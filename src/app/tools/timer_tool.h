#pragma once
// Logic of the timer window: a countdown set with three two-digit fields and
// plus/minus buttons, and a stopwatch. The window maps its controls onto
// TimerToolView and forwards clicks and clock ticks; everything the window
// shows follows from the calls made here.
//
// Run state is kept here rather than read back from the controls: running
// means a clock has a non-zero period, paused means the start button reads
// "继续", idle means it reads "开始".
#include <array>
#include <string>
#include <string_view>

#include "app/forms/message_box_request.h"

namespace tabulo::app {

enum class TimeField { kHours, kMinutes, kSeconds };
enum class TimerClock { kCountdown, kStopwatch };  // the form's 时钟1 and 时钟2
enum class ModeBox { kCountdown, kStopwatch };     // "倒计时模式" and "计时模式"

inline constexpr int kTimerTickMs = 1000;

class TimerToolView {
 public:
  virtual ~TimerToolView() = default;
  [[nodiscard]] virtual std::string FieldText(TimeField field) const = 0;
  virtual void SetFieldText(TimeField field, std::string_view text) = 0;
  virtual void ShowFields(bool visible) = 0;  // the three edit fields
  virtual void SetDisplayText(TimeField field, std::string_view text) = 0;
  virtual void ShowDisplays(bool visible) = 0;  // the three digit display labels
  virtual void ShowPlusMinus(bool visible) = 0;  // all six plus/minus buttons
  virtual void ShowDashLine(bool visible) = 0;
  virtual void SetStartButtonText(std::string_view text) = 0;
  virtual void EnableStopButton(bool enabled) = 0;
  virtual void EnableChimeBox(bool enabled) = 0;
  [[nodiscard]] virtual bool ChimeBoxTicked() const = 0;
  virtual void EnablePreview(bool enabled) = 0;
  virtual void SetModeBoxes(bool countdownTicked, bool stopwatchTicked) = 0;
  virtual void SetClockPeriod(TimerClock clock, int periodMs) = 0;  // 0 stops it
  virtual void PlayChime() = 0;
  virtual void SetTopmost(bool topmost) = 0;
  virtual MessageBoxAnswer ShowMessage(const MessageBoxRequest& request) = 0;
};

// "0" + digit for 0 to 9, the plain decimal text otherwise.
[[nodiscard]] std::string TwoDigitGroup(int value);
// Hours, minutes and seconds of a count of seconds, each as TwoDigitGroup.
[[nodiscard]] std::array<std::string, 3> TimeGroups(int totalSeconds);

// The plus/minus buttons' rules on one field's text.
[[nodiscard]] std::string IncrementedField(TimeField field, std::string_view text);
[[nodiscard]] std::string DecrementedField(TimeField field, std::string_view text);

class TimerTool {
 public:
  explicit TimerTool(TimerToolView& view) : view_(view) {}

  // Puts the controls into the countdown idle state the window opens with.
  void Open();

  void OnPlus(TimeField field);
  void OnMinus(TimeField field);
  void OnStartPauseContinue();
  void OnStop();
  void OnClear();
  // A mode box was clicked and now shows `nowTicked`.
  void OnModeBoxClicked(ModeBox box, bool nowTicked);
  void OnClockTick(TimerClock clock);
  void OnPreview() { view_.PlayChime(); }
  void OnTopmostClicked(bool ticked) { view_.SetTopmost(ticked); }

  [[nodiscard]] bool stopwatchMode() const { return stopwatchMode_; }
  [[nodiscard]] int remainingSeconds() const { return remainingSeconds_; }
  [[nodiscard]] int elapsedSeconds() const { return elapsedSeconds_; }

 private:
  enum class StartButton { kStart, kPause, kContinue };

  [[nodiscard]] TimerClock CurrentClock() const;
  [[nodiscard]] bool Running() const { return countdownPeriod_ != 0 || stopwatchPeriod_ != 0; }
  void SetClock(TimerClock clock, int periodMs);
  void SetStartButton(StartButton state);
  void StartClock(TimerClock clock);
  void StartCountdown();
  void EndCountdown();
  void Stop();
  void ShowTime(int totalSeconds);
  void SetUpStopwatchMode();
  void SetUpCountdownMode();
  void ShowModeBoxes() { view_.SetModeBoxes(!stopwatchMode_, stopwatchMode_); }

  TimerToolView& view_;
  bool stopwatchMode_ = false;
  int remainingSeconds_ = 0;
  int elapsedSeconds_ = 0;
  int countdownPeriod_ = 0;
  int stopwatchPeriod_ = 0;
  StartButton startButton_ = StartButton::kStart;
};

}  // namespace tabulo::app
