#pragma once
// The timer window "计时器": three large two-digit fields with plus/minus
// picture buttons above and below, the digit display labels that replace
// the fields while a count runs, the clear/start/stop buttons, the chime and
// keep-on-top boxes, the "试听" link and the two mode boxes, mapped onto
// the TimerTool logic. Its two clocks are window timers.
#include <windows.h>

#include <array>

#include "app/forms/app_context.h"
#include "app/forms/bound_form_window.h"
#include "app/forms/message_presenter.h"
#include "app/tools/timer_tool.h"
#include "ui/controls/button.h"
#include "ui/controls/check_button.h"
#include "ui/controls/edit.h"
#include "ui/controls/image_button.h"
#include "ui/controls/label.h"

namespace tabulo::app {

class TimerWindow final : public BoundFormWindow, private TimerToolView {
 public:
  static constexpr FormId kForm = FormId::kTimerWindow;

  // Plays the context's chime.
  explicit TimerWindow(AppContext& context);

  // Creates, binds and fills the window, hidden.
  [[nodiscard]] bool Build();

  [[nodiscard]] const TimerTool& Logic() const { return logic_; }
  [[nodiscard]] ui::Edit& Field(TimeField field) { return fields_[Index(field)]; }
  [[nodiscard]] const ui::Label& Display(TimeField field) const { return displays_[Index(field)]; }
  // Plus buttons 0 to 2 and minus buttons 3 to 5, each for hours, minutes, seconds.
  [[nodiscard]] const ui::ImageButton& PlusMinus(std::size_t index) const { return plusMinus_[index]; }
  [[nodiscard]] const ui::Button& StartButton() const { return buttons_[1]; }
  [[nodiscard]] const ui::Button& StopButton() const { return buttons_[2]; }
  [[nodiscard]] const ui::Label& DashLine() const { return dashLine_; }
  [[nodiscard]] const ui::ImageButton& Preview() const { return preview_; }
  [[nodiscard]] const ui::CheckButton& ChimeBox() const { return chimeBox_; }
  [[nodiscard]] const ui::CheckButton& TopmostBox() const { return topmostBox_; }
  [[nodiscard]] const ui::CheckButton& CountdownBox() const { return countdownBox_; }
  [[nodiscard]] const ui::CheckButton& StopwatchBox() const { return stopwatchBox_; }

 private:
  static constexpr std::size_t Index(TimeField field) { return static_cast<std::size_t>(field); }

  bool CreateFields();
  bool CreateLabels();
  bool CreatePlusMinus();
  bool CreateButtons();
  bool CreateBoxes();

  // TimerToolView
  [[nodiscard]] std::string FieldText(TimeField field) const override;
  void SetFieldText(TimeField field, std::string_view text) override { fields_[Index(field)].SetText(text); }
  void ShowFields(bool visible) override;
  void SetDisplayText(TimeField field, std::string_view text) override { displays_[Index(field)].SetText(text); }
  void ShowDisplays(bool visible) override;
  void ShowPlusMinus(bool visible) override;
  void ShowDashLine(bool visible) override { dashLine_.SetVisible(visible); }
  void SetStartButtonText(std::string_view text) override { buttons_[1].SetText(text); }
  void EnableStopButton(bool enabled) override { buttons_[2].SetDisabled(!enabled); }
  void EnableChimeBox(bool enabled) override { chimeBox_.SetDisabled(!enabled); }
  [[nodiscard]] bool ChimeBoxTicked() const override { return chimeBox_.Ticked(); }
  void EnablePreview(bool enabled) override { preview_.SetDisabled(!enabled); }
  void SetModeBoxes(bool countdownTicked, bool stopwatchTicked) override;
  void SetClockPeriod(TimerClock clock, int periodMs) override;
  void PlayChime() override {
    if (context().playChime) context().playChime();
  }
  void SetTopmost(bool topmost) override { ui_.SetTopmost(topmost); }
  MessageBoxAnswer ShowMessage(const MessageBoxRequest& request) override {
    return context().messages->Show(hwnd(), request);
  }

  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  TimerTool logic_{*this};
  // The edit fields hold their text in the text engine, which reading
  // changes nothing of; FieldText is const towards the logic.
  mutable std::array<ui::Edit, 3> fields_;
  std::array<ui::Label, 3> displays_;
  std::array<ui::Label, 2> separators_;
  ui::Label dashLine_;
  std::array<ui::ImageButton, 6> plusMinus_;  // three plus, then three minus
  std::array<ui::Button, 3> buttons_;         // clear, start, stop
  ui::CheckButton chimeBox_;
  ui::ImageButton preview_;
  ui::CheckButton topmostBox_;
  ui::CheckButton countdownBox_;
  ui::CheckButton stopwatchBox_;
};

// Opens the timer (or brings the open one forward) and runs its message loop
// until it is closed.
void RunTimerWindow(AppContext& context);

}  // namespace tabulo::app
