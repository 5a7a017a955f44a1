#pragma once
// The commands the bar, the tool window, the tray menu and F9 share, and the
// context the native windows opened from them get.
#include "app/forms/native_window_context.h"

namespace tabulo::app {

// Opens the tool window on its first use (the call then returns only when
// the tool window is gone); afterwards flips its visibility and attaches it
// to the bar's left side again.
void ToggleToolWindow();
// Asks the bar to run ToggleToolWindow from whichever message loop runs
// next, for a caller that must not wait for the tool window's loop.
inline constexpr unsigned kMsgToggleToolWindow = 0x8001;  // WM_APP + 1, to the bar
void PostToggleToolWindow();
// Puts the tool window, when it is visible, flush with the bar's left edge
// and top.
void AttachToolWindowToBar();

// Opens the random draw, or brings the open one to the front by making it
// topmost and clearing that again at once.
void OpenRandomDraw();

// The context of the native windows (settings, timetable editor); the bar
// plugs its timetable reload in while it lives. Process-wide.
[[nodiscard]] NativeWindowContext& ShellWindowContext();

}  // namespace tabulo::app
