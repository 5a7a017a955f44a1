#include "ui/controls/text_effect.h"

#include <gtest/gtest.h>

namespace tabulo::ui {
namespace {

TEST(TextEffect, AutomaticEffectColourFollowsTheTextColour) {
  struct Case {
    Argb text;
    Argb effect;
    Argb expected;
  };
  const Case kCases[] = {
      {0xFF000000, 0, 0x55FFFFFF},           // black text: light halo
      {0xFFFF0000, 0, 0x55FFFFFF},           // red: luminance 76
      {0xFFFFFF00, 0, 0x4B000000},           // yellow: luminance 226, red counts 0.299
      {0xFF0000FF, 0, 0x55FFFFFF},           // blue: luminance 29
      {0xFFBFBFBF, 0, 0x55FFFFFF},           // 191: still dark
      {0xFFC0C0C0, 0, 0x4B000000},           // 192: light
      {0x80000000, 0, 0x4B000000},           // dark but half transparent
      {0x81000000, 0, 0x55FFFFFF},
      {0xFF000000, 0x12345678, 0x12345678},  // a given colour wins
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.text);
    EXPECT_EQ(EffectColour(c.text, c.effect), c.expected);
  }
}

TEST(TextEffect, BrushColour) {
  EXPECT_EQ(TextBrushColour(0xFF123456), 0xFE123456u);
  EXPECT_EQ(TextBrushColour(0x80123456), 0x80123456u);
  EXPECT_EQ(TextBrushColour(0x00123456), std::nullopt);
}

TEST(TextEffect, GlowShrinksByThreeAndOutlineKeepsTheSize) {
  const RectF text{10, 20, 50, 17};
  const auto glow = LayOutTextEffect(kTextEffectGlow, text);
  ASSERT_TRUE(glow);
  EXPECT_EQ(glow->scratch, (Size{57, 24}));
  EXPECT_EQ(glow->reduced, (Size{19, 8}));
  EXPECT_EQ(glow->destination, (RectF{6, 16, 57, 24}));
  EXPECT_EQ(glow->textOffsets[0], (Point{5, 4}));
  EXPECT_EQ(glow->textOffsets[4], (Point{4, 4}));  // the centre copy last

  const auto outline = LayOutTextEffect(kTextEffectOutline, text);
  ASSERT_TRUE(outline);
  EXPECT_EQ(outline->reduced, outline->scratch);
  EXPECT_EQ(outline->destination, glow->destination);

  EXPECT_FALSE(LayOutTextEffect(kTextEffectNone, text));
  EXPECT_FALSE(LayOutTextEffect(2, text));
}

}  // namespace
}  // namespace tabulo::ui
