#include "ui/controls/scroll_bar.h"

#include <windowsx.h>

#include <cstdint>

#include "ui/accessibility/spoken_language.h"
#include "ui/control/control_host.h"
#include "ui/skin/resource_package.h"
#include "ui/skin/skin_draw.h"

namespace tabulo::ui {
namespace {

Point PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

SizeF PictureSize(const ResourcePackage& package, const std::string& name) {
  const auto picture = package.Picture(kScrollBarElement, name);
  return picture ? SizeF{picture->area.width, picture->area.height} : SizeF{};
}

}  // namespace

// The logic's window on the control: drawing, fading, the repeat timer and
// the event.
class ScrollBar::View : public ScrollBarView {
 public:
  explicit View(ScrollBar& bar) : bar_(bar) {}
  [[nodiscard]] bool IsVisible() const override { return bar_.Visible(); }
  void SetVisible(bool visible) override { bar_.UiControl::SetVisible(visible); }
  void DrawPieces(const std::vector<ScrollBarPiece>& pieces) override { bar_.DrawPieces(pieces); }
  void SetFadeFrames(int frames) override { bar_.SetTransitionFrameCount(frames); }
  void StartRepeatTimer(int intervalMs) override { bar_.SetTimer(static_cast<UINT>(intervalMs)); }
  void StopRepeatTimer() override { bar_.KillTimer(); }
  void Scrolled(int position, ScrollCode code) override { bar_.RaiseScrolled(position, code); }
  void Invalidate() override { bar_.Repaint(); }

 private:
  ScrollBar& bar_;
};

ScrollBar::ScrollBar() : view_(std::make_unique<View>(*this)) {}

ScrollBar::~ScrollBar() {
  // The base destructor still sends WM_DESTROY; nothing of ours may run then.
  logic_.reset();
}

bool ScrollBar::Create(ControlParent parent, const Rect& rect, const ScrollBarOptions& options) {
  if (IsCreated()) return false;
  settings_ = options.settings;
  ControlOptions base;
  base.classNumber = kScrollBarClassNumber;
  base.name = options.name;
  base.visible = options.visible;
  base.mayTakeFocus = true;
  base.mouseTrack = true;
  base.tabStop = false;
  base.tabStopIndex = 0;
  base.drawTabStop = false;
  base.transitionIntervalMs = kScrollFadeIntervalMs;
  base.transitionFrameCount = kScrollFadeFrames;
  if (UiControl::Create(parent, rect, base)) return true;
  logic_.reset();
  return false;
}

ScrollBarSkinMetrics ScrollBar::ReadMetrics() const {
  const ResourcePackage* package = Host() ? Host()->Package() : nullptr;
  if (!package) return {};
  const std::string prefix = settings_.horizontal ? "h_" : "v_";
  ScrollBarSkinMetrics metrics;
  metrics.firstArrow = PictureSize(*package, prefix + (settings_.horizontal ? "left_normal" : "up_normal"));
  metrics.secondArrow = PictureSize(*package, prefix + (settings_.horizontal ? "right_normal" : "down_normal"));
  if (const auto grid = package->Picture(kScrollBarElement, prefix + "gird")) metrics.thumbGrid = grid->area;
  return metrics;
}

LRESULT ScrollBar::ClassHandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    logic_.emplace(*view_, settings_, Size{Width(), Height()}, ReadMetrics());
    return 0;
  }
  if (!logic_) return UiControl::ClassHandleMessage(message, wParam, lParam);
  switch (message) {
    case WM_SIZE:
      logic_->Layout({LOWORD(lParam), HIWORD(lParam)}, ReadMetrics());
      return 0;
    case kMsgSkinChanged:
      logic_->Layout({Width(), Height()}, ReadMetrics());
      logic_->OnPaintMessage();
      return 0;
    case WM_PAINT:
    case kMsgRepaint:
      logic_->OnPaintMessage();
      return 0;
    case WM_MOUSEMOVE:
      logic_->OnMouseMove(PointOf(lParam), wParam != 0);
      return 0;
    case WM_LBUTTONDOWN:
      logic_->OnButtonDown(PointOf(lParam));
      return 0;
    case WM_LBUTTONUP:
      logic_->OnButtonUp();
      return 0;
    case WM_TIMER:
      logic_->OnRepeatTimer();
      return 0;
    case WM_MOUSEWHEEL:
      // wParam read as a signed number: below 1 when the wheel turned
      // towards the user (a negative delta in the high word).
      logic_->OnWheel(static_cast<std::int32_t>(wParam) < 1, CursorInBar());
      return 0;
    case kMsgMouseLeft:
      logic_->OnMouseLeave();
      return 0;
    case kMsgTransitionFinished:
      logic_->OnTransitionFinished();
      return 0;
    default:
      return UiControl::ClassHandleMessage(message, wParam, lParam);
  }
}

