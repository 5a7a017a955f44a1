#pragma once
// InputRouter: a window's input state (the focused, hot, pressed and
// capturing control, the one showing the focus rectangle, the tab order and
// the last mouse position) and the routes that turn the window's mouse and
// keyboard input into control messages: hover (entered / left), press,
// release and click with capture, focus by mouse and by Tab, keys to the
// focused control. The controls keep none of this state; they ask the host,
// which asks the router.
//
// What belongs to the window itself (window-level events, dragging,
// maximising, the resize zones, closing on Escape) stays with the window,
// which calls the routes in between.
//
// Any control message may run an application handler that destroys the
// window or deletes the window object, and this router with it: a route
// checks that its window is still bound (through the window's property,
// never through the router) before it touches anything again.
#include <windows.h>

#include <vector>

#include "base/geometry/rect.h"

namespace tabulo::ui {

class ControlHost;
class UiControl;

class InputRouter {
 public:
  explicit InputRouter(ControlHost& host) : host_(host) {}
  InputRouter(const InputRouter&) = delete;
  InputRouter& operator=(const InputRouter&) = delete;

  [[nodiscard]] UiControl* Focused() const { return focused_; }
  [[nodiscard]] UiControl* Hot() const { return hot_; }
  [[nodiscard]] UiControl* Pressed() const { return pressed_; }
  [[nodiscard]] UiControl* Capture() const { return capture_; }
  [[nodiscard]] UiControl* TabFocus() const { return tabFocus_; }
  // A control holds the mouse capture: a press on it is still going on.
  [[nodiscard]] bool Capturing() const { return capturing_; }
  [[nodiscard]] const std::vector<UiControl*>& TabOrder() const { return tabOrder_; }
  [[nodiscard]] Point LastMouse() const { return lastMouse_; }
  void SetLastMouse(Point point) { lastMouse_ = point; }

  // --- bookkeeping ----------------------------------------------------------
  // (Re)places the control in the tab order by its tab stop index.
  void PlaceInTabOrder(UiControl& control);
  // Drops every reference to a control that leaves the window.
  void Forget(UiControl& control);
  void Clear();

  // --- hit testing ----------------------------------------------------------
  // The topmost visible, enabled control under a point (window coordinates)
  // and the point relative to it.
  [[nodiscard]] UiControl* ControlAt(Point point, Point* local = nullptr) const;

  // --- focus ----------------------------------------------------------------
  UiControl* MoveFocusTo(UiControl& control, bool showFocusRectangle);
  bool FocusLeft(UiControl& control);
  // Tab: the focus goes to the next control in the tab order that takes it.
  void MoveFocusByTab();

  // --- mouse ----------------------------------------------------------------
  void MouseMove(Point point, WPARAM keys);
  // The left button went down at a point: the control under it (null: none)
  // becomes the hot and pressed control.
  UiControl* PressAt(Point point, Point* local);
  // The press reaches the control: focus, capture, then the button message
  // (and the double click).
  void Press(UiControl& control, Point local, bool doubleClick);
  // The left button went up: the captured (or pressed) control gets the
  // release, and the click when the release is on it.
  void Release(Point point);
  // A right button message goes to the hot control, at the last mouse
  // position.
  void RightButton(UINT message, WPARAM wParam);
  // The mouse left the window: the hot control is left, unless a press is
  // going on.
  void MouseLeftWindow();
  // The hot control is left (the mouse went into a resize zone).
  void LeaveHot();
  // The window was deactivated during a press: the capture ends and the
  // captured control gets its release where the mouse is now.
  void CancelCapture();

  // --- keyboard -------------------------------------------------------------
  // A key goes to the focused control; true when that control handled it.
  bool KeyDown(WPARAM key, LPARAM lParam);
  // Return and Space click the focused control.
  void ClickFocused();
  // Key releases, characters and the wheel go to the focused control (the
  // wheel with the last mouse position).
  void ForwardToFocused(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  [[nodiscard]] UiControl* HitTestList(const std::vector<UiControl*>& list, Point point, Point* local) const;
  void RecomposeAt(const UiControl& control);

  ControlHost& host_;
  std::vector<UiControl*> tabOrder_;
  UiControl* focused_ = nullptr;
  UiControl* hot_ = nullptr;
  UiControl* pressed_ = nullptr;
  UiControl* capture_ = nullptr;
  UiControl* tabFocus_ = nullptr;
  bool capturing_ = false;
  Point lastMouse_;
};

}  // namespace tabulo::ui
