#pragma once
// The engine's message loops: the loop a modal window runs until it is
// gone, a wait that keeps dispatching messages, and the animation driver
// built on that wait. All three re-enter the application's handlers while
// they run (timers, other windows), which the design relies on.
#include <windows.h>

#include <functional>

#include "base/animation/easing.h"

namespace tabulo::ui {

// Runs GetMessage / TranslateMessage / DispatchMessage while the window
// exists; returns the wParam of the last message retrieved (WM_QUIT's exit
// code when the loop ended on WM_QUIT, which is posted again so outer loops
// end too).
int RunMessageLoop(HWND window);

// Waits the given time on a waitable timer while dispatching every message
// that arrives meanwhile.
void PacedWait(long long microseconds);

// Runs an animation frame by frame, each frame at its due time from the
// start (RunAnimationFrames), waiting with PacedWait; step returns true to
// stop. Returns the index of the last frame run.
int RunAnimation(const AnimationPlan& plan, const std::function<bool(const AnimationFrame&)>& step);

}  // namespace tabulo::ui
