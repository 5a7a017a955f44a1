// UiWindow: hit testing and the mouse and keyboard routes that turn window
// input into control messages: hover (entered / left), press, release and
// click with capture, focus by mouse and by Tab, window dragging and the
// resize zones of the frameless window.
#include <windowsx.h>

#include "ui/control/ui_control.h"
#include "ui/engine/engine_state.h"
#include "ui/window/sizing_zones.h"
#include "ui/window/ui_window.h"

namespace tabulo::ui {
namespace {

LPARAM PackPoint(Point p) { return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)); }

Point Relative(Point p, const Rect& r) { return {p.x - r.x, p.y - r.y}; }

bool ShownWithAncestors(const UiControl& control) {
  for (const UiControl* c = &control; c; c = c->Parent()) {
    if (!c->Visible()) return false;
  }
  return true;
}

}  // namespace

// --- hit testing ---------------------------------------------------------------

UiControl* UiWindow::HitTestList(const std::vector<UiControl*>& list, Point point, Point* local) const {
  for (auto it = list.rbegin(); it != list.rend(); ++it) {
    UiControl* control = *it;
    if (!control->Visible() || control->Disabled()) continue;
    const Rect abs = control->AbsoluteRect();
    if (!abs.contains(point)) continue;
    const Point inside = Relative(point, abs);
    if (control->HandleMessage(WM_NCHITTEST, 0, PackPoint(inside)) != 0) {
      // The control gives the point to its children.
      if (UiControl* child = HitTestList(control->Children(), point, local)) return child;
      continue;
    }
    if (control->AlphaHitTest()) {
      const Canvas& canvas = control->GetCanvas();
      canvas.Flush();
      if ((canvas.Pixel(inside.x, inside.y) >> 24) == 0) continue;
    }
    if (UiControl* child = HitTestList(control->Children(), point, local)) return child;
    if (local) *local = inside;
    return control;
  }
  return nullptr;
}

UiControl* UiWindow::ControlAt(Point point, Point* local) const {
  Point inside;
  UiControl* control = HitTestList(children_, point, &inside);
  if (local) *local = control ? inside : Point{};
  return control;
}

// --- mouse -----------------------------------------------------------------------

