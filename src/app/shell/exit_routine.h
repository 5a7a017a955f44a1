#pragma once
// The exit routine: asks every window in the program's list (app_windows.h)
// to close, in the list's order, by posting WM_CLOSE. Only posted: each
// window closes when a message loop picks the request up, and the program
// ends when its last window is gone. Windows outside the list (the timer
// window, the class-time adjustment) stay open.
namespace tabulo::app {

class AppWindowList;

void CloseAppWindows(const AppWindowList& windows);

}  // namespace tabulo::app
