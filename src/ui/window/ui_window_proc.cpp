// UiWindow: its window messages, by its own subclass or handed over by the
// window's procedure, and the window-level events.
#include <windowsx.h>

#include "ui/accessibility/window_accessible.h"
#include "ui/control/ui_control.h"
#include "ui/engine/engine_state.h"
#include "ui/control/key_state.h"
#include "ui/window/ui_window.h"

namespace tabulo::ui {
namespace {

Point PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

bool IsMouseMessage(UINT message) { return message >= WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK; }

constexpr UINT kDpiChangedMessage = 0x02E0;  // WM_DPICHANGED, which the SDK for Windows 7 lacks

LPARAM UnitsLParam(LPARAM pixels, DpiScale scale) {
  if (scale.IsIdentity()) return pixels;
  const Point p = scale.ToUnits(PointOf(pixels));
  return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}

}  // namespace

LRESULT CALLBACK UiWindow::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  UiWindow* self = FromHandle(window);
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  try {
    return self->SubclassedProc(message, wParam, lParam);
  } catch (...) {
    // Nothing may unwind into Windows; the message counts as not handled.
    return 0;
  }
}

LRESULT UiWindow::SubclassedProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) {
    // The subclass goes last: the previous procedure's clean-up first, then
    // the previous procedure is put back.
    const LRESULT result = CallNext(message, wParam, lParam);
    OnNcDestroy();
    return result;
  }
  if (const std::optional<LRESULT> result = Route(message, wParam, lParam)) return *result;
  return CallNext(message, wParam, lParam);
}

std::optional<LRESULT> UiWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!ownHandling_) return std::nullopt;  // not bound to its procedure (any more)
  if (message == WM_NCDESTROY) {
    // The engine lets go first; the procedure's own clean-up runs after it
    // and may delete this object.
    OnNcDestroy();
    return std::nullopt;
  }
  try {
    return Route(message, wParam, lParam);
  } catch (...) {
    return 0;  // nothing may unwind into the owner's procedure either
  }
}

LRESULT UiWindow::CallNext(UINT message, WPARAM wParam, LPARAM lParam) {
  if (ownHandling_) {
    // A copy: the handling may destroy the window, which unbinds this
    // object and drops its own copy while this one runs.
    const OwnHandling next = ownHandling_;
    return next(message, wParam, lParam);
  }
  if (!previousProc_) return DefWindowProcW(hwnd_, message, wParam, lParam);
  return CallWindowProcW(previousProc_, hwnd_, message, wParam, lParam);
}

std::optional<LRESULT> UiWindow::Route(UINT message, WPARAM wParam, LPARAM lParam) {
  if (closing_) return std::nullopt;
  if (message == TaskbarCreatedMessage()) tray_.OnTaskbarCreated();  // and on to the hook and the next handling
  HWND window = hwnd_;
  // The engine sees a mouse message's client point in units, once; the
  // wheel's point is on the screen and stays as it is.
  const LPARAM unitsLParam = IsMouseMessage(message) ? UnitsLParam(lParam, scale_) : lParam;
  if (messageHook_) {
    if (const std::optional<LRESULT> hooked = messageHook_(window, message, wParam, unitsLParam)) return *hooked;
  }
  bool handled = false;
  const LRESULT result = Dispatch(message, wParam, unitsLParam, lParam, handled);
  if (handled || !StillBound(this, window)) return result;
  return std::nullopt;
}

LRESULT UiWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LPARAM pixelLParam, bool& handled) {
  handled = true;
  HWND window = hwnd_;
  switch (message) {
    case kMsgDeliverToControl:
      return DeliverToControl(wParam, lParam);
    case WM_GETOBJECT:  // screen readers: the windowless controls as an accessible tree
      if (const std::optional<LRESULT> answer = AnswerGetObject(hwnd_, wParam, lParam)) return *answer;
      break;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == hwnd_) return 1;  // the engine sets cursors itself
      break;
    case WM_NCHITTEST:
      return HTCLIENT;  // no native frame: the whole window is client area
    case WM_MOUSEMOVE: {
      const Point point = PointOf(lParam);
      router_.SetLastMouse(point);
      if (!tracking_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd_, 0};
        tracking_ = TrackMouseEvent(&track) != FALSE;
        UpdateCursorAt(point);
      }
      if (!PreRouteMouse(message, wParam, lParam, pixelLParam)) router_.MouseMove(point, wParam);
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: {
      const Point point = PointOf(lParam);
      router_.SetLastMouse(point);
      if (PreRouteMouse(message, wParam, lParam, pixelLParam)) return 0;
      if (message == WM_LBUTTONDOWN) {
        RouteLeftPress(point, false);
      } else {
        router_.Release(point);
      }
      return 0;
    }
    case WM_LBUTTONDBLCLK:
      router_.SetLastMouse(PointOf(lParam));
      if (!DeliverWindowEvent(message, wParam, lParam) && StillBound(this, window)) {
        RouteLeftPress(router_.LastMouse(), true);
      }
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      RouteRightButton(message, wParam, lParam, pixelLParam);
      return 0;
    case WM_KEYDOWN:
      RouteKeyDown(wParam, lParam);
      return 0;
    case WM_KEYUP:
    case WM_MOUSEWHEEL:
    case WM_CHAR: {
      if (DeliverWindowEvent(message, wParam, lParam)) return 0;
      if (StillBound(this, window)) router_.ForwardToFocused(message, wParam, lParam);
      return 0;
    }
    case WM_MOUSELEAVE:
      OnMouseLeave();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers everything; erasing first would flicker
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      break;
    case WM_MOVE:
      DeliverWindowEvent(message, wParam, lParam);
      break;
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) OnSize(LOWORD(lParam), HIWORD(lParam));
      DeliverWindowEvent(message, wParam, lParam);
      break;
    case WM_ACTIVATE:
      OnActivate(wParam, lParam);
      break;
    case kDpiChangedMessage:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_GETMINMAXINFO:
      OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
      return 0;
    case WM_NCACTIVATE:
      return 1;  // there is no native frame to repaint
    case WM_CLOSE:
      return OnClose(wParam, lParam);
    case WM_STYLECHANGED:
      if (wParam == static_cast<WPARAM>(GWL_STYLE)) {
        const LONG style = GetWindowLongW(hwnd_, GWL_STYLE);
        if (style & (WS_DLGFRAME | WS_BORDER)) SetWindowLongW(hwnd_, GWL_STYLE, style & ~(WS_DLGFRAME | WS_BORDER));
      }
      break;
    case WM_TIMER:
      if (OnTimer(wParam)) return 0;
      break;
    case WM_SHOWWINDOW:
      DeliverWindowEvent(wParam ? WM_SHOWWINDOW : kMsgHidden, wParam, lParam);
      break;
    case WM_SETTEXT: {
      const LRESULT result = CallNext(message, wParam, lParam);
      UpdateCaptionTitle();
      return result;
    }
    case WM_SETICON: {
      const LRESULT result = CallNext(message, wParam, lParam);
      if (wParam == ICON_SMALL) UpdateCaptionIcon();
      return result;
    }
    case kMsgHostMode:
      if (ServiceModule* service = Engine().service.get()) {
        if (lParam) {
          service->Register(this, kRegisterWindow);
        } else {
          service->Unregister(this, kRegisterWindow);
        }
      }
      return 0;
    case kMsgTransitionFinished:
      UpdateCursorAt(CursorInClientUnits(*this));
      break;
    case WM_COMMAND:  // menu commands for the window (and native children's notifications)
      if (DeliverWindowEvent(message, wParam, lParam)) return 0;
      break;
    case kMsgTrayNotify:
    case WM_HOTKEY:
    case kMsgFirstActivation:
    case kMsgApplicationEvent:
    case kMsgSecondApplicationEvent:
      if (DeliverWindowEvent(message, wParam, lParam)) return 1;
      break;
    default:
      break;
  }
  handled = false;
  return 0;
}

