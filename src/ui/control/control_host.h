#pragma once
// ControlHost: what a windowless control may ask of the window it lives in.
// The window implements it; a control sees nothing else of its host. The
// host keeps the input state (which control is focused, hot, pressed or
// holds the capture) apart from the controls: a control asks, or tells the
// host that focus moves to it or leaves it, and never changes that state
// itself.
//
// A bound window is found from its handle through the window property
// "Orb_Wnd_Control", which holds its ControlHost.
//
// Units and pixels: everything a control sees of its host (ClientSize,
// ControlAt, Recompose, Present, message coordinates) is in the window's
// 96-DPI units. Pixels are what Windows and GDI see: the window rectangle,
// the client coordinates of messages, device contexts and regions. Scale()
// converts between the two (dpi_scale.h: lengths rounded half away from
// zero, rectangles by their edges); a control asks its own canvas's pixels
// through UiControl::CanvasPixels.
#include <windows.h>

#include <string>
#include <vector>

#include "base/geometry/dpi_scale.h"
#include "base/geometry/rect.h"
#include "ui/control/control_order.h"

namespace tabulo::ui {

class Canvas;
class ResourcePackage;
class UiControl;

inline constexpr wchar_t kWindowObjectProperty[] = L"Orb_Wnd_Control";

class ControlHost {
 public:
  // The host bound to the window; null for a window no host is bound to.
  [[nodiscard]] static ControlHost* OfWindow(HWND window);

  [[nodiscard]] virtual HWND WindowHandle() const = 0;
  [[nodiscard]] virtual bool IsBound() const = 0;
  [[nodiscard]] virtual Size ClientSize() const = 0;
  // The window's scale: its DPI against 96.
  [[nodiscard]] virtual DpiScale Scale() const = 0;
  // The theme package the window's controls draw their skin from.
  [[nodiscard]] virtual const ResourcePackage* Package() const = 0;
  // The composed picture of the window (text is measured on its graphics;
  // the Edit draws its caret straight onto it).
  [[nodiscard]] virtual const Canvas& WindowCanvas() const = 0;
  // What a screen reader calls the client area of a window without a title
  // (the bar); empty: the window's title.
  [[nodiscard]] virtual const std::string& AccessibleName() const = 0;

  // --- the control tree ---------------------------------------------------
  // The top-level controls in paint order (the last is on top).
  [[nodiscard]] virtual const std::vector<UiControl*>& Children() const = 0;
  [[nodiscard]] virtual bool OwnsControl(const UiControl* control) const = 0;
  // The topmost visible, enabled control under a point (window coordinates)
  // and the point relative to it.
  [[nodiscard]] virtual UiControl* ControlAt(Point point, Point* local = nullptr) const = 0;
  // A control joins the window (at the top of the top-level controls when
  // it has no parent control) or leaves it; leaving also drops every
  // reference the host keeps to it.
  virtual void AddControl(UiControl& control, bool topLevel) = 0;
  virtual void RemoveControl(UiControl& control) = 0;
  // A control moves out of (false) or into (true, on top) the top-level list.
  virtual void SetTopLevel(UiControl& control, bool topLevel) = 0;
  // Reorders a top-level control; false when nothing moved.
  virtual bool MoveInZOrder(UiControl& control, ZOrder order) = 0;
  // The control's tab stop index changed.
  virtual void TabOrderChanged(UiControl& control) = 0;

  // --- input state --------------------------------------------------------
  [[nodiscard]] virtual UiControl* FocusedControl() const = 0;
  [[nodiscard]] virtual UiControl* HotControl() const = 0;
  // The keyboard focus moves to the control, with the focus rectangle when
  // asked (focus by Tab); returns the control that had it.
  virtual UiControl* MoveFocusTo(UiControl& control, bool showFocusRectangle) = 0;
  // The control lost the focus: its focus rectangle goes, and so do its
  // capture and focus; true when it was the hot control, which it is no
  // longer.
  virtual bool FocusLeft(UiControl& control) = 0;

  // --- painting and messages ------------------------------------------------
  // Recomposes an area of the window (window coordinates) and presents it.
  virtual void Recompose(const Rect& area) = 0;
  // Puts an area of the window canvas on the screen as it is (after a
  // control drew straight onto it); before the window has been shown its
  // surface is not on the screen yet.
  virtual void Present(const Rect& area) = 0;
  [[nodiscard]] virtual bool Shown() const = 0;
  // Sends or posts a message to one of the window's controls through the
  // window's queue: it reaches the control only while that lives there.
  virtual LRESULT SendToControl(UiControl& control, UINT message, WPARAM wParam, LPARAM lParam) = 0;
  virtual bool PostToControl(UiControl& control, UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // The window's tooltip window, made on first request; null when it cannot
  // be made.
  virtual HWND Tooltip() = 0;
  // The tooltip window if one has been made.
  [[nodiscard]] virtual HWND TooltipWindow() const = 0;

 protected:
  ControlHost() = default;
  ControlHost(const ControlHost&) = delete;
  ControlHost& operator=(const ControlHost&) = delete;
  ~ControlHost() = default;
};

// Where the mouse cursor is now, in the host window's client units.
[[nodiscard]] Point CursorInClientUnits(const ControlHost& host);

}  // namespace tabulo::ui
