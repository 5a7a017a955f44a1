// UiControl: life, tree, focus, visibility, geometry and the common message
// handling. Painting and state transitions are in ui_control_paint.cpp.
#include "ui/control/ui_control.h"

#include <commctrl.h>

#include "base/win/wide_text.h"
#include "ui/control/accessible_events.h"
#include "ui/control/control_host.h"
#include "ui/control/control_order.h"
#include "ui/control/key_state.h"
#include "ui/engine/control_classes.h"
#include "ui/engine/engine_state.h"
#include "ui/engine/fonts.h"

namespace tabulo::ui {
namespace {


bool IsMouseEvent(UINT message) {
  return (message >= WM_MOUSEMOVE && message <= WM_RBUTTONUP) || message == kMsgClicked;
}

}  // namespace

ControlParent::ControlParent(ControlHost& host) : window(host.WindowHandle()) {}

UiControl::UiControl() = default;

UiControl::~UiControl() {
  if (created_) {
    // The derived part is gone already: no application event, no class hook
    // beyond the base.
    ClearHandlers();
    HandleMessage(WM_DESTROY, 0, 0);
  }
}

HWND UiControl::HostWindowHandle() const { return host_ ? host_->WindowHandle() : nullptr; }

// --- life --------------------------------------------------------------------

bool UiControl::Create(ControlParent parent, const Rect& rect, const ControlOptions& options) {
  if (created_) return false;
  ControlHost* host = nullptr;
  UiControl* parentControl = parent.control;
  if (parentControl) {
    if (!parentControl->created_ || !parentControl->alive_ || !parentControl->host_ ||
        !IsWindow(parentControl->HostWindowHandle())) {
      return false;
    }
    host = parentControl->host_;
  } else {
    host = ControlHost::OfWindow(parent.window);
  }
  if (!host || !host->IsBound()) return false;

  classNumber_ = options.classNumber;
  name_ = UpperCased(options.name);
  rect_ = Rect{rect.x, rect.y, std::max(rect.width, 0), std::max(rect.height, 0)};
  cursor_ = options.cursor;
  downCursor_ = options.downCursor ? options.downCursor : options.cursor;
  stateFlags_ = (options.visible ? 0 : kStateHidden) | (options.mayTakeFocus ? kStateMayTakeFocus : 0);
  mouseTrack_ = options.mouseTrack;
  tabStop_ = options.tabStop;
  tabStopIndex_ = options.tabStopIndex;
  drawTabStop_ = options.drawTabStop;
  transitionIntervalMs_ = options.transitionIntervalMs;
  transitionFrameCount_ = options.transitionFrameCount;
  transitionCurve_ = options.transitionCurve;
  alpha_ = 255;
  anchors_ = {};
  transitionFrame_ = 0;
  transitionFactor_ = 0;

  Attach(*host, parentControl, Engine().defaultTextRenderingHint);
  created_ = true;
  alive_ = true;
  HandleMessage(WM_CREATE, 0, 0);  // lets a class set itself up before the first paint
  Invalidate();
  return true;
}

void UiControl::Attach(ControlHost& host, UiControl* parent, Gdiplus::TextRenderingHint hint) {
  host_ = &host;
  parent_ = parent;
  if (parent) parent->children_.push_back(this);
  host.AddControl(*this, parent == nullptr);
  if (!tooltipText_.empty()) (void)host.Tooltip();
  if (classNumber_ == kPageClassNumber) {
    (void)canvas_.Create(1, 1, hint);
    return;
  }
  const Rect pixels = PixelRect();
  (void)canvas_.Create(pixels.width, pixels.height, hint, Mapping());
}

void UiControl::Destroy() {
  if (created_) HandleMessage(WM_DESTROY, 0, 0);
}

void UiControl::OnDestroy() {
  alive_ = false;
  stateFlags_ |= kStateHidden;
  RecomposeArea();
  DeliverApplicationEvent(WM_DESTROY, 0, 0);
  ClassHandleMessage(WM_DESTROY, 0, 0);
  ClearHandlers();
  // Children leave before their parent leaves the tree.
  const std::vector<UiControl*> children = children_;
  for (UiControl* child : children) {
    if (child->created_) child->HandleMessage(WM_DESTROY, 0, 0);
  }
  if (stateFlags_ & kStateTransition) StopTransition(false);
  if (HWND window = HostWindowHandle()) ::KillTimer(window, reinterpret_cast<UINT_PTR>(this));
  Unlink();
  created_ = false;
  canvas_.Release();
  previousPicture_.Release();
  transitionScratch_.Release();
  timerCallback_ = nullptr;
}

void UiControl::Unlink() {
  lifeToken_.reset();
  if (parent_) std::erase(parent_->children_, this);
  for (UiControl* child : children_) child->parent_ = nullptr;
  children_.clear();
  if (host_) host_->RemoveControl(*this);
  host_ = nullptr;
  parent_ = nullptr;
}

// --- accessibility -----------------------------------------------------------

AccessibleInfo UiControl::Accessible() const {
  AccessibleInfo info;
  info.role = RoleOfClass(classNumber_);
  info.clickable = IsClickableRole(info.role);
  info.name = info.clickable ? WithoutAccessKeyMarks(text_) : text_;
  if (!accessibleName_.empty()) info.name = accessibleName_;
  if (info.name.empty()) info.name = tooltipText_;
  return info;
}

std::weak_ptr<UiControl* const> UiControl::LifeToken() {
  if (!created_ || !alive_) return {};
  if (!lifeToken_) lifeToken_ = std::make_shared<UiControl* const>(this);
  return lifeToken_;
}

// --- messages ----------------------------------------------------------------

LRESULT UiControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    if (!created_ || destroying_) return 0;
    destroying_ = true;
    (void)PreHandleMessage(message, wParam, lParam);
    OnDestroy();
    destroying_ = false;
    return 0;
  }
  if (!alive_ || !created_) return 0;  // a destroyed control ignores its messages
  // Application handlers run inside (the control's own events, and those of
  // others it calls on the way); one may destroy this control or delete the
  // object. Once the life token has expired nothing here touches it again.
  const std::weak_ptr<UiControl* const> life = LifeToken();
  if (const LRESULT pre = PreHandleMessage(message, wParam, lParam); pre != 0 || life.expired()) return pre;
  bool done = false;
  const LRESULT builtIn = BuiltInHandling(message, wParam, lParam, life, done);
  if (done || life.expired()) return builtIn;
  if (DeliverApplicationEvent(message, wParam, lParam)) return 1;
  if (life.expired()) return 0;
  return ClassHandleMessage(message, wParam, lParam);
}

