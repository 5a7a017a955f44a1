#include "ui/controls/check_box_layout.h"

#include <gtest/gtest.h>

namespace tabulo::ui {
namespace {

TEST(CheckBoxLayout, BoxPlacement) {
  struct Case {
    int height;
    int state;
    float boxY;
  };
  const Case kCases[] = {
      {16, 0, 2},   {17, 0, 3},   // an odd height puts the box 1 px lower
      {16, 8, 1},   {17, 8, 2},   // pressing lifts it
      {16, 128, 2}, {10, 0, -1},  // a box taller than the control
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << "height " << c.height << " state " << c.state);
    const CheckBoxLayout layout = LayOutCheckBox(c.height, {13, 12}, c.state, {0, 0, 40, 14});
    EXPECT_EQ(layout.box, (RectF{2, c.boxY, 13, 12}));
  }
}

TEST(CheckBoxLayout, CaptionFollowsTheBoxInsideItsFocusFrame) {
  const CheckBoxLayout layout = LayOutCheckBox(20, {13, 12}, 0, {30, 3, 40, 14});
  EXPECT_EQ(layout.caption, (RectF{18, 3, 40, 14}));
  EXPECT_EQ(layout.focus, (RectF{16, 1, 45, 19}));
}

TEST(CheckBoxLayout, StateNames) {
  struct Case {
    bool radio;
    int state;
    bool ticked;
    const char* name;
  };
  const Case kCases[] = {
      {false, 0, false, "normal"},   {false, 0, true, "normal_ck"},  {false, 128, true, "highlight_ck"},
      {false, 8, false, "down"},     {false, 4, false, "normal"},     {false, 4, true, "normal_ck"},
      {true, 4, false, "focus"},     {true, 4, true, "focus_ck"},     {true, 8, true, "down_ck"},
      {true, 128, false, "highlight"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.radio << " " << c.state << " " << c.ticked);
    EXPECT_EQ(CheckBoxStateName(c.radio, c.state, c.ticked), c.name);
  }
}

TEST(CheckBoxLayout, OnlyATickedButtonOfTheSameGroupClears) {
  EXPECT_TRUE(RadioClearsOnGroupMessage(true, false, 7, 7));
  EXPECT_FALSE(RadioClearsOnGroupMessage(true, false, 7, 8));  // same parent, other group
  EXPECT_FALSE(RadioClearsOnGroupMessage(false, false, 7, 7));
  EXPECT_FALSE(RadioClearsOnGroupMessage(true, true, 7, 7));
}

}  // namespace
}  // namespace tabulo::ui