bool UiWindow::PreRouteMouse(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = hwnd_;
  if (DeliverWindowEvent(message, wParam, lParam) || !StillBound(this, window)) return true;
  CallPrevious(message, wParam, lParam);
  if (!StillBound(this, window)) return true;
  return regionValid_ && SizingHitTest(message, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
}

bool UiWindow::SizingHitTest(UINT message, Point point) {
  if (!sizeBox_ || capturing_ || (message != WM_MOUSEMOVE && message != WM_LBUTTONDOWN)) return false;
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
  if (UiControl* hot = hot_) {
    hot_ = nullptr;
    if (OwnsControl(hot)) hot->HandleMessage(kMsgMouseLeft, 0, 0);
  }
  if (message == WM_LBUTTONDOWN && StillBound(this, window)) {
    SendMessageW(window, WM_SYSCOMMAND, SC_SIZE | static_cast<int>(zone), 0);
  }
  return true;
}

void UiWindow::RouteMouseMove(Point point, WPARAM keys) {
  HWND window = hwnd_;
  if (capturing_ && capture_) {
    if (OwnsControl(capture_)) {
      capture_->HandleMessage(WM_MOUSEMOVE, keys, PackPoint(Relative(point, capture_->AbsoluteRect())));
    }
    return;
  }
  Point local;
  UiControl* control = ControlAt(point, &local);
  if (control != hot_) {
    UiControl* old = hot_;
    hot_ = control;
    if (old && OwnsControl(old)) old->HandleMessage(kMsgMouseLeft, 0, reinterpret_cast<LPARAM>(control));
    if (control && StillOwns(this, window, control)) {
      control->HandleMessage(kMsgMouseEntered, 0, reinterpret_cast<LPARAM>(old));
    }
  }
  if (control && StillOwns(this, window, control)) control->HandleMessage(WM_MOUSEMOVE, keys, PackPoint(local));
}

void UiWindow::RouteLeftPress(Point point, bool doubleClick) {
  HWND window = hwnd_;
  Point local;
  UiControl* control = ControlAt(point, &local);
  hot_ = control;
  pressed_ = control;
  const bool captionArea = point.y < content_.y + CaptionHeight();
  const bool onEmptyArea = !control || !control->MouseTrack();
  if (doubleClick && (captionButtons_ & kCaptionMax) && captionArea && onEmptyArea) {
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
  if (!StillOwns(this, window, control)) return;
  if (control->MayTakeFocus() && focused_ != control) {
    control->HandleMessage(WM_SETFOCUS, 0, reinterpret_cast<LPARAM>(focused_));
  }
  if (!StillOwns(this, window, control)) return;
  capturing_ = true;
  capture_ = control;
  SetCapture(window);
  control->HandleMessage(WM_LBUTTONDOWN, MK_LBUTTON, PackPoint(local));
  if (doubleClick && StillOwns(this, window, control)) {
    control->HandleMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, PackPoint(local));
  }
}

void UiWindow::RouteLeftRelease(Point point) {
  HWND window = hwnd_;
  Point local;
  UiControl* control = ControlAt(point, &local);
  UiControl* pressed = pressed_;
  pressed_ = nullptr;
  hot_ = control;
  if (capturing_) {
    UiControl* captured = capture_;
    capturing_ = false;
    capture_ = nullptr;
    ReleaseCapture();
    if (!captured || !OwnsControl(captured)) return;
    const Point inCaptured = Relative(point, captured->AbsoluteRect());
    captured->HandleMessage(WM_LBUTTONUP, 0, PackPoint(inCaptured));
    if (control != captured) {
      // Released elsewhere: the press is abandoned, no click.
      if (StillOwns(this, window, captured)) {
        captured->HandleMessage(kMsgMouseLeft, 0, reinterpret_cast<LPARAM>(control));
      }
      if (control && StillOwns(this, window, control)) {
        control->HandleMessage(kMsgMouseEntered, 0, reinterpret_cast<LPARAM>(captured));
      }
      return;
    }
    if (StillOwns(this, window, captured)) captured->HandleMessage(kMsgClicked, 0, PackPoint(inCaptured));
    return;
  }
  if (control && control == pressed) {
    control->HandleMessage(WM_LBUTTONUP, 0, PackPoint(local));
    if (StillOwns(this, window, control)) control->HandleMessage(kMsgClicked, 0, PackPoint(local));
  }
}

void UiWindow::RouteRightButton(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = hwnd_;
  if (DeliverWindowEvent(message, wParam, lParam) || !StillBound(this, window)) return;
  CallPrevious(message, wParam, lParam);
  if (!StillBound(this, window)) return;
  if (UiControl* hot = hot_; hot && OwnsControl(hot)) {
    hot->HandleMessage(message, wParam, PackPoint(Relative(lastMouse_, hot->AbsoluteRect())));
  }
}

void UiWindow::DragWindow() {
  if (captionButtons_ == 0 && IsZoomed(hwnd_)) return;
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

// --- focus -----------------------------------------------------------------------

UiControl* UiWindow::MoveFocusTo(UiControl& control, bool showFocusRectangle) {
  if (UiControl* shown = tabFocus_) {
    tabFocus_ = nullptr;
    RecomposeAt(*shown);
  }
  UiControl* old = focused_;
  focused_ = &control;
  if (showFocusRectangle) {
    tabFocus_ = &control;
    RecomposeAt(control);
  }
  return old;
}

bool UiWindow::FocusLeft(UiControl& control) {
  if (tabFocus_ == &control) {
    tabFocus_ = nullptr;
    RecomposeAt(control);
  }
  if (capture_ == &control) {
    capture_ = nullptr;
    capturing_ = false;
    ReleaseCapture();
  }
  if (focused_ == &control) focused_ = nullptr;
  if (hot_ != &control) return false;
  hot_ = nullptr;
  return true;
}

// --- keyboard --------------------------------------------------------------------

bool UiWindow::RouteKeyDown(WPARAM key, LPARAM lParam) {
  HWND window = hwnd_;
  if (DeliverWindowEvent(WM_KEYDOWN, key, lParam) || !StillBound(this, window)) return true;
  if (focused_ && OwnsControl(focused_) && focused_->HandleMessage(WM_KEYDOWN, key, lParam)) return true;
  if (!StillBound(this, window)) return true;
  switch (key) {
    case VK_TAB:
      MoveFocusByTab();
      return true;
    case VK_RETURN:
    case VK_SPACE:
      if (focused_ && OwnsControl(focused_)) focused_->HandleMessage(kMsgClicked, 0, 0);
      return true;
    case VK_ESCAPE:
      if (escCloses_) PostMessageW(hwnd_, WM_CLOSE, 0, 0);
      return true;
    default:
      return false;
  }
}

void UiWindow::MoveFocusByTab() {
  const std::vector<UiControl*> order = tabOrder_;
  const std::size_t n = order.size();
  if (n == 0) return;
  UiControl* from = focused_ ? focused_ : tabFocus_;
  const auto at = std::find(order.begin(), order.end(), from);
  const std::size_t start = at == order.end() ? n - 1 : static_cast<std::size_t>(at - order.begin());
  HWND window = hwnd_;
  for (std::size_t step = 1; step <= n; ++step) {
    UiControl* candidate = order[(start + step) % n];
    if (!StillBound(this, window)) return;
    if (!OwnsControl(candidate) || candidate->Disabled() || !candidate->MayTakeFocus() || !candidate->TabStop() ||
        !ShownWithAncestors(*candidate)) {
      continue;
    }
    candidate->HandleMessage(WM_SETFOCUS, 1, reinterpret_cast<LPARAM>(focused_));
    if (StillOwns(this, window, candidate) && candidate->HasFocus()) return;
  }
}

}  // namespace tabulo::ui
