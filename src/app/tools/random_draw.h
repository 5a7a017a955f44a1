#pragma once
// Logic of the random number draw: range checks, the two modes (with and
// without repetition), the 20 ms animations, both stops with the excluded
// number, the result list and the `set` file (Min, Max, Except).
//
// The window implements RandomDrawView and forwards clicks, the check box
// and both animation timers here; it offers the exclusion prompt by calling
// OnExclusionPrompt (from the big number's notification or a menu item of
// its choosing). Time for the start's double-click guard comes from a
// DrawClock, and while that guard waits the view keeps dispatching messages,
// so the animation runs during it.
//
// Open() resets everything a reopened window could show (mode, pool, list,
// range, exclusion), so the window may make one RandomDraw per opening.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/forms/message_box_request.h"
#include "app/tools/draw_pool.h"
#include "base/ini/profile_store.h"
#include "base/random/random.h"

namespace tabulo::app {

enum class DrawTimer { kWithRepetition, kWithoutRepetition };  // 随机时钟_重复模式, 随机时钟_不重复模式

inline constexpr int kDrawAnimationMs = 20;
inline constexpr std::int64_t kStartGuardMs = 399;

class DrawClock {
 public:
  virtual ~DrawClock() = default;
  [[nodiscard]] virtual std::int64_t NowMs() = 0;  // monotonic milliseconds
};

// A modal input box owned by the draw window, accepting digits only.
struct TextPromptRequest {
  std::string title;
  std::string prompt;
  std::string initialText;
  friend bool operator==(const TextPromptRequest&, const TextPromptRequest&) = default;
};

class RandomDrawView {
 public:
  virtual ~RandomDrawView() = default;
  virtual void SetBigNumber(std::string_view text) = 0;
  virtual void SetStartButtonText(std::string_view text) = 0;
  virtual void EnableStartButton(bool enabled) = 0;
  virtual void EnableModeBox(bool enabled) = 0;
  virtual void SetResults(std::string_view text) = 0;
  [[nodiscard]] virtual std::string RangeStartText() const = 0;
  [[nodiscard]] virtual std::string RangeEndText() const = 0;
  virtual void SetRangeTexts(std::string_view start, std::string_view end) = 0;
  virtual void SetTimerPeriod(DrawTimer timer, int periodMs) = 0;  // 0 stops it
  // Dispatches the window's messages for a moment; false once the window
  // has been destroyed or the program is quitting.
  [[nodiscard]] virtual bool DispatchForAMoment() = 0;
  virtual MessageBoxAnswer ShowMessage(const MessageBoxRequest& request) = 0;
  // The typed text, or nothing when the prompt was cancelled.
  [[nodiscard]] virtual std::optional<std::string> AskText(const TextPromptRequest& request) = 0;
};

class RandomDraw {
 public:
  // `settings` is the `set` file.
  RandomDraw(RandomDrawView& view, ProfileStore& settings, Random& random, DrawClock& clock)
      : view_(view), settings_(settings), random_(random), clock_(clock) {}

  // The opening sequence: mode change with the box ticked, then the range
  // and the excluded number from the `set` file into the fields.
  void Open();
  void OnModeChanged(bool noRepeatTicked);
  void OnReset();
  void OnStartStop();
  void OnTimer(DrawTimer timer);
  void OnExclusionPrompt();

  [[nodiscard]] bool drawRunning() const { return drawRunning_; }
  [[nodiscard]] std::int64_t excludedNumber() const { return excludedNumber_; }
  [[nodiscard]] const DrawPool& pool() const { return pool_; }

 private:
  [[nodiscard]] bool ExclusionActive() const;
  [[nodiscard]] bool TimerRunning(DrawTimer timer) const;
  void SetTimer(DrawTimer timer, int periodMs);
  void BackToIdle();
  void Start();
  void WaitAgainstDoubleClick();
  void StopWithRepetition();
  void StopWithoutRepetition();
  void TakeNumber();
  void Record(std::int64_t number);
  void ShowNumber(std::int64_t number) { view_.SetBigNumber(std::to_string(number)); }
  void WarnAllDrawn();
  void EndOfStop();

  RandomDrawView& view_;
  ProfileStore& settings_;
  Random& random_;
  DrawClock& clock_;

  std::int64_t rangeMin_ = 0;
  std::int64_t rangeMax_ = 0;
  std::int64_t excludedNumber_ = 0;
  bool noRepeat_ = true;
  DrawPool pool_;
  bool poolReady_ = false;
  bool drawRunning_ = false;
  std::int64_t currentPick_ = 0;  // the number (with repetition) or its 1-based position in the pool
  std::string results_;
  int timerPeriods_[2] = {0, 0};
};

}  // namespace tabulo::app
