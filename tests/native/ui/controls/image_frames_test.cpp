#include "ui/controls/image_frames.h"

#include <gtest/gtest.h>

namespace tabulo::ui {
namespace {

std::vector<std::uint8_t> Longs(std::initializer_list<std::int32_t> values) {
  std::vector<std::uint8_t> bytes;
  for (std::int32_t v : values) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<std::uint8_t>(v >> shift));
  }
  return bytes;
}

TEST(ImageFrames, DelaysFromTheFrameDelayProperty) {
  const auto bytes = Longs({0, 5, 9, 10, 25, -1});
  EXPECT_EQ(FrameDelays(4, bytes, 6, true), (std::vector<int>{10, 10, 10, 10, 25, 10}));
  EXPECT_EQ(FrameDelays(9, bytes, 6, false), (std::vector<int>{0, 5, 9, 10, 25, -1}));
  // Fewer values than frames, or a type that is not an integer: the rest count 0.
  EXPECT_EQ(FrameDelays(4, Longs({30}), 3, false), (std::vector<int>{30, 0, 0}));
  EXPECT_EQ(FrameDelays(4, Longs({30}), 3, true), (std::vector<int>{30, 10, 10}));
  EXPECT_EQ(FrameDelays(3, bytes, 2, false), (std::vector<int>{0, 0}));
  EXPECT_EQ(FrameDelays(4, std::vector<std::uint8_t>{1, 0, 0}, 1, false), (std::vector<int>{0}));  // cut short
}

TEST(ImageFrames, EachFrameStaysForItsOwnDelay) {
  FrameSequence frames(3, {10, 20, 30});
  ASSERT_TRUE(frames.Animates(true));
  std::vector<std::pair<int, int>> shown;  // frame, ms
  for (int i = 0; i < 6; ++i) {
    const int frame = frames.FrameToShow();
    shown.emplace_back(frame, frames.AdvanceAfterPaint());
  }
  EXPECT_EQ(shown, (std::vector<std::pair<int, int>>{{0, 100}, {1, 200}, {2, 300}, {0, 100}, {1, 200}, {2, 300}}));
}

TEST(ImageFrames, TransitionAndRewind) {
  FrameSequence frames(3, {10, 20, 30});
  // A transition paints the current frame without advancing; it then stays its own time.
  EXPECT_EQ(frames.FrameToShow(), 0);
  EXPECT_EQ(frames.DelayOfShownFrameMs(), 100);
  (void)frames.AdvanceAfterPaint();
  (void)frames.AdvanceAfterPaint();
  EXPECT_EQ(frames.currentFrame(), 3);
  frames.Rewind();
  EXPECT_EQ(frames.currentFrame(), 1);
}

TEST(ImageFrames, ALongerSequenceGoesOnAfterTheFrameShownLast) {
  const struct {
    int paints;     // frames of a 3-frame lead-in painted so far
    int lastShown;  // zero-based
    int nextInWhole;
  } kCases[] = {{1, 0, 2}, {2, 1, 3}, {3, 2, 4}, {4, 0, 2}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.paints);
    FrameSequence leadIn(3, {10, 10, 10});
    for (int i = 0; i < c.paints; ++i) (void)leadIn.AdvanceAfterPaint();
    EXPECT_EQ(leadIn.LastShown(), c.lastShown);
    FrameSequence whole(5, {10, 10, 10, 10, 10});
    whole.ContinueAfter(leadIn.LastShown());
    EXPECT_EQ(whole.currentFrame(), c.nextInWhole);
  }
  FrameSequence whole(5, {10, 10, 10, 10, 10});
  whole.ContinueAfter(4);  // after the whole's last frame, its first
  EXPECT_EQ(whole.currentFrame(), 1);
}

TEST(ImageFrames, StillAndEmptyPictures) {
  FrameSequence still(1, {10});
  EXPECT_FALSE(still.Animates(true));
  EXPECT_EQ(still.FrameToShow(), 0);
  FrameSequence none;
  EXPECT_FALSE(none.Animates(true));
  EXPECT_EQ(none.currentFrame(), 0);
  EXPECT_EQ(FrameSequence(3, {}).AdvanceAfterPaint(), 0);  // no delays known
  EXPECT_FALSE(FrameSequence(3, {10, 20, 30}).Animates(false));
}

}  // namespace
}  // namespace tabulo::ui