Point ScrollBar::CursorInBar() const {
  if (!Host()) return {};
  const Point cursor = CursorInClientUnits(*Host());
  const Rect abs = AbsoluteRect();
  return {cursor.x - abs.x, cursor.y - abs.y};
}

void ScrollBar::DrawPieces(const std::vector<ScrollBarPiece>& pieces) {
  Gdiplus::Graphics* graphics = BeginPaint();
  if (!graphics) return;
  const ResourcePackage* package = Host() ? Host()->Package() : nullptr;
  for (const ScrollBarPiece& piece : pieces) {
    if (piece.centred) {
      (void)DrawSkinPicture(package, *graphics, kScrollBarElement, piece.picture, piece.rect, "gird",
                            FillType::kCentre);
    } else {
      (void)DrawSkinPicture(package, *graphics, kScrollBarElement, piece.picture, piece.rect, piece.gridKey);
    }
  }
  EndPaint();
}

void ScrollBar::RaiseScrolled(int position, ScrollCode code) {
  if (quiet_) return;
  EventArgs args;
  args.message = kScrollEvent;
  args.wParam = static_cast<std::uintptr_t>(code);
  args.lParam = position;
  DeliverEvent(args);
}

// A bar hidden while there was nothing to scroll comes back once there is:
// a hidden control is never painted, so the paint that would show it again
// cannot run.
void ScrollBar::Repaint() {
  if (!Visible() && logic_ && (logic_->style() & kScrollAutoHide) && logic_->Scrollable()) {
    UiControl::SetVisible(true);
    return;
  }
  Invalidate();
}

bool ScrollBar::BindScrolled(ScrolledHandler handler) {
  if (!handler) return Bind(kScrollEvent, {});
  return Bind(kScrollEvent, [this, handler = std::move(handler)](const EventArgs& e) {
    handler(*this, static_cast<int>(e.lParam), static_cast<ScrollCode>(e.wParam));
    return true;
  });
}

void ScrollBar::Change(bool notify, const std::function<void(ScrollBarLogic&)>& change) {
  if (!logic_) return;
  const bool wasQuiet = quiet_;
  quiet_ = wasQuiet || !notify;
  change(*logic_);
  quiet_ = wasQuiet;
}

int ScrollBar::Position() const { return logic_ ? logic_->position() : settings_.minimum; }

AccessibleInfo ScrollBar::Accessible() const {
  AccessibleInfo info = UiControl::Accessible();
  // The system names its own scroll bars by their direction.
  if (info.name.empty()) info.name = SpeaksChinese() ? (Horizontal() ? "水平" : "垂直") : (Horizontal() ? "Horizontal" : "Vertical");
  info.value = std::to_string(Position());
  return info;
}
int ScrollBar::Minimum() const { return logic_ ? logic_->minimum() : settings_.minimum; }
int ScrollBar::Maximum() const { return logic_ ? logic_->maximum() : settings_.maximum; }
int ScrollBar::PageSize() const { return logic_ ? logic_->pageSize() : settings_.pageSize; }
int ScrollBar::PageStep() const { return logic_ ? logic_->pageStep() : settings_.pageStep; }
int ScrollBar::LineStep() const { return logic_ ? logic_->lineStep() : settings_.lineStep; }
bool ScrollBar::NotifyWhileDragging() const {
  return logic_ ? logic_->notifyWhileDragging() : settings_.notifyWhileDragging;
}
int ScrollBar::Parts() const { return logic_ ? logic_->parts() : settings_.parts; }
int ScrollBar::Style() const { return logic_ ? logic_->style() : settings_.style; }
int ScrollBar::Range() const { return logic_ ? logic_->Range() : 0; }

void ScrollBar::SetPosition(int value, bool redraw, bool notify) {
  Change(notify, [&](ScrollBarLogic& l) { l.SetPosition(value, redraw); });
}
void ScrollBar::SetMinimum(int value, bool redraw, bool notify) {
  Change(notify, [&](ScrollBarLogic& l) { l.SetMinimum(value, redraw); });
}
void ScrollBar::SetMaximum(int value, bool redraw, bool notify) {
  Change(notify, [&](ScrollBarLogic& l) { l.SetMaximum(value, redraw); });
}
void ScrollBar::SetPageSize(int value, bool redraw, bool notify) {
  Change(notify, [&](ScrollBarLogic& l) { l.SetPageSize(value, redraw); });
}
void ScrollBar::SetPageStep(int value) {
  if (logic_) logic_->SetPageStep(value);
}
void ScrollBar::SetLineStep(int value) {
  if (logic_) logic_->SetLineStep(value);
}
void ScrollBar::SetNotifyWhileDragging(bool value) {
  if (logic_) logic_->SetNotifyWhileDragging(value);
}
void ScrollBar::SetParts(int value) {
  if (logic_) logic_->SetParts(value);
}
void ScrollBar::SetStyle(int value) {
  if (logic_) logic_->SetStyle(value);
}

}  // namespace tabulo::ui