bool UiWindow::DeliverWindowEvent(UINT message, WPARAM wParam, LPARAM lParam) {
  EventArgs args;
  args.message = message;
  args.wParam = wParam;
  args.lParam = lParam;
  if (IsMouseMessage(message) || message == WM_MOVE) {
    args.x = GET_X_LPARAM(lParam);
    args.y = GET_Y_LPARAM(lParam);
    if (message != WM_MOVE) args.keyState = KeyStateNow();
  } else if (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_MOUSEWHEEL) {
    args.key = static_cast<std::uint32_t>(wParam);
    args.keyState = KeyStateNow();
  } else if (message == WM_CHAR) {
    args.key = static_cast<std::uint32_t>(wParam);
  }
  return DeliverEvent(args);
}

LRESULT UiWindow::DeliverToControl(WPARAM wParam, LPARAM lParam) {
  const std::optional<ControlMessage> parked = messages_.Take(static_cast<std::uint64_t>(lParam));
  if (!parked || reinterpret_cast<WPARAM>(parked->target) != wParam) return 0;
  UiControl* control = LiveControl(wParam);
  if (!control) return 0;
  return control->HandleMessage(parked->message, parked->wParam, parked->lParam);
}

bool UiWindow::OnTimer(WPARAM id) {
  if (UiControl* control = LiveControl(id)) {
    control->TimerFired();
    return true;
  }
  if (UiControl* control = LiveControl(id - 1)) {  // a state transition's frame timer
    control->TransitionStep();
    return true;
  }
  return false;
}

void UiWindow::OnActivate(WPARAM wParam, LPARAM lParam) {
  HWND window = hwnd_;
  if (LOWORD(wParam) != WA_INACTIVE && !activatedOnce_) {
    activatedOnce_ = true;
    DeliverWindowEvent(kMsgFirstActivation, 0, 0);
    if (!StillBound(this, window)) return;
  }
  if (LOWORD(wParam) == WA_INACTIVE && router_.Capturing()) {
    router_.CancelCapture();
    if (!StillBound(this, window)) return;
  }
  DeliverWindowEvent(WM_ACTIVATE, wParam, lParam);
}

LRESULT UiWindow::OnClose(WPARAM wParam, LPARAM lParam) {
  HWND window = hwnd_;
  if (DeliverWindowEvent(WM_CLOSE, wParam, lParam)) return 1;  // the application keeps the window
  if (!StillBound(this, window)) return 0;
  if (closeEffect_) {
    // The fade dispatches messages while it waits: a second close may
    // destroy the window meanwhile, which resets closeEffect_, and a handler
    // may even delete this object. The fade runs on its own copy, and only
    // the handle is trusted when it returns.
    const WindowEffect effect = *closeEffect_;
    RunWindowEffect(window, effect, true);
  } else {
    SendMessageW(window, kMsgTransitionStarted, 0, 0);
    SendMessageW(window, kMsgTransitionFinished, 0, 0);
  }
  if (!StillBound(this, window)) return 0;
  ShowWindow(window, SW_HIDE);
  return CallNext(WM_CLOSE, wParam, lParam);
}

void UiWindow::OnMouseLeave() {
  tracking_ = false;
  router_.MouseLeftWindow();
}

void UiWindow::OnPaint() {
  PAINTSTRUCT ps{};
  HDC dc = ::BeginPaint(hwnd_, &ps);
  compositor_.PaintTo(dc, ps.rcPaint);
  ::EndPaint(hwnd_, &ps);
}

}  // namespace tabulo::ui
