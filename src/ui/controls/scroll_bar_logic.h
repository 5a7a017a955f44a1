#pragma once
// The behaviour of the windowless scroll bar, apart from drawing and timers.
//
// A bar keeps an integer position in the range minimum to R, where
// R = maximum - minimum - pageSize (not maximum - pageSize: with minimum 0,
// positions run from 0 to maximum - pageSize). It is scrollable when R > 0.
// Arrows move it by lineStep, the track by pageStep, both repeating every
// 200 ms while held; the thumb is dragged; the wheel moves it by lineStep.
// Every change is reported through the view as event 20501 with a code.
//
// The control class implements ScrollBarView (skin drawing, the repeat
// timer, the fade of state changes, raising the event) and feeds its
// messages to ScrollBarLogic. All geometry is in the control's coordinates.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/geometry/rect.h"

namespace tabulo::ui {

inline constexpr std::uint32_t kScrollEvent = 20501;
inline constexpr int kScrollRepeatMs = 200;
inline constexpr int kScrollFadeFrames = 8;
inline constexpr int kScrollFadeIntervalMs = 25;

// Parts of a bar: hit-test results and the part under the mouse.
inline constexpr int kScrollNoPart = 0;
inline constexpr int kScrollThumb = 1;
inline constexpr int kScrollFirstArrow = 2;   // left or up
inline constexpr int kScrollSecondArrow = 4;  // right or down
inline constexpr int kScrollTrack = 8;

// Bits of `parts`, the parts a bar has: 1 track and thumb, 2 and 4 the arrows.
inline constexpr int kScrollHasTrack = 1;
inline constexpr int kScrollHasFirstArrow = 2;
inline constexpr int kScrollHasSecondArrow = 4;

// Bits of `style`: a part so marked is drawn only while the bar is hovered or
// pressed; 16 hides the bar while there is nothing to scroll.
inline constexpr int kScrollTrackOnHover = 1;
inline constexpr int kScrollThumbOnHover = 2;
inline constexpr int kScrollFirstArrowOnHover = 4;
inline constexpr int kScrollSecondArrowOnHover = 8;
inline constexpr int kScrollAutoHide = 16;

// Hover states a bar is painted in.
inline constexpr int kScrollIdle = 0;
inline constexpr int kScrollPressed = 8;
inline constexpr int kScrollHot = 128;

enum class ScrollCode {
  Corrected = 0,     // position brought into range, or a press on no part
  LineBack = 1,
  LineForward = 2,
  PageBack = 3,
  PageForward = 4,
  ThumbReleased = 5,
  ThumbMoved = 6,    // dragged, pressed, or a wheel step
};

// What the skin tells about the bar's pictures: the sizes of the two arrows'
// "normal" pictures and the thumb's nine-grid rectangle ("gird").
struct ScrollBarSkinMetrics {
  SizeF firstArrow;
  SizeF secondArrow;
  RectF thumbGrid;
};

// One picture to draw. Arrows are drawn centred with the default nine-grid;
// track and thumb with gridKey and the element's fill type.
struct ScrollBarPiece {
  int part = kScrollNoPart;
  RectF rect;
  std::string picture;
  std::string gridKey;
  bool centred = false;
  friend bool operator==(const ScrollBarPiece&, const ScrollBarPiece&) = default;
};

class ScrollBarView {
 public:
  virtual ~ScrollBarView() = default;
  [[nodiscard]] virtual bool IsVisible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  // Draws the pieces (nothing else) and commits the canvas, fading when a
  // fade is set.
  virtual void DrawPieces(const std::vector<ScrollBarPiece>& pieces) = 0;
  virtual void SetFadeFrames(int frames) = 0;
  virtual void StartRepeatTimer(int intervalMs) = 0;
  virtual void StopRepeatTimer() = 0;
  virtual void Scrolled(int position, ScrollCode code) = 0;
  virtual void Invalidate() = 0;
};

struct ScrollBarSettings {
  int minimum = 0;
  int maximum = 100;
  int pageSize = -1;  // below 0: the bar's width (horizontal) or height
  int pageStep = 10;
  int lineStep = 1;
  bool notifyWhileDragging = true;
  bool horizontal = true;
  int parts = kScrollHasTrack | kScrollHasFirstArrow | kScrollHasSecondArrow;
  int style = 0;
};

class ScrollBarLogic {
 public:
  // The bar starts at its minimum.
  ScrollBarLogic(ScrollBarView& view, const ScrollBarSettings& settings, Size size,
                 const ScrollBarSkinMetrics& metrics);

