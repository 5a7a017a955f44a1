#include "ui/controls/button_layout.h"

#include <gtest/gtest.h>

namespace tabulo::ui {
namespace {

TEST(ButtonLayout, MarginShrinksTheAreaAndContentRect) {
  const RectF control{0, 0, 80, 30};
  const ButtonArea plain = ButtonAreaFor(control, std::nullopt);
  EXPECT_EQ(plain.layout, control);
  EXPECT_EQ(plain.contentRect, control);

  const ButtonArea skinned = ButtonAreaFor(control, ButtonMargin{3, 2, -6, -4});
  EXPECT_EQ(skinned.layout, (RectF{3, 2, 74, 26}));
  EXPECT_EQ(skinned.contentRect, (RectF{3, 2, 71, 24}));
}

TEST(ButtonLayout, SevenModes) {
  struct Case {
    ButtonLayoutMode mode;
    RectF picture;
    RectF caption;
  };
  using enum ButtonLayoutMode;
  // Area (10, 20, 100, 40), picture 16 x 16, caption 30 x 14, gap 4, offset (2, 1).
  const Case kCases[] = {
      {PictureLeftOfCaption, {37, 33, 16, 16}, {57, 33, 30, 14}},  // caption 1 px above the middle
      {CaptionLeftOfPicture, {71, 33, 16, 16}, {37, 34, 30, 14}},
      {PictureAboveCaption, {54, 24, 16, 16}, {47, 44, 30, 14}},
      {Centred, {54, 33, 16, 16}, {47, 34, 30, 14}},
      {PictureAtLeftEdge, {12, 33, 16, 16}, {32, 34, 78, 14}},
      {CaptionAtLeftEdge, {94, 33, 16, 16}, {12, 34, 78, 14}},
      {PictureAtTop, {54, 21, 16, 16}, {47, 41, 35, 14}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(static_cast<int>(c.mode));
    const auto layout = LayOutButton({c.mode, {10, 20, 100, 40}, {16, 16}, {30, 14}, 2, 1, 4});
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->picture, c.picture);
    EXPECT_EQ(layout->caption, c.caption);
  }
  EXPECT_FALSE(LayOutButton({static_cast<ButtonLayoutMode>(7), {10, 20, 100, 40}, {16, 16}, {30, 14}, 0, 0, 0}));
  EXPECT_FALSE(LayOutButton({static_cast<ButtonLayoutMode>(-1), {10, 20, 100, 40}, {16, 16}, {30, 14}, 0, 0, 0}));
}

TEST(ButtonLayout, PictureOnlyIsCentredAndPressMovesBoth) {
  // An icon button: layout 3, no caption text (a line's height measured).
  const auto layout = LayOutButton({ButtonLayoutMode::Centred, {0, 0, 24, 24}, {16, 16}, {0, 14}, 0, 0, 0});
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->picture, (RectF{4, 4, 16, 16}));
  const ButtonLayout pressed = PressedLayout(*layout);
  EXPECT_EQ(pressed.picture, (RectF{5, 5, 16, 16}));
  EXPECT_EQ(pressed.caption, (RectF{13, 6, 0, 14}));
}

TEST(ButtonLayout, HotkeyPrefix) {
  struct Case {
    const char* caption;
    const char* shown;
    std::optional<std::size_t> accessKey;
  };
  const Case kCases[] = {
      {"&Open", "Open", 0},
      {"Save &As", "Save As", 5},
      {"Fish && Chips", "Fish & Chips", std::nullopt},
      {"&&&x", "&x", 1},
      {"trailing&", "trailing", std::nullopt},
      {"关于(&A)", "关于(A)", 7},
      {"&关于", "关于", 0},
      {"&a&b", "ab", 0},  // the first one is the access key
      {"", "", std::nullopt},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.caption);
    const HotkeyCaption parsed = ParseHotkeyPrefix(c.caption);
    EXPECT_EQ(parsed.text, c.shown);
    EXPECT_EQ(parsed.accessKey, c.accessKey);
  }
}

}  // namespace
}  // namespace tabulo::ui
