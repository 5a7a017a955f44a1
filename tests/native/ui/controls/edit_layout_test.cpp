#include "ui/controls/edit_layout.h"

#include <gtest/gtest.h>

#include <limits>

namespace tabulo::ui {
namespace {

TEST(EditLayout, MulDivRoundsLikeWindows) {
  EXPECT_EQ(MulDivRounded(5, 2540, 96), 132);  // 132.29
  EXPECT_EQ(MulDivRounded(-5, 2540, 96), -132);
  EXPECT_EQ(MulDivRounded(1, 1, 2), 1);  // halves away from zero
  EXPECT_EQ(MulDivRounded(-1, 1, 2), -1);
  EXPECT_EQ(MulDivRounded(7, 3, -2), -11);
  EXPECT_EQ(MulDivRounded(100000, 100000, 1000), 10000000);  // no overflow in between
  EXPECT_EQ(MulDivRounded(5, 1, 0), -1);
  EXPECT_EQ(MulDivRounded(std::numeric_limits<int>::max(), 2, 1), -1);
  EXPECT_EQ(HimetricFromPixels(5, 0), 132);
}

TEST(EditLayout, SingleLineIsCentredByTheTopInset) {
  struct Case {
    const char* why;
    EditLayoutInput in;
    Rect textRect;
    int insetTop;
  };
  const Case kCases[] = {
      {"24 px with a 14 px line: 5 px", {{100, 24}, {}, 0, 0, false, 0, 14}, {0, 0, 100, 24}, 132},
      {"odd room is cut", {{100, 25}, {}, 0, 0, false, 0, 14}, {0, 0, 100, 25}, 132},
      {"skin margin", {{100, 24}, {3, 4, -3, -4}, 0, 0, false, 0, 14}, {3, 4, 94, 16}, 26},
      {"border: 2 px inside", {{100, 24}, {3, 4, -3, -4}, 3, 0, false, 0, 14}, {2, 2, 96, 20}, 79},
      {"background alone keeps the whole control", {{100, 24}, {3, 4, -3, -4}, 0, 0xFFFFFFFF, false, 0, 14},
       {0, 0, 100, 24}, 132},
      {"line taller than the field", {{100, 10}, {}, 0, 0, false, 0, 14}, {0, 0, 100, 10}, -53},
      {"120 dpi", {{100, 24}, {}, 0, 0, false, 0, 14, 96, 120}, {0, 0, 100, 24}, 106},
      {"bars ignored on a single line", {{100, 24}, {}, 0, 0, false, 3, 14}, {0, 0, 100, 24}, 132},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.why);
    const EditLayout layout = LayOutEdit(c.in);
    EXPECT_EQ(layout.textRect, c.textRect);
    EXPECT_EQ(layout.viewInset, (HimetricInset{0, c.insetTop, 0, 0}));
    EXPECT_FALSE(layout.verticalBar);
    EXPECT_FALSE(layout.horizontalBar);
  }
  const EditLayout plain = LayOutEdit({{100, 24}, {}, 0, 0, false, 0, 14});
  EXPECT_EQ(plain.extent, (Size{2646, 635}));
}

TEST(EditLayout, MultiLineBars) {
  const EditLayout both = LayOutEdit({{200, 100}, {}, 0, 0, true, 3, 14});
  EXPECT_EQ(both.textRect, (Rect{0, 0, 189, 89}));
  EXPECT_EQ(both.viewInset, HimetricInset{});
  ASSERT_TRUE(both.verticalBar);
  ASSERT_TRUE(both.horizontalBar);
  EXPECT_EQ(both.verticalBar->rect, (Rect{190, 0, 10, 100}));
  EXPECT_EQ(both.horizontalBar->rect, (Rect{0, 90, 189, 10}));
  EXPECT_EQ(both.verticalBar->pageSize, 89);
  EXPECT_EQ(both.horizontalBar->pageSize, 189);
  EXPECT_EQ(both.verticalBar->lineStep, 14);
  EXPECT_EQ(both.verticalBar->pageStep, 42);

  const EditLayout vertical = LayOutEdit({{200, 100}, {}, 3, 0, true, 2, 14});
  EXPECT_EQ(vertical.textRect, (Rect{2, 2, 185, 96}));
  ASSERT_TRUE(vertical.verticalBar);
  EXPECT_EQ(vertical.verticalBar->rect, (Rect{188, 2, 10, 96}));
  EXPECT_EQ(vertical.verticalBar->pageSize, 96);
  EXPECT_FALSE(vertical.horizontalBar);
}

}  // namespace
}  // namespace tabulo::ui
