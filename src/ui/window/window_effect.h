#pragma once
// The show and close effects of a bound window.
#include <windows.h>

#include <functional>

namespace tabulo::ui {

enum class ShowEffect {
  // The window's plain show (or close): the transition events go out and
  // the cursor of the control under the mouse is set.
  kNone = 0,
  // A layered window fades in (or out) over durationMs with the easing
  // curve, its composed picture presented at rising (or falling) opacity;
  // an opaque window shows at once.
  kFade = 1,
  // Shown at once, shape first, without the plain show's transition events
  // (and without taking the focus when activate is false).
  kAtOnce = 3,
};

struct WindowEffect {
  ShowEffect effect = ShowEffect::kNone;
  int durationMs = 200;
  int frameMs = 15;
  int curve = 1;
  std::function<void()> done;  // called when the effect has finished
  // False shows the window without taking the keyboard focus from the
  // window the user works in (a notice over a running presentation).
  bool activate = true;
};

// Runs a show (closing = false) or close effect on a window. Messages are
// dispatched while it runs: the window may be destroyed meanwhile, and
// `effect` may go with it, so nothing of it is read after the first wait.
void RunWindowEffect(HWND window, const WindowEffect& effect, bool closing);

}  // namespace tabulo::ui