LRESULT UiControl::PreHandleMessage(UINT, WPARAM, LPARAM) { return 0; }

LRESULT UiControl::ClassHandleMessage(UINT, WPARAM, LPARAM) { return 0; }

bool UiControl::DeliverApplicationEvent(UINT message, WPARAM wParam, LPARAM lParam) {
  EventArgs args;
  args.message = message;
  args.wParam = wParam;
  args.lParam = lParam;
  if (IsMouseEvent(message)) {
    args.x = static_cast<short>(LOWORD(lParam));
    args.y = static_cast<short>(HIWORD(lParam));
    args.keyState = KeyStateNow();
  } else if (message == WM_KEYDOWN || message == WM_KEYUP) {
    args.key = static_cast<std::uint32_t>(wParam);
    args.keyState = KeyStateNow();
  } else if (message == WM_CHAR) {
    args.key = static_cast<std::uint32_t>(wParam);
  }
  return DeliverEvent(args);
}

LRESULT UiControl::BuiltInHandling(UINT message, WPARAM wParam, LPARAM lParam,
                                   const std::weak_ptr<UiControl* const>& life, bool& done) {
  switch (message) {
    case WM_LBUTTONDOWN:
      stateFlags_ |= kStatePressed;
      if (ClassHandleMessage(WM_SETCURSOR, 0, 0) == 0) ::SetCursor(DownCursor());
      break;
    case WM_LBUTTONUP:
      stateFlags_ &= ~kStatePressed;
      ::SetCursor(Cursor());
      break;
    case kMsgMouseEntered:
      OnEntered();
      break;
    case kMsgMouseLeft:
      OnLeft();
      break;
    case WM_SETFOCUS:
      if (!MayTakeFocus() || (host_ && host_->FocusedControl() == this)) {
        done = true;
        return 0;
      }
      GiveFocus(wParam, life);
      break;
    case WM_KILLFOCUS:
      TakeFocus();
      break;
    case WM_SHOWWINDOW:
      stateFlags_ &= ~kStateHidden;
      Invalidate();
      RecomposeArea();
      break;
    case kMsgHidden:
      stateFlags_ |= kStateHidden;
      RecomposeArea();
      break;
    case kMsgEnableChanged: {
      done = true;
      const bool disable = lParam != 0;
      if (disable && HasFocus()) HandleMessage(WM_KILLFOCUS, 0, 0);
      if (life.expired()) return 0;
      stateFlags_ = disable ? (stateFlags_ | kStateDisabled) : (stateFlags_ & ~kStateDisabled);
      if (DeliverApplicationEvent(message, wParam, lParam)) return 1;
      if (life.expired()) return 0;
      const LRESULT result = ClassHandleMessage(message, wParam, lParam);
      if (!life.expired()) Invalidate();
      return result;
    }
    case kMsgRedrawNow:
      Invalidate();
      break;
    case WM_PAINT:
      if (!Visible() || rect_.width == 0 || rect_.height == 0 || !created_) {
        done = true;
        return 0;
      }
      break;
    case kMsgLayoutAnchors:
    case kMsgMovedByAnchors:
      ApplyParentResize();
      break;
    case kMsgScaleChanged:
      ResizeCanvas();
      break;
    default:
      break;
  }
  return 0;
}