  // Messages of the control.
  void Layout(Size size, const ScrollBarSkinMetrics& metrics);  // creation and WM_SIZE
  void OnPaintMessage();
  void Paint(int hoverState);
  void OnMouseMove(Point p, bool buttonHeld);  // buttonHeld: WM_MOUSEMOVE's wParam is not 0
  void OnButtonDown(Point p);
  void OnButtonUp();
  void OnRepeatTimer();
  // towardsUser: WM_MOUSEWHEEL's wParam, read as a signed 32-bit value, is
  // below 1; cursor is the cursor position in the bar's coordinates.
  void OnWheel(bool towardsUser, Point cursor);
  void OnMouseLeave();
  void OnTransitionFinished();

  // Properties. Position, minimum, maximum and pageSize correct the
  // position into range (code 0 when it moves) and repaint unless told not to.
  [[nodiscard]] int position() const { return position_; }
  void SetPosition(int value, bool redraw = true);
  [[nodiscard]] int minimum() const { return minimum_; }
  void SetMinimum(int value, bool redraw = true);
  [[nodiscard]] int maximum() const { return maximum_; }
  void SetMaximum(int value, bool redraw = true);
  [[nodiscard]] int pageSize() const { return pageSize_; }
  void SetPageSize(int value, bool redraw = true);
  [[nodiscard]] int pageStep() const { return pageStep_; }
  void SetPageStep(int value) { pageStep_ = value; }
  [[nodiscard]] int lineStep() const { return lineStep_; }
  void SetLineStep(int value) { lineStep_ = value; }
  [[nodiscard]] bool notifyWhileDragging() const { return notifyWhileDragging_; }
  void SetNotifyWhileDragging(bool value) { notifyWhileDragging_ = value; }
  [[nodiscard]] int parts() const { return parts_; }
  void SetParts(int value);
  [[nodiscard]] int style() const { return style_; }
  void SetStyle(int value);
  [[nodiscard]] bool horizontal() const { return horizontal_; }

  // Geometry.
  [[nodiscard]] int Range() const { return maximum_ - minimum_ - pageSize_; }
  [[nodiscard]] bool Scrollable() const { return Range() > 0; }
  void PlaceThumb();
  [[nodiscard]] int PixelFromPosition() const;
  [[nodiscard]] int PositionFromPixel(int pixel) const;
  [[nodiscard]] int HitTest(Point p) const;
  [[nodiscard]] int PartState(int hoverState, int part) const;
  [[nodiscard]] static std::string PartPictureName(int state, std::string_view prefix, std::string_view partName);

  [[nodiscard]] int hotPart() const { return hotPart_; }
  [[nodiscard]] int thumbLength() const { return thumbLength_; }
  [[nodiscard]] int minThumbLength() const { return minThumbLength_; }
  [[nodiscard]] const RectF& firstArrowRect() const { return firstArrowRect_; }
  [[nodiscard]] const RectF& secondArrowRect() const { return secondArrowRect_; }
  [[nodiscard]] const RectF& trackRect() const { return trackRect_; }
  [[nodiscard]] const RectF& thumbRect() const { return thumbRect_; }

 private:
  [[nodiscard]] float Lead(const RectF& r) const { return horizontal_ ? r.x : r.y; }
  [[nodiscard]] float Length(const RectF& r) const { return horizontal_ ? r.width : r.height; }
  [[nodiscard]] int Along(Point p) const { return horizontal_ ? p.x : p.y; }
  [[nodiscard]] RectF Span(int start, int length) const;
  [[nodiscard]] std::string Prefix() const { return horizontal_ ? "h_" : "v_"; }
  [[nodiscard]] int Bounded(int value) const;
  [[nodiscard]] int Room() const;
  void CorrectPosition();
  void AfterPropertyChange(bool redraw);
  void Notify(ScrollCode code, bool dragging);
  void PressTrack(Point p);

  ScrollBarView& view_;
  Size size_;
  ScrollBarSkinMetrics metrics_;
  int position_ = 0;
  int minimum_ = 0;
  int maximum_ = 100;
  int pageSize_ = 0;
  int pageStep_ = 10;
  int lineStep_ = 1;
  bool notifyWhileDragging_ = true;
  bool horizontal_ = true;
  int parts_ = 7;
  int style_ = 0;
  int hotPart_ = kScrollNoPart;
  int dragOffset_ = 0;
  int trackTarget_ = 0;
  int signedPage_ = 0;
  int thumbLength_ = 0;
  int minThumbLength_ = 0;
  RectF firstArrowRect_;
  RectF secondArrowRect_;
  RectF trackRect_;
  RectF thumbRect_;
};

}  // namespace tabulo::ui
