#pragma once
// The commands the bar, the tool window, the tray menu and F9 share.
#include <windows.h>

#include "app/forms/app_context.h"

namespace tabulo::app {

// Opens the tool window on its first use (the call then returns only when
// the tool window is gone); afterwards flips its visibility and attaches it
// to the bar's left side again.
void ToggleToolWindow(AppContext& context);
// Asks the bar to run ToggleToolWindow from whichever message loop runs
// next, for a caller that must not wait for the tool window's loop.
inline constexpr unsigned kMsgToggleToolWindow = 0x8001;  // WM_APP + 1, to the bar
void PostToggleToolWindow(const AppContext& context);
// Puts the tool window `tool` flush with the bar's left edge and top.
void AttachToBar(const AppContext& context, HWND tool);
// The same for the open tool window, when it is visible.
void AttachToolWindowToBar(const AppContext& context);

// Opens the random draw, or brings the open one to the front by making it
// topmost and clearing that again at once.
void OpenRandomDraw(AppContext& context);

}  // namespace tabulo::app
