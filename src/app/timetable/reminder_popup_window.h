#pragma once
// The reminder's pop-up "助手提示窗口": a small, translucent, top-most
// window in the top-right corner of the screen that shows the next period's
// subject in very large letters, with a "关闭提示" button that dismisses it
// until the period's clean-up.
//
// It appears over whatever the teacher is doing, often a presentation
// running full screen, so it is shown without taking the keyboard focus:
// the slide show and its clicker keep working. Esc closes it once the
// teacher has clicked on it.
//
// Open() runs the pop-up's own message loop and returns when it is gone;
// the bar's timers keep running meanwhile, and a later reminder tick may
// destroy the pop-up from inside that loop.
#include <windows.h>

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "app/forms/app_context.h"
#include "app/timetable/reminder_popup_host.h"

namespace tabulo::app {

// The pop-up's background: none when the bar shows the built-in light sky
// picture (its blue would drown the white subject), else the bar's own.
[[nodiscard]] std::vector<std::uint8_t> ReminderPopupBackground(std::span<const std::uint8_t> barPicture,
                                                               std::span<const std::uint8_t> skyPicture);

class ReminderPopups final : public ReminderPopupHost {
 public:
  explicit ReminderPopups(AppContext& context) : context_(context) {}

  [[nodiscard]] bool Exists() const override;
  void Open(std::string_view subject, const BarSkin& skin, Reminder& reminder) override;
  void Destroy() override;
  void Close() override;

 private:
  [[nodiscard]] HWND OpenPopup() const;

  AppContext& context_;
};

}  // namespace tabulo::app
