#include "ui/window/input_router.h"

#include <algorithm>

#include "ui/control/control_host.h"
#include "ui/control/control_order.h"
#include "ui/control/ui_control.h"

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

// The window a route runs on, taken before the first control message: once
// a handler has ended the binding, Gone() says so without reading the
// router, which may have gone with the window object.
class Route {
 public:
  explicit Route(ControlHost& host) : host_(&host), window_(host.WindowHandle()) {}
  [[nodiscard]] HWND window() const { return window_; }
  [[nodiscard]] bool Gone() const { return ControlHost::OfWindow(window_) != host_; }
  [[nodiscard]] bool Owns(const UiControl* control) const { return !Gone() && host_->OwnsControl(control); }

 private:
  ControlHost* host_;
  HWND window_;
};

}  // namespace

// --- bookkeeping -----------------------------------------------------------------

void InputRouter::PlaceInTabOrder(UiControl& control) {
  InsertInTabOrder(tabOrder_, &control, [](const UiControl* c) { return c->TabStopIndex(); });
}

void InputRouter::Forget(UiControl& control) {
  std::erase(tabOrder_, &control);
  if (focused_ == &control) focused_ = nullptr;
  if (hot_ == &control) hot_ = nullptr;
  if (pressed_ == &control) pressed_ = nullptr;
  if (tabFocus_ == &control) tabFocus_ = nullptr;
  if (capture_ == &control) {
    capture_ = nullptr;
    if (capturing_) {
      capturing_ = false;
      if (GetCapture() == host_.WindowHandle()) ReleaseCapture();
    }
  }
}

void InputRouter::Clear() {
  tabOrder_.clear();
  focused_ = hot_ = pressed_ = capture_ = tabFocus_ = nullptr;
  capturing_ = false;
}

// --- hit testing -------------------------------------------------------------------

UiControl* InputRouter::HitTestList(const std::vector<UiControl*>& list, Point point, Point* local) const {
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
    if (control->AlphaHitTest() && (control->CanvasPixelAt(inside) >> 24) == 0) continue;
    if (UiControl* child = HitTestList(control->Children(), point, local)) return child;
    if (local) *local = inside;
    return control;
  }
  return nullptr;
}

UiControl* InputRouter::ControlAt(Point point, Point* local) const {
  Point inside;
  UiControl* control = HitTestList(host_.Children(), point, &inside);
  if (local) *local = control ? inside : Point{};
  return control;
}

// --- focus -----------------------------------------------------------------------

void InputRouter::RecomposeAt(const UiControl& control) {
  const Size client = host_.ClientSize();
  const Rect area = control.AbsoluteRect().intersect(Rect{0, 0, client.width, client.height});
  if (!area.empty()) host_.Recompose(area);
}

