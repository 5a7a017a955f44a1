// UiControl: repainting, committing a drawing to the window, and the state
// transition that cross-fades a control from its previous picture to the
// new one over a few timer ticks.
#include "ui/control/dirty_rect.h"
#include "ui/control/ui_control.h"
#include "base/animation/easing.h"
#include "ui/window/ui_window.h"

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
  const Rect area = AbsoluteRect().intersect(Rect{0, 0, host_->size_.width, host_->size_.height});
  if (!area.empty()) host_->Compose(area, true);
}

Gdiplus::Graphics* UiControl::BeginPaint(bool clear) {
  if (!created_ || !canvas_.valid()) return nullptr;
  if (stateFlags_ & kStateTransition) StopTransition(true);
  if (extraValue1_ != 0 && extraValue2_ != 0) {
    // Keep the picture the transition will fade from.
    if (previousPicture_.size() != canvas_.size()) {
      (void)previousPicture_.Create(canvas_.width(), canvas_.height(), Gdiplus::TextRenderingHintSystemDefault);
    }
    if (previousPicture_.valid()) {
      canvas_.Flush();
      BitBlt(previousPicture_.dc(), 0, 0, canvas_.width(), canvas_.height(), canvas_.dc(), 0, 0, SRCCOPY);
    }
  }
  const Rect area = CoveringPixels(dirtyRect_).intersect(LocalRect());
  if (clear) canvas_.ClearRect(area, 0);
  Gdiplus::Graphics* graphics = canvas_.graphics();
  graphics->SetClip(Gdiplus::Rect(area.x, area.y, area.width, area.height), Gdiplus::CombineModeReplace);
  painting_ = true;
  return graphics;
}

void UiControl::EndPaint() {
  if (!painting_) return;
  painting_ = false;
  if (Gdiplus::Graphics* graphics = canvas_.graphics()) graphics->ResetClip();
  canvas_.Flush();
  if (!host_) return;
  if (Visible() && extraValue1_ != 0 && extraValue2_ != 0 && previousPicture_.valid()) {
    StartTransition();
    return;
  }
  if (const auto area = DirtyWindowRect(dirtyRect_, Point{AbsoluteRect().x, AbsoluteRect().y}, host_->size_)) {
    host_->Compose(*area, true);
  }
  dirtyRect_ = WholeRect(rect_);
}

void UiControl::StartTransition() {
  transitionFrame_ = 0;
  transitionFactor_ = 0;
  stateFlags_ |= kStateTransition;
  HandleMessage(kMsgTransitionStarted, 0, 0);
  if (!host_ || !(stateFlags_ & kStateTransition)) return;
  if (!::SetTimer(host_->hwnd_, TransitionTimerId(this), static_cast<UINT>(extraValue1_), nullptr)) {
    StopTransition(true);  // no timer: show the new picture at once
  }
}

void UiControl::StopTransition(bool recompose) {
  if (host_ && host_->hwnd_) ::KillTimer(host_->hwnd_, TransitionTimerId(this));
  stateFlags_ &= ~kStateTransition;
  transitionFrame_ = 0;
  if (recompose && host_) {
    if (const auto area = DirtyWindowRect(dirtyRect_, Point{AbsoluteRect().x, AbsoluteRect().y}, host_->size_)) {
      host_->Compose(*area, true);
    }
  }
}

void UiControl::TransitionStep() {
  if (!(stateFlags_ & kStateTransition) || extraValue2_ <= 0) {
    StopTransition(true);
    return;
  }
  ++transitionFrame_;
  const double t = static_cast<double>(transitionFrame_) / extraValue2_;
  transitionFactor_ = Easing(extraValue3_, 0, 1, t).value_or(1.0);
  if (const auto area = DirtyWindowRect(dirtyRect_, Point{AbsoluteRect().x, AbsoluteRect().y}, host_->size_)) {
    host_->Compose(*area, true);
  }
  if (transitionFrame_ < extraValue2_) return;
  ::KillTimer(host_->hwnd_, TransitionTimerId(this));
  previousPicture_.Release();
  transitionFrame_ = 0;
  stateFlags_ &= ~kStateTransition;
  dirtyRect_ = WholeRect(rect_);
  HandleMessage(kMsgTransitionFinished, 0, 0);
}

}  // namespace tabulo::ui
