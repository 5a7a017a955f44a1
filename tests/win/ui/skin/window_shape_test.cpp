#include "ui/skin/window_shape.h"

#include <gtest/gtest.h>

#include "win/ui/skin/skin_fixture.h"

namespace tabulo::ui {
namespace {

TEST(WindowShape, PositiveRadiusRoundsTheCornersOtherwiseSquare) {
  test::StartGdiplus();
  const Rect content{10, 8, 100, 60};
  const struct {
    int radius;
    bool rounded;
  } kCases[] = {{8, true}, {0, false}, {-1, false}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.radius);
    const WindowShape shape = WindowShape::Build(content, c.radius);
    ASSERT_TRUE(shape.shape());
    EXPECT_EQ(PtInRegion(shape.shape(), 10, 8) != 0, !c.rounded) << "top-left corner pixel";
    EXPECT_EQ(PtInRegion(shape.shape(), 109, 67) != 0, !c.rounded) << "bottom-right corner pixel";
    EXPECT_TRUE(PtInRegion(shape.shape(), 60, 8)) << "middle of the top edge";
    EXPECT_TRUE(PtInRegion(shape.shape(), 10, 38)) << "middle of the left edge";
    EXPECT_FALSE(PtInRegion(shape.shape(), 9, 38));
    EXPECT_FALSE(PtInRegion(shape.shape(), 60, 7));
    // The inner clip is one pixel in.
    EXPECT_FALSE(PtInRegion(shape.innerClip(), 60, 8));
    EXPECT_TRUE(PtInRegion(shape.innerClip(), 60, 9));
    ASSERT_TRUE(shape.clip());
  }
}

TEST(WindowShape, AWindowSmallerThanItsMarginsHasNoContent) {
  // A 10 x 10 window with 12-pixel margins: the content "rectangle" is reversed.
  for (const int radius : {6, -1}) {
    SCOPED_TRACE(radius);
    const WindowShape shape = WindowShape::Build({12, 12, -14, -14}, radius);
    RECT box{};
    EXPECT_EQ(GetRgnBox(shape.shape(), &box), NULLREGION);
    EXPECT_FALSE(PtInRegion(shape.shape(), 5, 5));
  }
}

TEST(WindowShape, CopiesAreIndependentAndNothingIsLeftBehind) {
  const int before = LiveHandles(HandleKind::kRegion);
  {
    WindowShape shape = WindowShape::Build({0, 0, 50, 40}, 6);
    UniqueRegion copy = shape.CopyShape();
    ASSERT_TRUE(copy);
    EXPECT_NE(copy.get(), shape.shape());
    EXPECT_TRUE(EqualRgn(copy.get(), shape.shape()));
    // Handing the copy to SetWindowRgn means giving it up.
    HRGN given = copy.release();
    EXPECT_FALSE(copy);
    DeleteObject(given);
    WindowShape moved = std::move(shape);
    EXPECT_TRUE(moved.shape());
  }
  EXPECT_EQ(LiveHandles(HandleKind::kRegion), before);
}

}  // namespace
}  // namespace tabulo::ui