LRESULT UiControl::SendToControl(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = HostWindowHandle();
  if (!hwnd || !IsWindow(hwnd)) return 0;
  return host_->SendToControl(*this, message, wParam, lParam);
}

bool UiControl::PostToControl(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = HostWindowHandle();
  if (!hwnd || !IsWindow(hwnd)) return false;
  return host_->PostToControl(*this, message, wParam, lParam);
}

// --- tree ----------------------------------------------------------------------

bool UiControl::SetParent(UiControl* parent) {
  if (!created_ || !host_) return false;
  if (parent && (!parent->created_ || parent->host_ != host_)) parent = nullptr;
  for (const UiControl* p = parent; p; p = p->parent_) {
    if (p == this) return false;  // a control cannot move into its own subtree
  }
  if (parent == parent_) return true;
  RecomposeArea();
  if (parent_) {
    std::erase(parent_->children_, this);
  } else {
    host_->SetTopLevel(*this, false);
  }
  parent_ = parent;
  if (parent_) {
    parent_->children_.push_back(this);
  } else {
    host_->SetTopLevel(*this, true);
  }
  RecomposeArea();
  return true;
}

void UiControl::SetZOrder(ZOrder order) {
  if (!created_ || !host_) return;
  const bool moved = parent_ ? MoveInZOrder(parent_->children_, this, order) : host_->MoveInZOrder(*this, order);
  if (moved) RecomposeArea();
}

// --- focus ---------------------------------------------------------------------

void UiControl::SetFocus() {
  HandleMessage(WM_SETFOCUS, 0, reinterpret_cast<LPARAM>(host_ ? host_->FocusedControl() : nullptr));
}

void UiControl::KillFocus() { HandleMessage(WM_KILLFOCUS, 0, 0); }

void UiControl::SetMayTakeFocus(bool may) {
  stateFlags_ = may ? (stateFlags_ | kStateMayTakeFocus) : (stateFlags_ & ~kStateMayTakeFocus);
}

void UiControl::SetTabStopIndex(int index) {
  tabStopIndex_ = index;
  if (host_) host_->TabOrderChanged(*this);
}

