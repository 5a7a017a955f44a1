// UiWindow: the window's share of input routing. The input router
// (input_router.h) keeps the input state and takes the controls' part of
// every route; the window adds window-level events, the previous window
// procedure, window dragging, maximising, closing on Escape and the resize
// zones of the frameless window.
#include <windowsx.h>

#include "ui/control/ui_control.h"
#include "ui/engine/engine_state.h"
#include "ui/window/sizing_zones.h"
#include "ui/window/ui_window.h"

namespace tabulo::ui {

// --- the router's state, as the window shows it ------------------------------------

UiControl* UiWindow::ControlAt(Point point, Point* local) const { return router_.ControlAt(point, local); }

void UiWindow::TabOrderChanged(UiControl& control) { router_.PlaceInTabOrder(control); }

UiControl* UiWindow::MoveFocusTo(UiControl& control, bool showFocusRectangle) {
  return router_.MoveFocusTo(control, showFocusRectangle);
}

bool UiWindow::FocusLeft(UiControl& control) { return router_.FocusLeft(control); }

// --- mouse -----------------------------------------------------------------------

bool UiWindow::PreRouteMouse(UINT message, WPARAM wParam, LPARAM lParam, LPARAM pixelLParam) {
  HWND window = hwnd_;
  if (DeliverWindowEvent(message, wParam, lParam) || !StillBound(this, window)) return true;
  CallNext(message, wParam, pixelLParam);
  if (!StillBound(this, window)) return true;
  return regionValid_ && SizingHitTest(message, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
}

bool UiWindow::SizingHitTest(UINT message, Point point) {
  if (!sizeBox_ || router_.Capturing() || (message != WM_MOUSEMOVE && message != WM_LBUTTONDOWN)) return false;
  if (IsZoomed(hwnd_) || IsIconic(hwnd_)) return false;
  const SizingZone zone = SizingZoneAt(point, content_, alpha_ != -1);
  if (zone == SizingZone::kNone) {
    if (inSizingZone_) {
      inSizingZone_ = false;
      ::SetCursor(Engine().defaultCursor);
    }
    return false;
  }
  inSizingZone_ = true;
  ::SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(SizingCursorId(zone))));
  HWND window = hwnd_;
  router_.LeaveHot();
  if (message == WM_LBUTTONDOWN && StillBound(this, window)) {
    SendMessageW(window, WM_SYSCOMMAND, SC_SIZE | static_cast<int>(zone), 0);
  }
  return true;
}

void UiWindow::RouteLeftPress(Point point, bool doubleClick) {
  HWND window = hwnd_;
  Point local;
  UiControl* control = router_.PressAt(point, &local);
  const bool captionArea = point.y < content_.y + CaptionHeight();
  const bool onEmptyArea = !control || !control->MouseTrack();
  if (doubleClick && captionButtons_.Has(CaptionButton::kMax) && captionArea && onEmptyArea) {
    ToggleMaximise();
    return;
  }
  if (onEmptyArea) {
    ::SetCursor(Engine().hotCursor);
    if (dragAnywhere_) DragWindow();
    ::SetCursor(Engine().defaultCursor);
    return;
  }
  if (GetFocus() != window) ::SetFocus(window);
  if (!StillBound(this, window)) return;
  router_.Press(*control, local, doubleClick);
}

void UiWindow::RouteRightButton(UINT message, WPARAM wParam, LPARAM lParam, LPARAM pixelLParam) {
  HWND window = hwnd_;
  if (DeliverWindowEvent(message, wParam, lParam) || !StillBound(this, window)) return;
  // The next procedure gets Windows' pixels: DefWindowProc turns a
  // button-up into WM_CONTEXTMENU with them.
  CallNext(message, wParam, pixelLParam);
  if (!StillBound(this, window)) return;
  router_.RightButton(message, wParam);
}

void UiWindow::DragWindow() {
  if (captionButtons_.Empty() && IsZoomed(hwnd_)) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  SendMessageW(hwnd_, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(cursor.x, cursor.y));
}

void UiWindow::ToggleMaximise() {
  SendMessageW(hwnd_, WM_SYSCOMMAND, IsZoomed(hwnd_) ? SC_RESTORE : SC_MAXIMIZE, 0);
}

void UiWindow::UpdateCursorAt(Point point) {
  UiControl* control = ControlAt(point);
  ::SetCursor(control ? control->Cursor() : Engine().defaultCursor);
}

// --- keyboard --------------------------------------------------------------------

bool UiWindow::RouteKeyDown(WPARAM key, LPARAM lParam) {
  HWND window = hwnd_;
  if (DeliverWindowEvent(WM_KEYDOWN, key, lParam) || !StillBound(this, window)) return true;
  if (router_.KeyDown(key, lParam)) return true;
  if (!StillBound(this, window)) return true;
  switch (key) {
    case VK_TAB:
      router_.MoveFocusByTab();
      return true;
    case VK_RETURN:
    case VK_SPACE:
      router_.ClickFocused();
      return true;
    case VK_ESCAPE:
      if (escCloses_) PostMessageW(hwnd_, WM_CLOSE, 0, 0);
      return true;
    default:
      return false;
  }
}

}  // namespace tabulo::ui
