#pragma once
// WindowCompositor: a window's two surfaces and the composition between
// them. The background surface holds the skin (colour, picture, shadow,
// border); the window canvas holds the composed picture that is presented.
// Both are window-sized (shadow band included) and allocated in pixels; their
// graphics draw in the window's units through the scale (canvas.h). Areas
// given to and returned by the compositor are window pixels.
// Composing an area restores the background over it, blends the visible
// controls that meet it (each with its children, the last on top) inside
// the window's shape, then draws the focus rectangle; controls that do not
// meet the area cost a rectangle test each.
#include <windows.h>

#include <optional>
#include <vector>

#include "base/geometry/rect.h"
#include "ui/canvas/canvas.h"

namespace tabulo::ui {

class UiControl;

class WindowCompositor {
 public:
  // What an area is composed from.
  struct Scene {
    const std::vector<UiControl*>& controls;  // top-level controls in paint order
    HRGN shape = nullptr;                     // controls are clipped to it; null: no clip
    const UiControl* focusRectangleOf = nullptr;
  };

  // While held, compositions are skipped: many controls change at once and
  // one composition of the whole window follows.
  class Hold {
   public:
    explicit Hold(WindowCompositor& compositor) : compositor_(compositor) { ++compositor_.holds_; }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;
    ~Hold() { --compositor_.holds_; }

   private:
    WindowCompositor& compositor_;
  };

  // (Re)makes both surfaces at the window's pixel size and scale.
  void Resize(Size pixels, DpiScale scale);
  void Release();

  [[nodiscard]] bool valid() const { return canvas_.valid(); }
  [[nodiscard]] const DpiScale& scale() const { return scale_; }
  [[nodiscard]] const Canvas& WindowCanvas() const { return canvas_; }
  [[nodiscard]] const Canvas& BackgroundSurface() const { return background_; }
  [[nodiscard]] Canvas& Background() { return background_; }

  // Composes the area (window pixels, cut to the window); returns the
  // part composed, or nothing while held, without surfaces or for an area
  // outside the window.
  std::optional<Rect> Compose(const Rect& area, const Scene& scene);
  // Copies the whole background, the shadow band outside the shape included.
  void CopyBackground();

  // Pushes the window canvas to a layered window with an overall opacity;
  // with a dirty area only that part of the screen picture changes.
  void PresentLayered(HWND window, int opacity, const Rect* dirty) const;
  // Copies an area of the window canvas to a device context (WM_PAINT).
  void PaintTo(HDC dc, const RECT& area) const;

 private:
  void ComposeList(const std::vector<UiControl*>& list, const Rect& area);
  void ComposeControl(UiControl& control, const Rect& area);
  void DrawFocusRectangle(const UiControl& control, const Rect& area);

  Size size_;  // pixels
  DpiScale scale_;
  int holds_ = 0;
  Canvas canvas_;
  Canvas background_;
};

}  // namespace tabulo::ui