void UiControl::GiveFocus(WPARAM how, const std::weak_ptr<UiControl* const>& life) {
  ControlHost& host = *host_;
  stateFlags_ |= kStateFocused;
  UiControl* old = host.MoveFocusTo(*this, how == 1 && drawTabStop_);
  if (old && old != this && host.OwnsControl(old)) old->HandleMessage(WM_KILLFOCUS, 0, reinterpret_cast<LPARAM>(this));
  // The old control's handlers may have destroyed this one or its window.
  if (!life.expired() && host_ && host_->FocusedControl() == this) AnnounceFocus(*this);
}

void UiControl::TakeFocus() {
  stateFlags_ &= ~kStateFocused;
  if (host_ && host_->FocusLeft(*this)) HandleMessage(kMsgMouseLeft, 0, 0);
}

void UiControl::OnEntered() {
  stateFlags_ |= kStateHot;
  ::SetCursor(Cursor());
  if (!tooltipText_.empty()) ShowTooltipNow(tooltipText_);
}

void UiControl::OnLeft() {
  stateFlags_ &= ~kStateHot;
  ::SetCursor(Engine().defaultCursor);
  if (HWND tip = TooltipWindow()) {
    SendMessageW(tip, TTM_POP, 0, 0);
    SendMessageW(tip, TTM_ACTIVATE, FALSE, 0);
  }
}

// --- state and geometry ------------------------------------------------------

void UiControl::SetVisible(bool visible) {
  if (visible == Visible()) return;
  HandleMessage(visible ? WM_SHOWWINDOW : kMsgHidden, visible ? TRUE : FALSE, 0);
}

void UiControl::SetDisabled(bool disabled) {
  if (disabled == Disabled()) return;
  HandleMessage(kMsgEnableChanged, 0, disabled ? 1 : 0);
}

void UiControl::SetName(std::string_view name) { name_ = UpperCased(name); }

void UiControl::Move(std::optional<int> left, std::optional<int> top, std::optional<int> width,
                     std::optional<int> height) {
  const Rect old = rect_;
  rect_.x = left.value_or(rect_.x);
  rect_.y = top.value_or(rect_.y);
  rect_.width = std::max(width.value_or(rect_.width), 0);
  rect_.height = std::max(height.value_or(rect_.height), 0);
  if (rect_ == old || !created_) return;
  const bool resized = rect_.width != old.width || rect_.height != old.height;
  if (host_) {
    // The old place shows what lies beneath it again.
    const Point origin = parent_ ? Point{parent_->AbsoluteRect().x, parent_->AbsoluteRect().y} : Point{};
    const Size client = host_->ClientSize();
    host_->Recompose(old.offset(origin.x, origin.y).intersect(Rect{0, 0, client.width, client.height}));
  }
  if (resized) {
    ResizeCanvas();
    HandleMessage(WM_SIZE, 0, MAKELPARAM(rect_.width, rect_.height));
    const std::vector<UiControl*> children = children_;
    for (UiControl* child : children) child->HandleMessage(kMsgLayoutAnchors, 0, 0);
  } else if (CanvasOutOfPlace()) {
    ResizeCanvas();
  }
  if (host_ && !host_->Scale().IsIdentity()) RemakeMovedChildCanvases();
  Invalidate();
  RecomposeArea();
}

void UiControl::ResizeCanvas() {
  if (classNumber_ == kPageClassNumber) return;
  const Rect pixels = PixelRect();
  (void)canvas_.Create(pixels.width, pixels.height, TextRenderingHint(), Mapping());
}

Rect UiControl::PixelRect() const {
  const Rect abs = AbsoluteRect();
  return host_ ? host_->Scale().ToPixels(abs) : abs;
}

// Local unit 0 lands where the window's own units put it: at abs * f in
// window pixels, which is abs * f - P in a canvas starting at pixel P.
CanvasMapping UiControl::Mapping() const {
  if (!host_ || host_->Scale().IsIdentity()) return {};
  const DpiScale scale = host_->Scale();
  const Rect abs = AbsoluteRect();
  const Rect pixels = scale.ToPixels(abs);
  const float f = scale.Factor();
  return {scale, Gdiplus::PointF(static_cast<float>(abs.x) * f - static_cast<float>(pixels.x),
                                 static_cast<float>(abs.y) * f - static_cast<float>(pixels.y))};
}

