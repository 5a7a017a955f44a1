// UiWindow: binding, unbinding, destruction, control bookkeeping and the
// placement operations. The message handling is in ui_window_proc.cpp, the
// input routes in ui_window_routing.cpp, composition in
// ui_window_compose.cpp and skin and shape in ui_window_skin.cpp.
#include "ui/window/ui_window.h"

#include <commctrl.h>

#include "base/win/dpi.h"
#include "base/win/geometry_win.h"
#include "base/win/system_library.h"
#include "ui/control/control_order.h"
#include "ui/control/ui_control.h"
#include "ui/engine/engine_state.h"
#include "ui/engine/os_version.h"
#include "ui/skin/skin_draw.h"
#include "ui/skin/window_background.h"
#include "ui/window/tray_tip.h"

namespace tabulo::ui {
namespace {

constexpr LONG kFrameStyles = WS_THICKFRAME | WS_DLGFRAME | WS_BORDER;
constexpr LONG kFrameExStyles = WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE;

CaptionButtons CaptionButtonsFromStyles(LONG style) {
  CaptionButtons buttons = CaptionButton::kIcon | CaptionButton::kTitle | CaptionButton::kClose;
  if (style & WS_MAXIMIZEBOX) buttons |= CaptionButton::kMax;
  if (style & WS_MINIMIZEBOX) buttons |= CaptionButton::kMin;
  return buttons;
}

}  // namespace

UiWindow::UiWindow() = default;

UiWindow::~UiWindow() { Unbind(); }

// Every host bound to a window is a UiWindow.
UiWindow* UiWindow::FromHandle(HWND window) { return static_cast<UiWindow*>(ControlHost::OfWindow(window)); }

bool UiWindow::Bind(HWND window, const BindOptions& options) { return BindWith(window, options, nullptr); }

bool UiWindow::BindToProcedure(HWND window, const BindOptions& options, OwnHandling ownHandling) {
  return ownHandling && BindWith(window, options, std::move(ownHandling));
}

bool UiWindow::BindWith(HWND window, const BindOptions& o, OwnHandling ownHandling) {
  if (!IsWindow(window) || window == hwnd_) return false;
  if (hwnd_ && IsWindow(hwnd_)) return false;
  if (GetPropW(window, kWindowObjectProperty)) return false;  // another object has it
  EngineStart();

  UiWindow* owner = o.setOwner ? FromHandle(o.owner) : nullptr;
  owner_ = o.setOwner ? o.owner : nullptr;
  requestedRadius_ = o.cornerRadius.value_or(owner ? owner->requestedRadius_ : -1);
  alpha_ = o.alpha.value_or(owner ? owner->alpha_ : -1);
  if (alpha_ < -1 || alpha_ > 255) alpha_ = -1;
  const bool glass = o.glass.value_or(owner ? owner->glass_ : true);
  glass_ = glass && GlassAllowed(Engine().osVersion, alpha_ != -1);

  LONG style = GetWindowLongW(window, GWL_STYLE);
  captionButtons_ = o.captionButtons.value_or(CaptionButtonsFromStyles(style));
  fillType_ = o.fillType.value_or(FillType::kNatural);
  grid_ = o.grid;
  dragAnywhere_ = o.dragAnywhere.value_or(true);
  sizeBox_ = o.sizeBox;
  escCloses_ = o.escCloses;
  backgroundColour_ = o.backgroundColour;
  backgroundOffset_ = {};
  shadowElement_ = o.shadowElement;

  // The engine draws the caption: the system menu goes whatever the buttons.
  style &= ~(kFrameStyles | WS_SYSMENU);
  if (!captionButtons_.Has(CaptionButton::kMin)) style &= ~WS_MINIMIZEBOX;
  if (!captionButtons_.Has(CaptionButton::kMax)) style &= ~WS_MAXIMIZEBOX;
  SetWindowLongW(window, GWL_STYLE, style);
  LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE) & ~kFrameExStyles;
  exStyle = alpha_ != -1 ? (exStyle | WS_EX_LAYERED) : (exStyle & ~WS_EX_LAYERED);
  SetWindowLongW(window, GWL_EXSTYLE, exStyle);

  hwnd_ = window;
  closing_ = false;
  const Rect framed = WindowRectOf(window);
  scale_ = o.dpi ? DpiScale(*o.dpi) : WindowScale(window);
  pixelSize_ = {framed.width, framed.height};
  size_ = scale_.ToUnits(pixelSize_);
  ResizeSurfaces();
  SetPropW(window, kWindowObjectProperty, static_cast<ControlHost*>(this));

  fitted_.Reset();
  if (owner) {
    // The owner may keep its picture only as fitted to itself.
    picture_ = owner->picture_;
    if (!picture_ && !owner->pictureBytes_.empty()) {
      picture_ = Engine().decodes.BackgroundPicture(owner->pictureBytes_, owner->fillType_, owner->backgroundOffset_);
    }
    pictureBytes_ = owner->pictureBytes_;
    ApplySkin({}, {}, owner->package_, false);
  } else {
    picture_ = Engine().decodes.BackgroundPicture(o.background, fillType_, backgroundOffset_);
    if (fillType_ != FillType::kNatural) pictureBytes_.assign(o.background.begin(), o.background.end());
    ApplySkin(o.theme, o.themePassword, nullptr, false);
  }

