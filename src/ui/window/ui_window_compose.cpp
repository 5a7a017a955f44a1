// UiWindow: composing through its compositor (window_compositor.h) and
// presenting the result, on a layered window with UpdateLayeredWindow, on
// an opaque one through WM_PAINT.
#include "base/win/geometry_win.h"
#include "ui/control/ui_control.h"
#include "ui/window/ui_window.h"

namespace tabulo::ui {

namespace {

// A unit area drawn under a fractional scale may leave an anti-aliased
// pixel just outside its pixel edges: composing one pixel more around it
// leaves nothing stale behind.
Rect Grown(const Rect& r) { return {r.x - 1, r.y - 1, r.width + 2, r.height + 2}; }

}  // namespace

void UiWindow::Compose(const Rect& area, bool present) {
  ComposePixels(scale_.IsIdentity() ? area : Grown(scale_.ToPixels(area)), present);
}

void UiWindow::ComposePixels(const Rect& pixels, bool present) {
  const UiControl* focus = router_.TabFocus();
  if (focus && !OwnsControl(focus)) focus = nullptr;
  const std::optional<Rect> composed = compositor_.Compose(pixels, {children_, shape_.shape(), focus});
  if (composed && present) PresentPixels(*composed);
}

void UiWindow::ComposeAll(bool present) {
  if (!compositor_.valid()) return;
  compositor_.CopyBackground();
  ComposePixels(Rect{0, 0, pixelSize_.width, pixelSize_.height}, present);
}

void UiWindow::Present(const Rect& area) { PresentPixels(scale_.ToPixels(area)); }

void UiWindow::PresentPixels(const Rect& area) {
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