bool UiControl::CanvasOutOfPlace() const {
  if (classNumber_ == kPageClassNumber || !host_ || host_->Scale().IsIdentity()) return false;
  const CanvasMapping now = Mapping();
  const CanvasMapping& made = canvas_.mapping();
  const Rect pixels = PixelRect();
  return canvas_.size() != Size{pixels.width, pixels.height} || made.offset.X != now.offset.X ||
         made.offset.Y != now.offset.Y;
}

// The children moved with their parent: their pictures are drawn again on
// canvases that fit their new pixel edges.
void UiControl::RemakeMovedChildCanvases() {
  const std::vector<UiControl*> children = children_;
  for (UiControl* child : children) {
    if (child->CanvasOutOfPlace()) {
      child->ResizeCanvas();
      child->Invalidate();
    }
    child->RemakeMovedChildCanvases();
  }
}

std::uint32_t UiControl::CanvasPixelAt(Point local) const {
  const Rect pixel = CanvasPixels(Rect{local.x, local.y, 1, 1});
  canvas_.Flush();
  return canvas_.Pixel(pixel.x, pixel.y);
}

RectF UiControl::Rectangle() const {
  return {static_cast<float>(rect_.x), static_cast<float>(rect_.y), static_cast<float>(rect_.width),
          static_cast<float>(rect_.height)};
}

void UiControl::SetRectangle(const RectF& r) {
  Move(static_cast<int>(r.x), static_cast<int>(r.y), static_cast<int>(r.width), static_cast<int>(r.height));
}

Rect UiControl::AbsoluteRect() const {
  Rect r = rect_;
  for (const UiControl* p = parent_; p; p = p->parent_) r = r.offset(p->rect_.x, p->rect_.y);
  return r;
}

DpiScale UiControl::Scale() const { return host_ ? host_->Scale() : DpiScale(); }

Rect UiControl::CanvasPixels(const Rect& local) const {
  if (!host_) return local;
  const DpiScale scale = Scale();
  const Rect abs = AbsoluteRect();
  const Rect origin = scale.ToPixels(abs);
  return scale.ToPixels(local.offset(abs.x, abs.y)).offset(-origin.x, -origin.y);
}

Size UiControl::ParentSize() const {
  if (parent_) return {parent_->rect_.width, parent_->rect_.height};
  return host_ ? host_->ClientSize() : Size{};
}

void UiControl::SetAnchors(const AnchorRequest& request) {
  anchors_ = ui::SetAnchors(anchors_, request, rect_, ParentSize());
}

void UiControl::ApplyParentResize() {
  if (anchors_.bits == 0) return;
  const Rect r = ApplyAnchors(anchors_, rect_, ParentSize());
  Move(r.x, r.y, r.width, r.height);
}

void UiControl::SetTransitionFrameCount(int frames, std::optional<int> intervalMs) {
  transitionFrameCount_ = frames;
  if (intervalMs) transitionIntervalMs_ = *intervalMs;
}

// --- appearance ----------------------------------------------------------------

void UiControl::SetAlpha(int alpha, bool redraw) {
  alpha_ = std::clamp(alpha, 0, 255);
  if (redraw) RecomposeArea();
}

HCURSOR UiControl::Cursor() const { return cursor_ ? cursor_ : Engine().defaultCursor; }

HCURSOR UiControl::DownCursor() const { return downCursor_ ? downCursor_ : Engine().hotCursor; }

const Gdiplus::Font* UiControl::Font() const { return font_ ? font_.get() : Engine().defaultFont.get(); }

void UiControl::SetFont(GdiplusPtr<Gdiplus::Font> font) {
  font_ = std::move(font);
  // Classes that hand the font on (the Edit to its text engine) hear of it.
  if (created_) HandleMessage(WM_SETFONT, 0, 0);
  Invalidate();
}

std::string UiControl::FontFace() const {
  const Gdiplus::Font* font = Font();
  return font ? FontFamilyName(*font) : std::string();
}