  // From here on the engine sees the window's messages, either way.
  if (ownHandling) {
    ownHandling_ = std::move(ownHandling);
  } else {
    previousProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&UiWindow::SubclassProc)));
  }
  // The frame styles are gone: let Windows recompute the client area, which
  // now covers the whole window.
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  const Rect frameless = WindowRectOf(window);
  if (Size now{frameless.width, frameless.height}; now != pixelSize_) {
    pixelSize_ = now;
    size_ = scale_.ToUnits(now);
    ResizeSurfaces();
    content_ = ui::ContentRect(size_, skin_.margins);
    RebuildShape();
  }

  BuildCaptionBand();
  PaintBackground(std::nullopt, true, false);
  return true;
}

// Made for the first control with a tip: most windows (menus, notices)
// never show one, and a tooltip window is not free (Wine keeps some 9 KB of
// every one made).
HWND UiWindow::Tooltip() {
  if (tooltip_ || !hwnd_) return tooltip_.get();
  // The tooltip class is the common controls'; they are loaded with the
  // first window that needs them, not at start-up. Without them the window
  // is not made, and the window simply has no tips.
  (void)InitCommonControlClasses(ICC_WIN95_CLASSES);
  tooltip_.reset(CreateWindowExW(0, TOOLTIPS_CLASSW, L"", TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr));
  if (!tooltip_) return nullptr;
  SetWindowPos(tooltip_.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageW(tooltip_.get(), TTM_SETMAXTIPWIDTH, 0, 1024);
  TOOLINFOW info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS | TTF_TRANSPARENT | TTF_PARSELINKS;
  info.hwnd = hwnd_;
  info.uId = reinterpret_cast<UINT_PTR>(hwnd_);
  info.lpszText = const_cast<wchar_t*>(L"");
  SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  SendMessageW(tooltip_.get(), TTM_ACTIVATE, FALSE, 0);  // until a control with a tip is hovered
  return tooltip_.get();
}

void UiWindow::ResizeSurfaces() {
  compositor_.Resize(pixelSize_, scale_);
}

// --- controls ------------------------------------------------------------------

void UiWindow::AddControl(UiControl& added, bool topLevel) {
  UiControl* control = &added;
  if (topLevel) children_.push_back(control);
  live_.emplace(reinterpret_cast<std::uintptr_t>(control), control);
  router_.PlaceInTabOrder(added);
}

void UiWindow::RemoveControl(UiControl& removed) {
  UiControl* control = &removed;
  std::erase(children_, control);
  live_.erase(reinterpret_cast<std::uintptr_t>(control));
  messages_.DropFor(control);
  router_.Forget(removed);
}

void UiWindow::SetTopLevel(UiControl& control, bool topLevel) {
  std::erase(children_, &control);
  if (topLevel) children_.push_back(&control);
}

bool UiWindow::MoveInZOrder(UiControl& control, ZOrder order) { return ui::MoveInZOrder(children_, &control, order); }

LRESULT UiWindow::SendToControl(UiControl& control, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = hwnd_;
  const std::uint64_t id = messages_.Park({&control, message, wParam, static_cast<std::intptr_t>(lParam)});
  const LRESULT result =
      SendMessageW(window, kMsgDeliverToControl, reinterpret_cast<WPARAM>(&control), static_cast<LPARAM>(id));
  if (StillBound(this, window)) (void)messages_.Take(id);  // not delivered: do not keep it
  return result;
}

bool UiWindow::PostToControl(UiControl& control, UINT message, WPARAM wParam, LPARAM lParam) {
  const std::uint64_t id = messages_.Park({&control, message, wParam, static_cast<std::intptr_t>(lParam)});
  if (PostMessageW(hwnd_, kMsgDeliverToControl, reinterpret_cast<WPARAM>(&control), static_cast<LPARAM>(id))) {
    return true;
  }
  (void)messages_.Take(id);
  return false;
}

// A copy: handlers run for each may destroy controls.
std::vector<UiControl*> UiWindow::LiveControls() const {
  std::vector<UiControl*> all;
  all.reserve(live_.size());
  for (const auto& [id, control] : live_) all.push_back(control);
  return all;
}

UiControl* UiWindow::LiveControl(std::uintptr_t id) const {
  const auto it = live_.find(id);
  return it == live_.end() ? nullptr : it->second;
}

void UiWindow::DestroyAllControls() {
  const std::vector<UiControl*> children = children_;
  for (UiControl* control : children) {
    if (OwnsControl(control)) control->HandleMessage(WM_DESTROY, 0, 0);
  }
  DestroyCaptionBand();
}

// --- destruction -----------------------------------------------------------------

void UiWindow::OnDestroy() {
  HWND window = hwnd_;
  closing_ = true;
  DeliverWindowEvent(WM_DESTROY, 0, 0);
  // A handler that deleted this object released everything with it.
  if (!StillBound(this, window)) return;
  ClearHandlers();
  ReleaseResources();
}

void UiWindow::ReleaseResources() {
  // The surfaces go first: controls leaving one by one need not recompose
  // a window that is going away.
  compositor_.Release();
  tooltip_.reset();
  hotKeys_.ReleaseAll(hwnd_);
  tray_.Remove();
  DestroyAllControls();
  if (ServiceModule* service = Engine().service.get()) service->Unregister(this, kRegisterWindow);
  messages_.Clear();
  package_.reset();
  picture_.reset();
  pictureBytes_.clear();
  fitted_.Reset();
  shape_ = WindowShape();
  closeEffect_.reset();
  children_.clear();
  live_.clear();
  router_.Clear();
}

void UiWindow::OnNcDestroy() {
  HWND window = hwnd_;
  if (previousProc_) SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
  RemovePropW(window, kWindowObjectProperty);
  ResetBinding();
  // A loop waiting in GetMessage for this window (RunMessageLoop) would
  // otherwise only notice it is gone with the next message to arrive.
  PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

void UiWindow::ResetBinding() {
  hwnd_ = nullptr;
  owner_ = nullptr;
  previousProc_ = nullptr;
  ownHandling_ = nullptr;
  closing_ = false;
  tracking_ = false;
  regionValid_ = false;
  activatedOnce_ = false;
  shown_ = false;
}

void UiWindow::Unbind() {
  if (!hwnd_) return;
  HWND window = hwnd_;
  // Also while closing: the object may go from a handler of WM_DESTROY,
  // before the window released its resources.
  ReleaseResources();
  if (IsWindow(window)) {
    if (previousProc_) SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
    RemovePropW(window, kWindowObjectProperty);
  }
  ResetBinding();
}

// --- placement -------------------------------------------------------------------

void UiWindow::SetPlacement(std::optional<int> left, std::optional<int> top, std::optional<int> width,
                            std::optional<int> height) {
  if (!hwnd_) return;
  const Rect r = WindowRectOf(hwnd_);
  MoveWindow(hwnd_, left.value_or(r.x), top.value_or(r.y), width ? scale_.Length(*width) : r.width,
             height ? scale_.Length(*height) : r.height, TRUE);
}

WindowShowState UiWindow::ShowState() const {
  if (hwnd_ && IsIconic(hwnd_)) return WindowShowState::kMinimised;
  if (hwnd_ && IsZoomed(hwnd_)) return WindowShowState::kMaximised;
  return WindowShowState::kNormal;
}

void UiWindow::SetShowState(WindowShowState state) {
  if (!hwnd_) return;
  switch (state) {
    case WindowShowState::kNormal: ShowWindow(hwnd_, SW_SHOWNORMAL); break;
    case WindowShowState::kMinimised: ShowWindow(hwnd_, SW_MINIMIZE); break;
    case WindowShowState::kMaximised: ShowWindow(hwnd_, SW_MAXIMIZE); break;
    case WindowShowState::kCentred: {
      // On the window's monitor (the whole monitor, as the screen size is
      // on the primary one).
      MONITORINFO monitor{};
      monitor.cbSize = sizeof monitor;
      RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
      if (GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor)) screen = monitor.rcMonitor;
      SetWindowPos(hwnd_, nullptr, screen.left + (screen.right - screen.left - pixelSize_.width) / 2,
                   screen.top + (screen.bottom - screen.top - pixelSize_.height) / 2, 0, 0,
                   SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
      break;
    }
    default: ShowWindow(hwnd_, SW_HIDE); break;
  }
}

void UiWindow::SetTopmost(bool topmost) {
  if (hwnd_) SetWindowPos(hwnd_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

HICON UiWindow::Icon(bool big) const {
  if (!hwnd_) return nullptr;
  return reinterpret_cast<HICON>(SendMessageW(hwnd_, WM_GETICON, big ? ICON_BIG : ICON_SMALL, 0));
}

void UiWindow::SetIcon(HICON icon, bool big) {
  if (hwnd_) SendMessageW(hwnd_, WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

bool UiWindow::SetTrayIcon(std::optional<HICON> icon, std::optional<std::string_view> tip) {
  std::optional<std::u16string> text;
  if (tip) text = TrayTipText(*tip);
  if (!icon && !tray_.Shown()) icon = Icon(false);
  return tray_.Set(hwnd_, icon, std::move(text));
}

bool UiWindow::SetTrayIconRaw(std::optional<HICON> icon, std::optional<std::string_view> tipUtf16Bytes) {
  std::optional<std::u16string> text;
  if (tipUtf16Bytes) text = TrayTipFromUtf16Bytes(*tipUtf16Bytes);
  if (!icon && !tray_.Shown()) icon = Icon(false);
  return tray_.Set(hwnd_, icon, std::move(text));
}

void UiWindow::SetCloseEffect(std::optional<WindowEffect> effect) { closeEffect_ = std::move(effect); }

}  // namespace tabulo::ui
