// The colours text is drawn with: opaque text at alpha 254, and the halo
// colour chosen against the text's brightness.
#include <gtest/gtest.h>

#include "base/color/text_colours.h"

namespace tabulo {
namespace {

TEST(TextColours, OpaqueTextIsDrawnWith254AndTheEffectColourFollowsTheText) {
  EXPECT_EQ(TextDrawColour(0xFF102030u), 0xFE102030u);
  EXPECT_EQ(TextDrawColour(0x80102030u), 0x80102030u);
  EXPECT_EQ(AutomaticEffectColour(0xFF000000u), kLightEffect);  // dark opaque text: white halo
  EXPECT_EQ(AutomaticEffectColour(0xFFFFFFFFu), kDarkEffect);
  EXPECT_EQ(AutomaticEffectColour(0x80000000u), kDarkEffect);   // dark but not opaque enough
  // Red weighs 0.299 and blue 0.114 (ARGB keeps red in the third byte).
  EXPECT_EQ(AutomaticEffectColour(0xFFFFC800u), kDarkEffect);   // 255 red, 200 green: light
  EXPECT_EQ(AutomaticEffectColour(0xFF00C8FFu), kLightEffect);  // 200 green, 255 blue: dark
}

}  // namespace
}  // namespace tabulo
