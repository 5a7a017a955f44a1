#pragma once
// The notification-area (tray) icon of one engine window: one icon with id
// 1 whose mouse notifications come back to the window as kMsgTrayNotify
// (lParam: the mouse message). The record is built at the first Set and
// kept until Remove; later Sets change only what they are given, so a new
// tip keeps the icon and a new icon keeps the tip.
//
// When Explorer restarts it forgets every icon and broadcasts the
// registered "TaskbarCreated" message; the window then adds its icon again
// (OnTaskbarCreated). The icon is also removed when the window goes, so no
// dead icon is left in the tray.
#include <windows.h>
#include <shellapi.h>

#include <optional>
#include <string>

namespace tabulo::ui {

inline constexpr UINT kTrayIconId = 1;

class WindowTrayIcon {
 public:
  WindowTrayIcon() = default;
  WindowTrayIcon(const WindowTrayIcon&) = delete;
  WindowTrayIcon& operator=(const WindowTrayIcon&) = delete;
  ~WindowTrayIcon() { Remove(); }

  // Adds the icon (first call: a missing icon or tip is empty) or modifies
  // it. tip must already respect the 63-unit limit (TrayTipText). Returns
  // what Shell_NotifyIconW returned.
  bool Set(HWND window, std::optional<HICON> icon, std::optional<std::u16string> tip);
  // NIM_DELETE when there is an icon; harmless otherwise.
  void Remove();
  // Adds the icon again after Explorer restarted.
  void OnTaskbarCreated();

  [[nodiscard]] bool Shown() const { return record_.has_value(); }
  [[nodiscard]] HICON Icon() const { return record_ ? record_->hIcon : nullptr; }
  [[nodiscard]] std::u16string Tip() const;

 private:
  std::optional<NOTIFYICONDATAW> record_;
};

// The message id Explorer broadcasts when the taskbar is (re)created.
[[nodiscard]] UINT TaskbarCreatedMessage();

}  // namespace tabulo::ui
