#include "ui/controls/label_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace tabulo::ui {
namespace {

TEST(LabelLayout, FormatFlagsDependOnWhenWrappingWasSet) {
  EXPECT_EQ(LabelFormatFlags(false, true), 0x1000);
  EXPECT_EQ(LabelFormatFlags(false, false), 0x1000);
  EXPECT_EQ(LabelFormatFlags(true, true), 0x6800);
  EXPECT_EQ(LabelFormatFlags(true, false), 0x6C00);
}

TEST(LabelLayout, SingleLinePlacement) {
  const RectF text = LabelTextRect({10, 20, 104, 44});
  ASSERT_EQ(text, (RectF{12, 22, 100, 40}));
  struct Case {
    const char* why;
    VerticalAlignment align;
    float measured;
    bool nonAscii;
    RectF expected;
  };
  const Case kCases[] = {
      {"top leaves 2 px above the first line", VerticalAlignment::kTop, 15, false, {12, 24, 100, 15}},
      {"centre", VerticalAlignment::kCentre, 15, false, {12, 34, 100, 15}},  // 22 + 12.5, whole pixels
      {"bottom leaves 2 px below the last line", VerticalAlignment::kBottom, 15, false, {12, 45, 100, 15}},
      {"centre, CJK text 1 px lower", VerticalAlignment::kCentre, 15, true, {12, 35, 100, 15}},
      {"top, CJK text 1 px lower", VerticalAlignment::kTop, 15.6f, true, {12, 25, 100, 15}},
      {"text taller than the rectangle rises above it", VerticalAlignment::kCentre, 50, false, {12, 17, 100, 50}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(LabelDrawRect(text, false, c.align, {c.measured, 16, c.nonAscii}), c.expected);
  }
}

TEST(LabelLayout, WrappedTextGetsOneMoreLineAndNoShift) {
  const RectF text{12, 22, 100, 40};
  EXPECT_EQ(LabelDrawRect(text, true, VerticalAlignment::kBottom, {15, 16.5f, true}), (RectF{12, 22, 100, 56.5f}));
}

// At a scale a wrapping label lays its text out 5 % wider, on the side its
// alignment leaves free, so the text keeps its place.
TEST(LabelLayout, ScaledWrapSlackWidensOnTheFreeSide) {
  const RectF rect{10, 20, 100, 50};
  EXPECT_EQ(WithScaledWrapSlack(rect, TextAlignment::kNear), (RectF{10, 20, 105, 50}));
  EXPECT_EQ(WithScaledWrapSlack(rect, TextAlignment::kCentre), (RectF{7.5f, 20, 105, 50}));
  EXPECT_EQ(WithScaledWrapSlack(rect, TextAlignment::kFar), (RectF{5, 20, 105, 50}));
}

TEST(LabelLayout, NonAsciiDetection) {
  EXPECT_FALSE(HasNonAsciiText("Maths 3"));
  EXPECT_FALSE(HasNonAsciiText(""));
  // 数学 is U+6570 U+5B66: no byte of its UTF-16 form is above 128, yet it is CJK.
  EXPECT_TRUE(HasNonAsciiText("数学"));
  EXPECT_TRUE(HasNonAsciiText("a\xC3\xA9"));
}

TEST(LabelLayout, AutoContrast) {
  const auto points = AutoContrastSamplePoints({10, 20, 11, 5});
  const std::vector<Point> expected{{10, 20}, {20, 20}, {10, 24}, {20, 24}, {15, 20}, {15, 24}, {10, 22}, {20, 22}};
  EXPECT_EQ(std::vector<Point>(points.begin(), points.end()), expected);

  EXPECT_EQ(AutoContrastColour(0x80123456, 5, -1), 0x80FFFFFFu);
  EXPECT_EQ(AutoContrastColour(0x80123456, 4, -1), 0x80000000u);
  EXPECT_EQ(AutoContrastColour(0xFF123456, 4, 100), 0xFF000000u);
  EXPECT_EQ(AutoContrastColour(0xFF123456, 8, 0), 0xFF000000u);  // engine's own controls
  EXPECT_EQ(AutoContrastColour(0xFF123456, 8, 99), 0xFF000000u);
}

}  // namespace
}  // namespace tabulo::ui
