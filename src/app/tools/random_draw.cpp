#include "app/tools/random_draw.h"

#include "app/storage_names.h"
#include "app/tools/random_draw_texts.h"
#include "base/text/text_to_int.h"

namespace tabulo::app {

namespace texts = random_draw_texts;

void RandomDraw::Open() {
  OnModeChanged(true);
  rangeMin_ = TextToInt(settings_.Read(kDrawSection, kDrawMinKey, "1"));
  rangeMax_ = TextToInt(settings_.Read(kDrawSection, kDrawMaxKey, "99"));
  excludedNumber_ = TextToInt(settings_.Read(kDrawSection, kDrawExceptKey, ""));
  view_.SetRangeTexts(std::to_string(rangeMin_), std::to_string(rangeMax_));
}

void RandomDraw::OnModeChanged(bool noRepeatTicked) {
  noRepeat_ = noRepeatTicked;
  BackToIdle();
}

void RandomDraw::OnReset() {
  BackToIdle();
  view_.ShowMessage({texts::kResetDone, texts::kCaption, kMbOk});
}

void RandomDraw::OnStartStop() {
  if (!drawRunning_) {
    Start();
  } else if (noRepeat_) {
    StopWithoutRepetition();
  } else {
    StopWithRepetition();
  }
}

void RandomDraw::OnTimer(DrawTimer timer) {
  // A tick that was already queued when its timer stopped must not change
  // the number that has just been recorded.
  if (!TimerRunning(timer)) return;
  if (timer == DrawTimer::kWithRepetition) {
    currentPick_ = random_.Between(rangeMax_, rangeMin_);
    ShowNumber(currentPick_);
  } else if (!pool_.empty()) {
    currentPick_ = random_.Between(1, pool_.size());
    ShowNumber(pool_.At(currentPick_));
  }
}

void RandomDraw::OnExclusionPrompt() {
  // Cancel keeps the current exclusion; an empty text or "0" clears it.
  const std::optional<std::string> typed = view_.AskText(
      {texts::kExclusionTitle, texts::kExclusionPrompt, excludedNumber_ == 0 ? "" : std::to_string(excludedNumber_)});
  if (!typed) return;
  excludedNumber_ = TextToInt(*typed);
  // Like Min and Max, a failed write only loses the value for the next run.
  (void)settings_.Write(kDrawSection, kDrawExceptKey, *typed);
}

bool RandomDraw::ExclusionActive() const {
  return excludedNumber_ != 0 && rangeMin_ <= excludedNumber_ && excludedNumber_ <= rangeMax_;
}

bool RandomDraw::TimerRunning(DrawTimer timer) const { return timerPeriods_[static_cast<int>(timer)] != 0; }

void RandomDraw::SetTimer(DrawTimer timer, int periodMs) {
  timerPeriods_[static_cast<int>(timer)] = periodMs;
  view_.SetTimerPeriod(timer, periodMs);
}

void RandomDraw::BackToIdle() {
  SetTimer(DrawTimer::kWithRepetition, 0);
  SetTimer(DrawTimer::kWithoutRepetition, 0);
  view_.SetStartButtonText(texts::kStart);
  view_.EnableStartButton(true);
  pool_ = DrawPool();
  poolReady_ = false;
  drawRunning_ = false;
  results_.clear();
  view_.SetResults(results_);
  view_.SetBigNumber(texts::kIdleNumber);
  view_.EnableModeBox(true);
}

void RandomDraw::Start() {
  const std::string startText = view_.RangeStartText();
  const std::string endText = view_.RangeEndText();
  const std::int64_t a = TextToInt(startText);
  const std::int64_t b = TextToInt(endText);
  if (a >= b) {
    view_.ShowMessage({texts::kInvalidRange, texts::kRangeCaption, kMbIconInformation});
    return;
  }
  if (b == a + 1) {
    view_.ShowMessage({texts::kTwoNumbersOnly, texts::kRangeCaption, kMbIconInformation});
    return;
  }
  rangeMin_ = a;
  rangeMax_ = b;
  view_.EnableStartButton(false);
  view_.EnableModeBox(false);
  // Write failures are not reported: the range only seeds the next opening.
  (void)settings_.WriteAll({{std::string(kDrawSection), std::string(kDrawMinKey), startText},
                            {std::string(kDrawSection), std::string(kDrawMaxKey), endText}});
  view_.SetStartButtonText(texts::kStop);

  if (noRepeat_) {
    if (poolReady_ && pool_.empty()) {
      WarnAllDrawn();  // the button and the box stay disabled until a reset or a mode change
      return;
    }
    if (!poolReady_) {
      // Built from the range of this start and then kept, even when the
      // fields change, until a reset (the button's tip says so).
      pool_ = DrawPool(rangeMin_, rangeMax_ - rangeMin_ + 1);
      poolReady_ = true;
    }
  }
  SetTimer(noRepeat_ ? DrawTimer::kWithoutRepetition : DrawTimer::kWithRepetition, kDrawAnimationMs);
  drawRunning_ = true;
  WaitAgainstDoubleClick();
}

// Keeps the stop button disabled for a moment so that a double click does
// not stop the draw at once; the animation keeps running meanwhile.
void RandomDraw::WaitAgainstDoubleClick() {
  const std::int64_t begin = clock_.NowMs();
  while (clock_.NowMs() - begin < kStartGuardMs) {
    if (!view_.DispatchForAMoment()) return;  // the window is gone
  }
  view_.EnableStartButton(true);
}

void RandomDraw::StopWithRepetition() {
  SetTimer(DrawTimer::kWithRepetition, 0);
  if (ExclusionActive()) {
    // The range holds at least three numbers and the excluded one is not 0,
    // so another value always comes up.
    while (currentPick_ == excludedNumber_) {
      currentPick_ = random_.Between(rangeMax_, rangeMin_);
      ShowNumber(currentPick_);
    }
  }
  Record(currentPick_);
  EndOfStop();
}

void RandomDraw::StopWithoutRepetition() {
  SetTimer(DrawTimer::kWithoutRepetition, 0);
  if (pool_.empty()) {
    WarnAllDrawn();
    return;
  }
  // No tick may have come since the start (timer messages wait behind all
  // others): a position left from a larger pool is drawn afresh.
  if (currentPick_ < 1 || currentPick_ > pool_.size()) currentPick_ = random_.Between(1, pool_.size());

  if (!ExclusionActive() || pool_.At(currentPick_) != excludedNumber_) {
    TakeNumber();
    EndOfStop();
    return;
  }
  if (pool_.size() == 1) {  // only the excluded number is left
    WarnAllDrawn();
    return;
  }
  pool_.Remove(excludedNumber_);
  currentPick_ = pool_.size() == 1 ? 1 : random_.Between(1, pool_.size());
  TakeNumber();
  EndOfStop();
}

void RandomDraw::TakeNumber() {
  const std::int64_t number = pool_.At(currentPick_);
  ShowNumber(number);
  Record(number);
  pool_.Remove(number);
}

void RandomDraw::Record(std::int64_t number) {
  if (!results_.empty()) results_ += texts::kResultSeparator;
  results_ += std::to_string(number);
  view_.SetResults(results_);
}

void RandomDraw::WarnAllDrawn() {
  view_.ShowMessage({texts::kAllDrawn, texts::kCaption, kMbIconExclamation});
  view_.SetStartButtonText(texts::kStart);
}

void RandomDraw::EndOfStop() {
  view_.EnableModeBox(true);
  view_.SetStartButtonText(texts::kStart);
  drawRunning_ = false;
}

}  // namespace tabulo::app
