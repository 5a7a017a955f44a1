// UiWindow: composing through its compositor (window_compositor.h) and
// presenting the result, on a layered window with UpdateLayeredWindow, on
// an opaque one through WM_PAINT.
#include "base/win/geometry_win.h"
#include "ui/control/ui_control.h"
#include "ui/window/ui_window.h"

namespace tabulo::ui {

void UiWindow::Compose(const Rect& area, bool present) {
  const UiControl* focus = router_.TabFocus();
  if (focus && !OwnsControl(focus)) focus = nullptr;
  const std::optional<Rect> composed = compositor_.Compose(area, {children_, shape_.shape(), focus});
  if (composed && present) Present(*composed);
}

void UiWindow::ComposeAll(bool present) {
  if (!compositor_.valid()) return;
  compositor_.CopyBackground();
  Compose(Rect{0, 0, size_.width, size_.height}, present);
}

void UiWindow::Present(const Rect& area) {
  if (!hwnd_ || !compositor_.valid()) return;
  if (alpha_ != -1) {
    // Translucency comes from the alpha drawn into the surface, not from the
    // blend constant. Only the changed area needs copying to the screen.
    PresentLayered(255, &area);
    return;
  }
  const RECT r = ToRECT(area);
  ::InvalidateRect(hwnd_, &r, FALSE);
}

void UiWindow::PresentLayered(int opacity, const Rect* dirty) {
  if (!hwnd_ || !compositor_.valid() || alpha_ == -1) return;
  compositor_.PresentLayered(hwnd_, opacity, dirty);
}

}  // namespace tabulo::ui
