#pragma once
// The frames of an animated picture in an ImageBox: their delays and which
// frame comes next.
//
// Delays come from the picture's frame-delay property (GDI+ property 0x5100,
// one 32-bit value per frame, in hundredths of a second). Many GIFs declare
// 0 and mean "as fast as sensible"; with fixShortDelays every delay of 9 or
// less becomes 10, which is what browsers do. A frame stays on screen for
// its own delay.
#include <cstdint>
#include <span>
#include <vector>

namespace tabulo::ui {

inline constexpr std::uint32_t kFrameDelayPropertyId = 0x5100;
inline constexpr int kShortestFixedDelay = 10;  // hundredths of a second

// Delays for frameCount frames from the property's type and bytes. Only the
// integer types 4 (LONG) and 9 (SLONG) are read; frames without a value get
// 0 before the fix.
[[nodiscard]] std::vector<int> FrameDelays(std::uint16_t propertyType, std::span<const std::uint8_t> value,
                                           int frameCount, bool fixShortDelays);

class FrameSequence {
 public:
  FrameSequence() = default;
  FrameSequence(int frameCount, std::vector<int> delays);

  // Only a picture of several frames is animated, and only when asked.
  [[nodiscard]] bool Animates(bool animate) const { return animate && frameCount_ > 1; }

  // Painting: the zero-based frame to select now. A current frame outside
  // 1 to frameCount starts over at 1.
  [[nodiscard]] int FrameToShow();
  // After painting a frame: how long it stays (ms), and the next one becomes
  // current (after the last, the first).
  [[nodiscard]] int AdvanceAfterPaint();
  // After a picture-change transition: how long the frame on screen stays.
  [[nodiscard]] int DelayOfShownFrameMs() const;

  void Rewind() { currentFrame_ = frameCount_ > 0 ? 1 : 0; }
  // The zero-based frame painted last, as far as the sequence can tell: the
  // one before the current, the last after a full round (or before any).
  [[nodiscard]] int LastShown() const { return currentFrame_ <= 1 ? frameCount_ - 1 : currentFrame_ - 2; }
  // The frame after the zero-based `shown` becomes current: a longer
  // sequence takes over where a shorter one has come to.
  void ContinueAfter(int shown) { currentFrame_ = shown + 2 <= frameCount_ ? shown + 2 : 1; }

  [[nodiscard]] int frameCount() const { return frameCount_; }
  [[nodiscard]] int currentFrame() const { return currentFrame_; }  // 1-based, the next to show

 private:
  [[nodiscard]] int DelayMs(int frameIndex) const;

  int frameCount_ = 0;
  int currentFrame_ = 0;
  std::vector<int> delays_;
};

}  // namespace tabulo::ui