UiControl* InputRouter::MoveFocusTo(UiControl& control, bool showFocusRectangle) {
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

bool InputRouter::FocusLeft(UiControl& control) {
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

void InputRouter::MoveFocusByTab() {
  const std::vector<UiControl*> order = tabOrder_;
  const std::size_t n = order.size();
  if (n == 0) return;
  UiControl* from = focused_ ? focused_ : tabFocus_;
  const auto at = std::find(order.begin(), order.end(), from);
  const std::size_t start = at == order.end() ? n - 1 : static_cast<std::size_t>(at - order.begin());
  const Route route(host_);
  for (std::size_t step = 1; step <= n; ++step) {
    UiControl* candidate = order[(start + step) % n];
    if (route.Gone()) return;
    if (!host_.OwnsControl(candidate) || candidate->Disabled() || !candidate->MayTakeFocus() ||
        !candidate->TabStop() || !ShownWithAncestors(*candidate)) {
      continue;
    }
    candidate->HandleMessage(WM_SETFOCUS, 1, reinterpret_cast<LPARAM>(focused_));
    if (route.Owns(candidate) && candidate->HasFocus()) return;
  }
}

// --- mouse -------------------------------------------------------------------------

void InputRouter::MouseMove(Point point, WPARAM keys) {
  if (capturing_ && capture_) {
    if (host_.OwnsControl(capture_)) {
      capture_->HandleMessage(WM_MOUSEMOVE, keys, PackPoint(Relative(point, capture_->AbsoluteRect())));
    }
    return;
  }
  const Route route(host_);
  Point local;
  UiControl* control = ControlAt(point, &local);
  if (control != hot_) {
    UiControl* old = hot_;
    hot_ = control;
    if (old && host_.OwnsControl(old)) old->HandleMessage(kMsgMouseLeft, 0, reinterpret_cast<LPARAM>(control));
    if (control && route.Owns(control)) control->HandleMessage(kMsgMouseEntered, 0, reinterpret_cast<LPARAM>(old));
  }
  if (control && route.Owns(control)) control->HandleMessage(WM_MOUSEMOVE, keys, PackPoint(local));
}

UiControl* InputRouter::PressAt(Point point, Point* local) {
  UiControl* control = ControlAt(point, local);
  hot_ = control;
  pressed_ = control;
  return control;
}

void InputRouter::Press(UiControl& control, Point local, bool doubleClick) {
  const Route route(host_);
  if (!route.Owns(&control)) return;
  if (control.MayTakeFocus() && focused_ != &control) {
    control.HandleMessage(WM_SETFOCUS, 0, reinterpret_cast<LPARAM>(focused_));
  }
  if (!route.Owns(&control)) return;
  capturing_ = true;
  capture_ = &control;
  SetCapture(route.window());
  control.HandleMessage(WM_LBUTTONDOWN, MK_LBUTTON, PackPoint(local));
  if (doubleClick && route.Owns(&control)) control.HandleMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, PackPoint(local));
}

void InputRouter::Release(Point point) {
  const Route route(host_);
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
    if (!captured || !host_.OwnsControl(captured)) return;
    const Point inCaptured = Relative(point, captured->AbsoluteRect());
    captured->HandleMessage(WM_LBUTTONUP, 0, PackPoint(inCaptured));
    if (control != captured) {
      // Released elsewhere: the press is abandoned, no click.
      if (route.Owns(captured)) captured->HandleMessage(kMsgMouseLeft, 0, reinterpret_cast<LPARAM>(control));
      if (control && route.Owns(control)) {
        control->HandleMessage(kMsgMouseEntered, 0, reinterpret_cast<LPARAM>(captured));
      }
      return;
    }
    if (route.Owns(captured)) captured->HandleMessage(kMsgClicked, 0, PackPoint(inCaptured));
    return;
  }
  if (control && control == pressed) {
    control->HandleMessage(WM_LBUTTONUP, 0, PackPoint(local));
    if (route.Owns(control)) control->HandleMessage(kMsgClicked, 0, PackPoint(local));
  }
}

void InputRouter::RightButton(UINT message, WPARAM wParam) {
  if (UiControl* hot = hot_; hot && host_.OwnsControl(hot)) {
    hot->HandleMessage(message, wParam, PackPoint(Relative(lastMouse_, hot->AbsoluteRect())));
  }
}

void InputRouter::MouseLeftWindow() {
  // While a control holds the capture the press is still going on: its
  // release must still reach it, wherever the mouse is let go.
  if (capturing_) return;
  LeaveHot();
}

void InputRouter::LeaveHot() {
  if (UiControl* hot = hot_) {
    hot_ = nullptr;
    if (host_.OwnsControl(hot)) hot->HandleMessage(kMsgMouseLeft, 0, 0);
  }
}

void InputRouter::CancelCapture() {
  if (!capturing_) return;
  UiControl* control = capture_;
  capture_ = nullptr;
  capturing_ = false;
  ReleaseCapture();
  if (!control || !host_.OwnsControl(control)) return;
  const Point cursor = CursorInClientUnits(host_);
  const Rect abs = control->AbsoluteRect();
  control->HandleMessage(WM_LBUTTONUP, 0, MAKELPARAM(cursor.x - abs.x, cursor.y - abs.y));
}

// --- keyboard ----------------------------------------------------------------------

bool InputRouter::KeyDown(WPARAM key, LPARAM lParam) {
  return focused_ && host_.OwnsControl(focused_) && focused_->HandleMessage(WM_KEYDOWN, key, lParam) != 0;
}

void InputRouter::ClickFocused() {
  if (focused_ && host_.OwnsControl(focused_)) focused_->HandleMessage(kMsgClicked, 0, 0);
}

void InputRouter::ForwardToFocused(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!focused_ || !host_.OwnsControl(focused_)) return;
  const LPARAM forward = message == WM_MOUSEWHEEL ? MAKELPARAM(lastMouse_.x, lastMouse_.y) : lParam;
  focused_->HandleMessage(message, wParam, forward);
}

}  // namespace tabulo::ui
