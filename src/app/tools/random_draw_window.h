#pragma once
// The random draw window "随机抽号": the big cycling number, the range
// fields, the read-only result list, the start/stop and reset buttons, the
// "不重复抽号" box and two 20 ms animation timers, mapped onto the
// RandomDraw logic. A right click on the big number offers the menu item
// that sets or clears the excluded student number.
#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

#include "app/forms/app_context.h"
#include "app/forms/bound_form_window.h"
#include "app/forms/message_presenter.h"
#include "app/tools/random_draw.h"
#include "base/ini/profile_store.h"
#include "ui/controls/button.h"
#include "ui/controls/check_button.h"
#include "ui/controls/edit.h"
#include "ui/controls/label.h"
#include "ui/menu/ui_menu.h"

namespace tabulo::app {

// The big number's colour as the form states it: a Windows RGB value, which
// the engine reads as ARGB, so its alpha is 0 and only the outline shows.
inline constexpr Argb kBigNumberColour = 5524035;
// The menu item of the big number's right-click menu.
inline constexpr const char* kExclusionMenuItem = "设置剔除的学号...";

// The draw's `set` file in `runDirectory`.
[[nodiscard]] std::filesystem::path DrawSettingsFile(const std::filesystem::path& runDirectory);

class RandomDrawWindow final : public BoundFormWindow, private RandomDrawView, private DrawClock {
 public:
  static constexpr FormId kForm = FormId::kRandomDraw;

  // Reads and writes the `set` file of the context's run directory and
  // draws with its generator.
  explicit RandomDrawWindow(AppContext& context);

  // Creates, binds and fills the window, hidden.
  [[nodiscard]] bool Build();

  [[nodiscard]] RandomDraw& Logic() { return logic_; }
  [[nodiscard]] const ui::Label& BigNumber() const { return bigNumber_; }
  [[nodiscard]] ui::Edit& RangeStart() { return rangeStart_; }
  [[nodiscard]] ui::Edit& RangeEnd() { return rangeEnd_; }
  [[nodiscard]] ui::Edit& Results() { return results_; }
  [[nodiscard]] const ui::Button& StartButton() const { return startStop_; }
  [[nodiscard]] const ui::Button& ResetButton() const { return reset_; }
  [[nodiscard]] const ui::CheckButton& ModeBox() const { return noRepeat_; }

 private:
  bool CreateLabels();
  bool CreateEdits();
  bool CreateButtons();

  // RandomDrawView
  void SetBigNumber(std::string_view text) override { bigNumber_.SetText(text); }
  void SetStartButtonText(std::string_view text) override { startStop_.SetText(text); }
  void EnableStartButton(bool enabled) override { startStop_.SetDisabled(!enabled); }
  void EnableModeBox(bool enabled) override { noRepeat_.SetDisabled(!enabled); }
  void SetResults(std::string_view text) override { results_.SetText(text); }
  [[nodiscard]] std::string RangeStartText() const override { return rangeStart_.GetText(); }
  [[nodiscard]] std::string RangeEndText() const override { return rangeEnd_.GetText(); }
  void SetRangeTexts(std::string_view start, std::string_view end) override;
  void SetTimerPeriod(DrawTimer timer, int periodMs) override;
  [[nodiscard]] bool DispatchForAMoment() override;
  MessageBoxAnswer ShowMessage(const MessageBoxRequest& request) override {
    return context().messages->Show(hwnd(), request);
  }
  [[nodiscard]] std::optional<std::string> AskText(const TextPromptRequest& request) override {
    return context().askText ? context().askText(hwnd(), request) : std::nullopt;
  }

  // DrawClock
  [[nodiscard]] std::int64_t NowMs() override { return static_cast<std::int64_t>(GetTickCount64()); }

  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  ProfileStore settings_;
  RandomDraw logic_;
  ui::Label bigNumber_;
  ui::Label rangeCaption_;
  ui::Label rangeTilde_;
  // The text engine behind an Edit is read through non-const calls; reading
  // changes nothing the logic could see.
  mutable ui::Edit rangeStart_;
  mutable ui::Edit rangeEnd_;
  ui::Edit results_;
  ui::Button startStop_;
  ui::Button reset_;
  ui::CheckButton noRepeat_;
  ui::UiMenu numberMenu_;
};

// Opens the draw (or brings the open one forward) and runs its message loop
// until it is closed.
void RunRandomDrawWindow(AppContext& context);

}  // namespace tabulo::app
