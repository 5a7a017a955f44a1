// UiControl: repainting, committing a drawing to the window, and the state
// transition that cross-fades a control from its previous picture to the
// new one over a few timer ticks.
#include "base/animation/easing.h"
#include "ui/control/control_host.h"
#include "ui/control/dirty_rect.h"
#include "ui/control/ui_control.h"

namespace tabulo::ui {
namespace {

RectF WholeRect(const Rect& r) { return {0, 0, static_cast<float>(r.width), static_cast<float>(r.height)}; }

UINT_PTR TransitionTimerId(const UiControl* control) { return reinterpret_cast<UINT_PTR>(control) + 1; }

}  // namespace

void UiControl::PaintNow() { HandleMessage(WM_PAINT, 0, 0); }

void UiControl::Invalidate() {
  dirtyRect_ = WholeRect(rect_);
  PaintNow();
}

void UiControl::InvalidateRect(const RectF& rect) {
  dirtyRect_ = rect;
  PaintNow();
}

void UiControl::Update() { HandleMessage(kMsgRedrawNow, 0, 0); }

void UiControl::RecomposeArea() {
  if (!host_) return;
  const Size client = host_->ClientSize();
  const Rect area = AbsoluteRect().intersect(Rect{0, 0, client.width, client.height});
  if (!area.empty()) host_->Recompose(area);
}

void UiControl::ComposeDirtyArea() {
  const Rect abs = AbsoluteRect();
  if (const auto area = DirtyWindowRect(dirtyRect_, Point{abs.x, abs.y}, host_->ClientSize())) host_->Recompose(*area);
}

Gdiplus::Graphics* UiControl::BeginPaint(bool clear) {
  if (!created_ || !canvas_.valid()) return nullptr;
  if (stateFlags_ & kStateTransition) StopTransition(true);
  if (transitionIntervalMs_ != 0 && transitionFrameCount_ != 0) {
    // Keep the picture the transition will fade from.
    if (previousPicture_.size() != canvas_.size()) {
      (void)previousPicture_.Create(canvas_.width(), canvas_.height(), Gdiplus::TextRenderingHintSystemDefault);
    }
    if (previousPicture_.valid()) {
      canvas_.Flush();
      BitBlt(previousPicture_.dc(), 0, 0, canvas_.width(), canvas_.height(), canvas_.dc(), 0, 0, SRCCOPY);
    }
  }
  const Rect area = CanvasPixels(CoveringPixels(dirtyRect_).intersect(LocalRect()));
  if (clear) canvas_.ClearRect(area, 0);
  Gdiplus::Graphics* graphics = canvas_.graphics();
  const Gdiplus::Rect clip(area.x, area.y, area.width, area.height);
  if (canvas_.scale().IsIdentity()) {
    graphics->SetClip(clip, Gdiplus::CombineModeReplace);
  } else {
    const DeviceSpace pixels(*graphics);  // the clip is pixels; drawing goes on in units
    graphics->SetClip(clip, Gdiplus::CombineModeReplace);
  }
  painting_ = true;
  return graphics;
}

void UiControl::EndPaint() {
  if (!painting_) return;
  painting_ = false;
  if (Gdiplus::Graphics* graphics = canvas_.graphics()) graphics->ResetClip();
  canvas_.Flush();
  if (!host_) return;
  if (Visible() && transitionIntervalMs_ != 0 && transitionFrameCount_ != 0 && previousPicture_.valid()) {
    StartTransition();
    return;
  }
  ComposeDirtyArea();
  dirtyRect_ = WholeRect(rect_);
}

void UiControl::StartTransition() {
  transitionFrame_ = 0;
  transitionFactor_ = 0;
  stateFlags_ |= kStateTransition;
  HandleMessage(kMsgTransitionStarted, 0, 0);
  if (!host_ || !(stateFlags_ & kStateTransition)) return;
  if (!::SetTimer(host_->WindowHandle(), TransitionTimerId(this), static_cast<UINT>(transitionIntervalMs_), nullptr)) {
    StopTransition(true);  // no timer: show the new picture at once
  }
}

void UiControl::StopTransition(bool recompose) {
  if (HWND window = HostWindowHandle()) ::KillTimer(window, TransitionTimerId(this));
  stateFlags_ &= ~kStateTransition;
  transitionFrame_ = 0;
  if (recompose && host_) ComposeDirtyArea();
}

void UiControl::TransitionStep() {
  if (!(stateFlags_ & kStateTransition) || transitionFrameCount_ <= 0) {
    StopTransition(true);
    return;
  }
  ++transitionFrame_;
  const double t = static_cast<double>(transitionFrame_) / transitionFrameCount_;
  transitionFactor_ = Easing(transitionCurve_, 0, 1, t).value_or(1.0);
  ComposeDirtyArea();
  if (transitionFrame_ < transitionFrameCount_) return;
  ::KillTimer(host_->WindowHandle(), TransitionTimerId(this));
  previousPicture_.Release();
  transitionFrame_ = 0;
  stateFlags_ &= ~kStateTransition;
  dirtyRect_ = WholeRect(rect_);
  HandleMessage(kMsgTransitionFinished, 0, 0);
}

bool UiControl::ShowsTransitionFrame() const {
  return (stateFlags_ & kStateTransition) && transitionFrame_ != transitionFrameCount_ && previousPicture_.valid();
}

void UiControl::DrawTransitionFrame(Canvas& window, const Rect& abs, const Rect& hit) {
  Canvas& scratch = transitionScratch_;
  if (scratch.size() != canvas_.size()) {
    (void)scratch.Create(canvas_.width(), canvas_.height(), Gdiplus::TextRenderingHintSystemDefault);
  }
  if (!scratch.valid()) return;
  TransitionFrame frame{&window, &previousPicture_, &scratch, abs, transitionFactor_, alpha_};
  if (HandleMessage(kMsgTransitionFrame, 0, reinterpret_cast<LPARAM>(&frame)) != 0) return;
  // Cross-fade over what lies beneath: the old picture fading out, the new
  // one fading in, then the result copied in place.
  const Point from{hit.x - abs.x, hit.y - abs.y};
  const Rect inScratch{from.x, from.y, hit.width, hit.height};
  BitBlt(scratch.dc(), inScratch.x, inScratch.y, hit.width, hit.height, window.dc(), hit.x, hit.y, SRCCOPY);
  const double factor = std::clamp(transitionFactor_, 0.0, 1.0);
  BlendCanvas(scratch, inScratch, previousPicture_, from, static_cast<int>(alpha_ * (1.0 - factor)));
  BlendCanvas(scratch, inScratch, canvas_, from, static_cast<int>(alpha_ * factor));
  BitBlt(window.dc(), hit.x, hit.y, hit.width, hit.height, scratch.dc(), from.x, from.y, SRCCOPY);
}

}  // namespace tabulo::ui
