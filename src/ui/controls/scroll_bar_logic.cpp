#include "ui/controls/scroll_bar_logic.h"

#include <algorithm>
#include <cstdint>

#include "base/number/saturating_int.h"

namespace tabulo::ui {
namespace {

constexpr double kTolerance = 1e-7;

bool Contains(const RectF& r, Point p) {
  return p.x >= r.x && p.y >= r.y && p.x < r.x + r.width && p.y < r.y + r.height;
}

std::string_view StateName(int state) {
  if (state == kScrollPressed) return "down";
  if (state == kScrollHot) return "highlight";
  return "normal";
}

}  // namespace

ScrollBarLogic::ScrollBarLogic(ScrollBarView& view, const ScrollBarSettings& settings, Size size,
                               const ScrollBarSkinMetrics& metrics)
    : view_(view),
      minimum_(settings.minimum),
      maximum_(settings.maximum),
      pageSize_(settings.pageSize >= 0 ? settings.pageSize : settings.horizontal ? size.width : size.height),
      pageStep_(settings.pageStep),
      lineStep_(settings.lineStep),
      notifyWhileDragging_(settings.notifyWhileDragging),
      horizontal_(settings.horizontal),
      parts_(settings.parts),
      style_(settings.style) {
  position_ = minimum_;
  Layout(size, metrics);
}

RectF ScrollBarLogic::Span(int start, int length) const {
  if (horizontal_) return {static_cast<float>(start), 0, static_cast<float>(length), static_cast<float>(size_.height)};
  return {0, static_cast<float>(start), static_cast<float>(size_.width), static_cast<float>(length)};
}

void ScrollBarLogic::Layout(Size size, const ScrollBarSkinMetrics& metrics) {
  size_ = size;
  metrics_ = metrics;
  const float length = horizontal_ ? size.width : size.height;
  minThumbLength_ = TruncateToInt(2.0 * (horizontal_ ? metrics.thumbGrid.x : metrics.thumbGrid.y) + 10);
  const float first = parts_ & kScrollHasFirstArrow ? (horizontal_ ? metrics.firstArrow.width : metrics.firstArrow.height) : 0;
  const float second =
      parts_ & kScrollHasSecondArrow ? (horizontal_ ? metrics.secondArrow.width : metrics.secondArrow.height) : 0;
  firstArrowRect_ = parts_ & kScrollHasFirstArrow ? Span(0, TruncateToInt(first)) : RectF{};
  secondArrowRect_ = parts_ & kScrollHasSecondArrow ? Span(TruncateToInt(length - second), TruncateToInt(second)) : RectF{};
  trackRect_ = thumbRect_ = RectF{};
  if (parts_ & kScrollHasTrack) {
    trackRect_ = Span(TruncateToInt(Length(firstArrowRect_)), TruncateToInt(length - first - second));
    PlaceThumb();
  }
}

void ScrollBarLogic::PlaceThumb() {
  const double span = static_cast<double>(maximum_) - minimum_;
  const int length = span > 0 ? TruncateToInt(pageSize_ * static_cast<double>(Length(trackRect_)) / span) : minThumbLength_;
  thumbLength_ = std::max(length, minThumbLength_);
  thumbRect_ = trackRect_;
  float lead = static_cast<float>(PixelFromPosition());
  const float trackEnd = Lead(trackRect_) + Length(trackRect_);
  // A thumb longer than its track keeps its start on the track rather than
  // hanging over the first arrow.
  if (lead + thumbLength_ - trackEnd > kTolerance) lead = trackEnd - thumbLength_;
  if (lead < Lead(trackRect_)) lead = Lead(trackRect_);
  (horizontal_ ? thumbRect_.x : thumbRect_.y) = lead;
  (horizontal_ ? thumbRect_.width : thumbRect_.height) = static_cast<float>(thumbLength_);
}

int ScrollBarLogic::PixelFromPosition() const {
  const int start = TruncateToInt(Lead(trackRect_));
  const int room = Room();
  // Nothing to scroll, or a track no longer than the thumb: the thumb rests
  // at the start instead of dividing by zero.
  if (Range() <= 0 || room <= 0) return start;
  return TruncateToInt(start + static_cast<double>(position_) * room / Range());
}

int ScrollBarLogic::PositionFromPixel(int pixel) const {
  const int start = TruncateToInt(Lead(trackRect_));
  const int room = Room();
  if (start >= pixel || room <= 0 || Range() <= 0) return minimum_;
  const std::int64_t along = std::min<std::int64_t>(pixel, std::int64_t{start} + room);
  return Bounded(TruncateToInt(static_cast<double>(along - start) * Range() / room));
}

// The track's length left over beside the thumb, in whole pixels. The skin's
// sizes can be anything, so the difference is taken in 64 bits.
int ScrollBarLogic::Room() const {
  return ClampToInt(std::int64_t{TruncateToInt(Length(trackRect_))} - thumbLength_);
}

int ScrollBarLogic::HitTest(Point p) const {
  if (Contains(firstArrowRect_, p)) return kScrollFirstArrow;
  if (Contains(secondArrowRect_, p)) return kScrollSecondArrow;
  // A bar with nothing to scroll shows no thumb, so none can be grabbed.
  if (Scrollable() && Contains(thumbRect_, p)) return kScrollThumb;
  if (Contains(trackRect_, p)) return kScrollTrack;
  return kScrollNoPart;
}

int ScrollBarLogic::PartState(int hoverState, int part) const { return part == hotPart_ ? hoverState : kScrollIdle; }

std::string ScrollBarLogic::PartPictureName(int state, std::string_view prefix, std::string_view partName) {
  std::string name(prefix);
  name += partName;
  name += StateName(state);
  return name;
}

int ScrollBarLogic::Bounded(int value) const { return std::max(minimum_, std::min(value, Range())); }

void ScrollBarLogic::Notify(ScrollCode code, bool dragging) {
  if (!view_.IsVisible()) return;
  (horizontal_ ? thumbRect_.x : thumbRect_.y) = static_cast<float>(PixelFromPosition());
  if (dragging && !notifyWhileDragging_) return;
  view_.Scrolled(position_, code);
}

// Above R it goes to R, below the minimum to the minimum; one notice for
// the move, even when both apply (a page larger than the range).
void ScrollBarLogic::CorrectPosition() {
  int corrected = position_;
  if (corrected - Range() > kTolerance) corrected = Range();
  if (corrected < minimum_) corrected = minimum_;
  if (corrected == position_) return;
  position_ = corrected;
  Notify(ScrollCode::Corrected, false);
}

void ScrollBarLogic::AfterPropertyChange(bool redraw) {
  CorrectPosition();
  if (redraw) view_.Invalidate();
}

void ScrollBarLogic::SetPosition(int value, bool redraw) {
  position_ = value;
  AfterPropertyChange(redraw);
}

void ScrollBarLogic::SetMinimum(int value, bool redraw) {
  minimum_ = value;
  AfterPropertyChange(redraw);
}

void ScrollBarLogic::SetMaximum(int value, bool redraw) {
  maximum_ = value;
  AfterPropertyChange(redraw);
}

void ScrollBarLogic::SetPageSize(int value, bool redraw) {
  pageSize_ = value;
  AfterPropertyChange(redraw);
}

void ScrollBarLogic::SetParts(int value) {
  if (value == parts_) return;
  parts_ = value;
  Layout(size_, metrics_);
  view_.Invalidate();
}

void ScrollBarLogic::SetStyle(int value) {
  if (value == style_) return;
  style_ = value;
  view_.Invalidate();
}

void ScrollBarLogic::Paint(int hoverState) {
  if (Scrollable()) {
    if (style_ & kScrollAutoHide) view_.SetVisible(true);
  } else {
    // Nothing to scroll: the position rests at the start of the range.
    if (position_ != minimum_) {
      position_ = minimum_;
      Notify(ScrollCode::Corrected, false);
    }
    if (style_ & kScrollAutoHide) view_.SetVisible(false);
  }
  const bool idle = hoverState == kScrollIdle;
  const std::string prefix = Prefix();
  std::vector<ScrollBarPiece> pieces;
  const auto arrow = [&](int part, int hasBit, int onHoverBit, std::string_view name, const RectF& rect) {
    if (!(parts_ & hasBit)) return;
    const int state = PartState(hoverState, part);
    if (state == kScrollIdle && idle && (style_ & onHoverBit)) return;
    pieces.push_back({part, rect, PartPictureName(state, prefix, name), "", true});
  };
  arrow(kScrollFirstArrow, kScrollHasFirstArrow, kScrollFirstArrowOnHover, horizontal_ ? "left_" : "up_",
        firstArrowRect_);
  arrow(kScrollSecondArrow, kScrollHasSecondArrow, kScrollSecondArrowOnHover, horizontal_ ? "right_" : "down_",
        secondArrowRect_);
  if ((parts_ & kScrollHasTrack) && !(idle && (style_ & kScrollTrackOnHover))) {
    pieces.push_back({kScrollTrack, trackRect_, prefix + "bg", prefix + "bg_gird", false});
  }
  if ((parts_ & kScrollHasTrack) && Scrollable()) {
    PlaceThumb();
    const int state = PartState(hoverState, kScrollThumb);
    if (!(state == kScrollIdle && idle && (style_ & kScrollThumbOnHover))) {
      pieces.push_back({kScrollThumb, thumbRect_, PartPictureName(state, prefix, ""), prefix + "gird", false});
    }
  }
  view_.DrawPieces(pieces);
}

void ScrollBarLogic::OnPaintMessage() {
  Paint(kScrollIdle);
  CorrectPosition();
}

void ScrollBarLogic::OnMouseMove(Point p, bool buttonHeld) {
  if (!buttonHeld) {
    const int part = HitTest(p);
    if (part == hotPart_) return;
    hotPart_ = part;
    view_.SetFadeFrames(kScrollFadeFrames);
    Paint(kScrollHot);
    return;
  }
  if (hotPart_ != kScrollThumb) return;
  // Dragging follows the mouse without fading.
  view_.SetFadeFrames(0);
  const int moved = PositionFromPixel(ClampToInt(std::int64_t{Along(p)} - dragOffset_));
  if (moved == position_) return;
  position_ = moved;
  Paint(kScrollPressed);
  Notify(ScrollCode::ThumbMoved, true);
}

void ScrollBarLogic::PressTrack(Point p) {
  const int at = Along(p);
  if (at - (Lead(thumbRect_) + Length(thumbRect_)) > kTolerance) {
    signedPage_ = pageStep_;
    trackTarget_ = PositionFromPixel(ClampToInt(std::int64_t{at} - TruncateToInt(Length(thumbRect_))));
  } else {
    signedPage_ = -pageStep_;
    trackTarget_ = PositionFromPixel(at);
  }
  position_ = Bounded(position_ + signedPage_);
}

void ScrollBarLogic::OnButtonDown(Point p) {
  ScrollCode code = ScrollCode::Corrected;
  switch (hotPart_) {
    case kScrollThumb:
      dragOffset_ = ClampToInt(std::int64_t{Along(p)} - TruncateToInt(Lead(thumbRect_)));
      code = ScrollCode::ThumbMoved;
      break;
    case kScrollFirstArrow:
      if (position_ == minimum_) return;
      position_ = std::max(position_ - lineStep_, minimum_);
      code = ScrollCode::LineBack;
      break;
    case kScrollSecondArrow:
      if (!Scrollable()) return;
      position_ = std::min(position_ + lineStep_, Range());
      code = ScrollCode::LineForward;
      break;
    case kScrollTrack:
      if (!Scrollable()) return;
      PressTrack(p);
      code = signedPage_ > 0 ? ScrollCode::PageForward : ScrollCode::PageBack;
      break;
    default:
      break;
  }
  if (hotPart_ != kScrollThumb) view_.StartRepeatTimer(kScrollRepeatMs);
  Paint(kScrollPressed);
  Notify(code, false);
}

void ScrollBarLogic::OnButtonUp() {
  if (hotPart_ == kScrollThumb) {
    Notify(ScrollCode::ThumbReleased, false);
    return;
  }
  view_.StopRepeatTimer();
  Paint(kScrollHot);
}

void ScrollBarLogic::OnRepeatTimer() {
  ScrollCode code = ScrollCode::Corrected;
  bool stop = false;
  switch (hotPart_) {
    case kScrollFirstArrow:
      position_ -= lineStep_;
      if (position_ <= minimum_) {
        position_ = minimum_;
        stop = true;
      }
      code = ScrollCode::LineBack;
      break;
    case kScrollSecondArrow:
      position_ += lineStep_;
      if (position_ - Range() >= -kTolerance) {
        position_ = Range();
        stop = true;
      }
      code = ScrollCode::LineForward;
      break;
    case kScrollTrack:
      position_ += signedPage_;
      if (signedPage_ < 1) {
        if (position_ <= minimum_) position_ = minimum_;
        stop = position_ == minimum_ || position_ <= trackTarget_;
        code = ScrollCode::PageBack;
      } else {
        if (position_ - Range() >= -kTolerance) position_ = Range();
        stop = position_ == Range() || position_ >= trackTarget_;
        code = ScrollCode::PageForward;
      }
      break;
    default:
      view_.StopRepeatTimer();
      return;
  }
  if (stop) view_.StopRepeatTimer();
  Paint(kScrollPressed);
  Notify(code, false);
}

void ScrollBarLogic::OnWheel(bool towardsUser, Point cursor) {
  if (towardsUser) {
    if (!Scrollable()) return;
    position_ = std::min(position_ + lineStep_, Range());
  } else {
    if (position_ == minimum_) return;
    position_ = std::max(position_ - lineStep_, minimum_);
  }
  Paint(HitTest(cursor) != kScrollNoPart ? kScrollHot : kScrollIdle);
  Notify(ScrollCode::ThumbMoved, false);
}

void ScrollBarLogic::OnMouseLeave() {
  hotPart_ = kScrollNoPart;
  view_.SetFadeFrames(kScrollFadeFrames);
  Paint(kScrollIdle);
}

void ScrollBarLogic::OnTransitionFinished() { view_.SetFadeFrames(0); }

}  // namespace tabulo::ui
