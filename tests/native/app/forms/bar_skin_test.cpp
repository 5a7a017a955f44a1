#include "app/forms/bar_skin.h"

#include <gtest/gtest.h>

#include "app/resource_ids.h"

namespace tabulo::app {
namespace {

TEST(ChooseBarSkin, OnlyTheExactSkyValueGivesTheLightSkin) {
  struct Case {
    const char* skin;
    int picture;
    Argb text;
  } const kCases[] = {
      {"蓝天", IDR_SKY_JPG, 0xFF000000},     // also the default of a missing setup file
      {"星空", IDR_STARRY_JPG, 0xFFFFFFFF},
      {"", IDR_STARRY_JPG, 0xFFFFFFFF},      // stored empty
      {"蓝天 ", IDR_STARRY_JPG, 0xFFFFFFFF},  // compared exactly
      {"sky", IDR_STARRY_JPG, 0xFFFFFFFF},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.skin);
    const BarSkin skin = ChooseBarSkin(c.skin);
    EXPECT_EQ(skin.pictureResource, c.picture);
    EXPECT_EQ(skin.textColour, c.text);
  }
}

}  // namespace
}  // namespace tabulo::app