float UiControl::FontSize() const {
  const Gdiplus::Font* font = Font();
  return font ? ui::FontSize(*font) : 12.0f;
}

int UiControl::FontStyle() const {
  const Gdiplus::Font* font = Font();
  return font ? ui::FontStyle(*font) : 0;
}

void UiControl::SetFontFace(std::string_view face) {
  auto font = CreateFontFromName(face, FontSize(), FontStyle());
  if (!font) {
    const Gdiplus::Font* fallback = Engine().defaultFont.get();
    if (fallback) font = CreateFontFromName(FontFamilyName(*fallback), FontSize(), FontStyle());
  }
  if (font) SetFont(std::move(font));
}

void UiControl::SetFontSize(float size) {
  if (auto font = CreateFontFromName(FontFace(), size, FontStyle())) SetFont(std::move(font));
}

void UiControl::SetFontStyle(int style) {
  if (auto font = CreateFontFromName(FontFace(), FontSize(), style)) SetFont(std::move(font));
}

Gdiplus::TextRenderingHint UiControl::TextRenderingHint() const {
  return canvas_.graphics() ? canvas_.graphics()->GetTextRenderingHint() : Engine().defaultTextRenderingHint;
}

void UiControl::SetTextRenderingHint(Gdiplus::TextRenderingHint hint) {
  if (canvas_.graphics()) canvas_.graphics()->SetTextRenderingHint(hint);
}

// --- tooltips, timers, service -------------------------------------------------

HWND UiControl::TooltipWindow() const { return host_ ? host_->TooltipWindow() : nullptr; }

void UiControl::SetTooltipText(std::string_view text) {
  tooltipText_ = text;
  if (host_ && !tooltipText_.empty()) (void)host_->Tooltip();
}

void UiControl::ShowTooltipNow(std::string_view title, std::string_view text) {
  HWND tip = host_ ? host_->Tooltip() : nullptr;
  if (!tip) return;
  HWND window = host_->WindowHandle();
  std::wstring wideText = Wide(text);
  const std::wstring wideTitle = Wide(title);
  TOOLINFOW info{};
  info.cbSize = sizeof info;
  info.hwnd = window;
  info.uId = reinterpret_cast<UINT_PTR>(window);
  info.lpszText = wideText.data();
  SendMessageW(tip, TTM_SETTITLEW, TTI_NONE, reinterpret_cast<LPARAM>(wideTitle.c_str()));
  SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
  SendMessageW(tip, TTM_ACTIVATE, TRUE, 0);
}

bool UiControl::SetTimer(UINT milliseconds, std::function<void()> callback) {
  HWND hwnd = HostWindowHandle();
  if (!hwnd || !created_) return false;
  ::KillTimer(hwnd, reinterpret_cast<UINT_PTR>(this));
  timerCallback_ = std::move(callback);
  return ::SetTimer(hwnd, reinterpret_cast<UINT_PTR>(this), milliseconds, nullptr) != 0;
}

void UiControl::TimerFired() {
  if (timerCallback_) {
    const std::function<void()> callback = timerCallback_;  // may rearm or kill itself
    callback();
  } else {
    HandleMessage(WM_TIMER, reinterpret_cast<WPARAM>(this), 0);
  }
}

void UiControl::KillTimer(std::optional<UINT> newPeriod) {
  HWND hwnd = HostWindowHandle();
  if (!hwnd) return;
  ::KillTimer(hwnd, reinterpret_cast<UINT_PTR>(this));
  if (newPeriod) ::SetTimer(hwnd, reinterpret_cast<UINT_PTR>(this), *newPeriod, nullptr);
}

void UiControl::RegisterWithService() {
  if (ServiceModule* service = Engine().service.get()) service->Register(this, kRegisterControl);
}

void UiControl::UnregisterFromService() {
  if (ServiceModule* service = Engine().service.get()) service->Unregister(this, kRegisterControl);
}

void UiControl::SetHostMode(bool on) {
  if (HWND hwnd = HostWindowHandle()) SendMessageW(hwnd, kMsgHostMode, 0, on ? 1 : 0);
}

}  // namespace tabulo::ui
