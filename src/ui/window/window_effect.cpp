#include "ui/window/window_effect.h"

#include "ui/engine/message_loop.h"
#include "ui/window/ui_window.h"

namespace tabulo::ui {

void RunWindowEffect(HWND window, const WindowEffect& effect, bool closing) {
  const std::function<void()> done = effect.done;
  UiWindow* host = UiWindow::FromHandle(window);
  const bool fade = effect.effect == ShowEffect::kFade && host && host->WindowAlpha() != -1;
  if (!closing) {
    if (host) host->ApplyShape();
    if (fade) host->PresentLayered(0);
    ShowWindow(window, effect.activate ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE);
  }
  if (fade) {
    AnimationPlan plan{effect.curve, effect.durationMs, effect.frameMs, closing ? 255.0 : 0.0, closing ? 0.0 : 255.0};
    (void)RunAnimation(plan, [&](const AnimationFrame& frame) {
      host = UiWindow::FromHandle(window);  // the window may go while the animation waits
      if (!host) return true;
      host->PresentLayered(static_cast<int>(frame.value));
      return false;
    });
    if ((host = UiWindow::FromHandle(window)) != nullptr && !closing) host->PresentLayered(255);
  }
  if (closing && IsWindow(window)) ShowWindow(window, SW_HIDE);
  if (done) done();
}

}  // namespace tabulo::ui
