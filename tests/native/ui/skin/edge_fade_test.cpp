#include "ui/skin/edge_fade.h"

#include <gtest/gtest.h>

#include <vector>

namespace tabulo::ui {
namespace {

TEST(EdgeFade, WidthIsTruncatedShorterSideTimesFraction) {
  EXPECT_EQ(FadeWidth(100, 30, 0.25), 7);
  EXPECT_EQ(FadeWidth(30, 100, 0.25), 7);
  EXPECT_EQ(FadeWidth(3, 100, 0.25), 0);
  EXPECT_EQ(FadeWidth(40, 40, 0.5), 20);
}

class FadeBuffer : public testing::Test {
 protected:
  static constexpr int kWidth = 16, kHeight = 12, kStride = 18;  // K = 3
  static constexpr std::uint32_t kPixel = 0xF0123456;           // alpha 240
  std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(kStride * kHeight, kPixel);
  std::uint8_t AlphaAt(int x, int y) const { return static_cast<std::uint8_t>(pixels[y * kStride + x] >> 24); }
  void Fade(std::uint32_t edges) { FadeEdges(pixels, kWidth, kHeight, kStride, {edges, 0.25}); }
};

TEST_F(FadeBuffer, LeftEdgeRisesLinearlyOverTheStrip) {
  Fade(kFadeLeft);
  for (int y = 0; y < kHeight; ++y) {
    EXPECT_EQ(AlphaAt(0, y), 0);
    EXPECT_EQ(AlphaAt(1, y), 80);
    EXPECT_EQ(AlphaAt(2, y), 160);
    EXPECT_EQ(AlphaAt(3, y), 240);
    EXPECT_EQ(AlphaAt(kWidth - 1, y), 240);
  }
  EXPECT_EQ(pixels[0] & 0xFFFFFF, kPixel & 0xFFFFFF) << "colour bytes stay";
}

TEST_F(FadeBuffer, EachFlagFadesItsOwnEdgeAndCornersTakeBoth) {
  Fade(kFadeRight | kFadeBottom);
  EXPECT_EQ(AlphaAt(kWidth - 1, 0), 0);
  EXPECT_EQ(AlphaAt(kWidth - 2, 0), 80);
  EXPECT_EQ(AlphaAt(0, kHeight - 2), 80);
  EXPECT_EQ(AlphaAt(kWidth - 2, kHeight - 2), 80 * 1 / 3);  // 240*1/3 then *1/3
  EXPECT_EQ(AlphaAt(0, 0), 240);
  EXPECT_EQ(AlphaAt(5, 5), 240);
  EXPECT_EQ(pixels[kWidth], kPixel) << "row padding beyond the width is untouched";
}

TEST_F(FadeBuffer, NoFlagsOrTooSmallAPictureChangeNothing) {
  const auto before = pixels;
  Fade(0);
  EXPECT_EQ(pixels, before);
  FadeEdges(pixels, 3, 3, kStride, {kFadeLeft | kFadeTop, 0.25});
  EXPECT_EQ(pixels, before);
}

}  // namespace
}  // namespace tabulo::ui
