#include "app/tools/timer_tool.h"

#include <cstdint>

#include "app/tools/timer_texts.h"
#include "base/text/text_to_int.h"

namespace tabulo::app {

namespace {

constexpr TimeField kFields[] = {TimeField::kHours, TimeField::kMinutes, TimeField::kSeconds};

}  // namespace

std::string TwoDigitGroup(int value) {
  std::string text = std::to_string(value);
  if (value >= 0 && value <= 9) text.insert(text.begin(), '0');
  return text;
}

std::array<std::string, 3> TimeGroups(int totalSeconds) {
  const int h = totalSeconds / 3600;
  const int m = (totalSeconds - 3600 * h) / 60;
  const int s = totalSeconds - 3600 * h - 60 * m;
  return {TwoDigitGroup(h), TwoDigitGroup(m), TwoDigitGroup(s)};
}

std::string IncrementedField(TimeField field, std::string_view text) {
  const int v = TextToInt(text);
  if (field == TimeField::kSeconds) {
    if (v < 0 || v > 59) return std::string(text);
    return v + 10 >= 60 ? "59" : std::to_string(v + 10);
  }
  const int limit = field == TimeField::kHours ? 98 : 58;
  if (v < 0 || v > limit) return std::string(text);
  return TwoDigitGroup(v + 1);
}

std::string DecrementedField(TimeField field, std::string_view text) {
  const int v = TextToInt(text);
  if (field == TimeField::kSeconds) {
    if (v <= 10) return timer_texts::kZero;  // below 10, and "10" itself, give "00"
    return TwoDigitGroup(v - 10);
  }
  if (v < 1) return timer_texts::kZero;
  return TwoDigitGroup(v - 1);
}

void TimerTool::Open() {
  stopwatchMode_ = false;
  remainingSeconds_ = 0;
  elapsedSeconds_ = 0;
  SetClock(TimerClock::kCountdown, 0);
  SetClock(TimerClock::kStopwatch, 0);
  for (TimeField f : kFields) view_.SetFieldText(f, timer_texts::kZero);
  SetUpCountdownMode();
  SetStartButton(StartButton::kStart);
  view_.EnableStopButton(false);
}

void TimerTool::OnPlus(TimeField field) { view_.SetFieldText(field, IncrementedField(field, view_.FieldText(field))); }

void TimerTool::OnMinus(TimeField field) { view_.SetFieldText(field, DecrementedField(field, view_.FieldText(field))); }

void TimerTool::OnStartPauseContinue() {
  switch (startButton_) {
    case StartButton::kStart:
      if (stopwatchMode_) {
        SetUpStopwatchMode();
        StartClock(TimerClock::kStopwatch);
      } else {
        StartCountdown();
      }
      break;
    case StartButton::kPause:
      SetClock(CurrentClock(), 0);
      SetStartButton(StartButton::kContinue);
      break;
    case StartButton::kContinue:
      SetClock(CurrentClock(), kTimerTickMs);
      SetStartButton(StartButton::kPause);
      break;
  }
}

void TimerTool::OnStop() { Stop(); }

void TimerTool::OnClear() {
  Stop();
  if (stopwatchMode_) return;
  for (TimeField f : kFields) view_.SetFieldText(f, timer_texts::kZero);
  view_.ShowFields(true);
  view_.ShowPlusMinus(true);
  view_.ShowDashLine(false);
}

void TimerTool::OnModeBoxClicked(ModeBox box, bool nowTicked) {
  const bool targetStopwatch = (box == ModeBox::kStopwatch) == nowTicked;
  if (Running() || startButton_ == StartButton::kContinue) {
    const MessageBoxAnswer answer =
        view_.ShowMessage({timer_texts::kSwitchModeQuestion, timer_texts::kSwitchModeCaption,
                           kMbOkCancel | kMbIconInformation, MessageBoxOwner::kWindow});
    if (answer != MessageBoxAnswer::kOk) {
      ShowModeBoxes();
      return;
    }
    Stop();
  }
  stopwatchMode_ = targetStopwatch;
  if (stopwatchMode_) {
    SetUpStopwatchMode();
  } else {
    SetUpCountdownMode();
  }
}

void TimerTool::OnClockTick(TimerClock clock) {
  // A tick queued before its clock was stopped must not count.
  if ((clock == TimerClock::kCountdown ? countdownPeriod_ : stopwatchPeriod_) == 0) return;
  if (clock == TimerClock::kStopwatch) {
    ShowTime(elapsedSeconds_);
    ++elapsedSeconds_;
    return;
  }
  // Fields accept "-", so a total below zero is possible; it ends like zero
  // instead of counting down for ever.
  if (remainingSeconds_ <= 0) {
    EndCountdown();
    return;
  }
  ShowTime(remainingSeconds_);
  --remainingSeconds_;
}

TimerClock TimerTool::CurrentClock() const { return stopwatchMode_ ? TimerClock::kStopwatch : TimerClock::kCountdown; }

void TimerTool::SetClock(TimerClock clock, int periodMs) {
  (clock == TimerClock::kCountdown ? countdownPeriod_ : stopwatchPeriod_) = periodMs;
  view_.SetClockPeriod(clock, periodMs);
}

void TimerTool::SetStartButton(StartButton state) {
  startButton_ = state;
  const char* text = state == StartButton::kStart   ? timer_texts::kStart
                     : state == StartButton::kPause ? timer_texts::kPause
                                                    : timer_texts::kContinue;
  view_.SetStartButtonText(text);
}

void TimerTool::StartClock(TimerClock clock) {
  SetClock(clock, kTimerTickMs);
  SetStartButton(StartButton::kPause);
  view_.EnableStopButton(true);
  view_.ShowDashLine(true);
}

void TimerTool::StartCountdown() {
  std::int64_t values[3];
  for (int i = 0; i < 3; ++i) values[i] = TextToInt(view_.FieldText(kFields[i]));
  const std::int64_t total = 3600 * values[0] + 60 * values[1] + values[2];
  const bool allZero = values[0] == 0 && values[1] == 0 && values[2] == 0;
  remainingSeconds_ = allZero ? 60 : static_cast<int>(total > INT32_MAX ? INT32_MAX : total);
  for (TimeField f : kFields) view_.SetDisplayText(f, view_.FieldText(f));
  view_.ShowDisplays(true);
  view_.ShowFields(false);
  view_.ShowPlusMinus(false);
  StartClock(TimerClock::kCountdown);
}

void TimerTool::EndCountdown() {
  Stop();
  if (view_.ChimeBoxTicked()) view_.PlayChime();
}

void TimerTool::Stop() {
  if (stopwatchMode_) {
    SetClock(TimerClock::kStopwatch, 0);
    SetStartButton(StartButton::kStart);
    for (TimeField f : kFields) view_.SetDisplayText(f, timer_texts::kZero);
    elapsedSeconds_ = 0;
  } else {
    SetClock(TimerClock::kCountdown, 0);
    SetStartButton(StartButton::kStart);
    view_.ShowDisplays(false);
    view_.ShowFields(true);  // they still hold what they held before the start
    view_.ShowPlusMinus(true);
    view_.ShowDashLine(false);
  }
  view_.EnableStopButton(false);
}

void TimerTool::ShowTime(int totalSeconds) {
  const auto groups = TimeGroups(totalSeconds);
  for (int i = 0; i < 3; ++i) view_.SetDisplayText(kFields[i], groups[i]);
}

void TimerTool::SetUpStopwatchMode() {
  stopwatchMode_ = true;
  ShowModeBoxes();
  view_.EnableChimeBox(false);
  view_.ShowPlusMinus(false);
  for (TimeField f : kFields) view_.SetDisplayText(f, timer_texts::kZero);
  view_.ShowDisplays(true);
  view_.ShowFields(false);
  view_.ShowDashLine(true);
  view_.EnablePreview(false);
}

void TimerTool::SetUpCountdownMode() {
  stopwatchMode_ = false;
  ShowModeBoxes();
  view_.EnableChimeBox(true);
  view_.ShowPlusMinus(true);
  for (TimeField f : kFields) view_.SetDisplayText(f, timer_texts::kZero);
  view_.ShowDisplays(false);
  view_.ShowFields(true);
  view_.ShowDashLine(false);
  view_.EnablePreview(true);
}

}  // namespace tabulo::app
