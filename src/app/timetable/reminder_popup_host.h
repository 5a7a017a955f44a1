#pragma once
// How the bar opens and ends the reminder's pop-up (reminder_popup_window.h
// is the real one). Without a host the reminder still colours the bar's rows
// but shows no pop-up.
#include <string_view>

namespace tabulo::app {

class Reminder;
struct BarSkin;

class ReminderPopupHost {
 public:
  virtual ~ReminderPopupHost() = default;
  [[nodiscard]] virtual bool Exists() const = 0;
  // Creates the pop-up showing `subject` in the bar's look and runs its
  // message loop; its creation calls reminder.OnPopupCreated() and its
  // "关闭提示" button reminder.OnDismiss(). Returns once the pop-up is gone.
  virtual void Open(std::string_view subject, const BarSkin& skin, Reminder& reminder) = 0;
  virtual void Destroy() = 0;
  virtual void Close() = 0;  // posts WM_CLOSE
};

}  // namespace tabulo::app
