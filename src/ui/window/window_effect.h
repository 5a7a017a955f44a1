#pragma once
// The show and close effects of a bound window. Effect 0 is the plain
// show/hide; 1 fades a layered window in (or out) over durationMs with the
// easing curve, presenting its composed picture at rising (or falling)
// opacity.
#include <windows.h>

#include <functional>

namespace tabulo::ui {

inline constexpr int kPlainShowEffect = 0;
inline constexpr int kFadeEffect = 1;

struct WindowEffect {
  int effect = kPlainShowEffect;
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
