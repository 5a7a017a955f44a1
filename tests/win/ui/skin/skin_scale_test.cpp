// Skin pictures and the window background on a scaled canvas: pictures land
// on whole device pixels (no seam between nine-grid pieces, no empty first
// column, corners drawn at their scaled size) and the border rings are
// bands of whole pixels at the content edge.
#include <gtest/gtest.h>

#include "ui/canvas/canvas.h"
#include "ui/skin/skin_draw.h"
#include "ui/skin/skin_image.h"
#include "ui/skin/window_background.h"
#include "ui/skin/window_shape.h"
#include "win/ui/skin/skin_fixture.h"

namespace tabulo::ui {
namespace {

constexpr int kScaledDpis[] = {120, 144, 168, 192};
constexpr Argb kRed = 0xFFFF0000;
constexpr Argb kGreen = 0xFF00C000;
constexpr Argb kBlue = 0xFF0000FF;

Canvas ScaledCanvas(int dpi, int width, int height) {
  test::StartGdiplus();
  Canvas canvas;
  EXPECT_TRUE(canvas.Create(width, height, Gdiplus::TextRenderingHintAntiAlias, {DpiScale(dpi), {}}));
  return canvas;
}

// Every pixel inside `pixels` fully opaque and every pixel outside empty.
testing::AssertionResult CoversExactly(const Canvas& canvas, const Rect& pixels) {
  canvas.Flush();
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const std::uint32_t alpha = canvas.Pixel(x, y) >> 24;
      if (alpha != (pixels.contains({x, y}) ? 0xFFu : 0u)) {
        return testing::AssertionFailure() << "alpha " << alpha << " at " << x << "," << y;
      }
    }
  }
  return testing::AssertionSuccess();
}

TEST(SkinScale, ANineGridCoversItsDevicePixelsWithoutSeamsAndScalesItsCorners) {
  // 9 x 9: red 3 x 3 corners around a green cross.
  const auto picture = test::PaintBitmap(9, 9, [](int x, int y) {
    const bool corner = (x < 3 || x >= 6) && (y < 3 || y >= 6);
    return corner ? kRed : kGreen;
  });
  const Rect target{3, 5, 21, 17};  // odd place and size: fractional pixel edges at every scale
  for (const int dpi : kScaledDpis) {
    SCOPED_TRACE(testing::Message() << dpi << " dpi");
    const DpiScale scale(dpi);
    Canvas canvas = ScaledCanvas(dpi, 64, 64);
    ASSERT_TRUE(DrawNineGrid(*canvas.graphics(), *picture, {3, 3, 3, 3}, target));
    EXPECT_TRUE(CoversExactly(canvas, scale.ToPixels(target)));
    // The top-left corner is red over exactly its scaled size, green right
    // after it.
    const Rect corner = scale.ToPixels(Rect{3, 5, 3, 3});
    for (int y = corner.y; y < corner.bottom(); ++y) {
      for (int x = corner.x; x < corner.right(); ++x) ASSERT_EQ(canvas.Pixel(x, y), kRed) << x << "," << y;
    }
    EXPECT_EQ(canvas.Pixel(corner.right(), corner.y), kGreen);
    EXPECT_EQ(canvas.Pixel(corner.x, corner.bottom()), kGreen);
  }
}

TEST(SkinScale, APictureAtItsNaturalSizeFillsItsScaledPixelsFromTheFirstColumn) {
  const auto picture = test::PaintBitmap(10, 10, [](int, int) { return kBlue; });
  for (const int dpi : kScaledDpis) {
    SCOPED_TRACE(testing::Message() << dpi << " dpi");
    for (const Point at : {Point{0, 0}, Point{3, 3}, Point{7, 1}}) {
      SCOPED_TRACE(testing::Message() << "at " << at.x << "," << at.y);
      Canvas canvas = ScaledCanvas(dpi, 48, 48);
      const Rect target{at.x, at.y, 10, 10};
      DrawImagePart(*canvas.graphics(), *picture, target, {0, 0, 10, 10}, nullptr);
      EXPECT_TRUE(CoversExactly(canvas, DpiScale(dpi).ToPixels(target)));
    }
  }
}

TEST(SkinScale, BorderRingsAreWholePixelBandsAtTheContentEdge) {
  const DpiScale scale(144);
  Canvas canvas = ScaledCanvas(144, 60, 45);  // 40 x 30 units
  const WindowShape shape = WindowShape::Build({0, 0, 60, 45}, -1);
  const Rgb rings[] = {0xFF0000, 0x0000FF};  // blue outside, red inside
  WindowBackground in;
  in.window = {60, 45};
  in.scale = scale;
  in.shape = &shape;
  in.background = 0x00C000;
  in.borderColours = rings;
  PaintWindowBackground(*canvas.graphics(), in);
  canvas.Flush();
  // Ring 0 is pixels [0, Length(1)) = 2 wide, ring 1 [2, Length(2)) = 1.
  const Argb across[] = {kBlue, kBlue, kRed, kGreen};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(canvas.Pixel(i, 22), across[i]);
    EXPECT_EQ(canvas.Pixel(59 - i, 22), across[i]);
    EXPECT_EQ(canvas.Pixel(30, i), across[i]);
    EXPECT_EQ(canvas.Pixel(30, 44 - i), across[i]);
  }
}

}  // namespace
}  // namespace tabulo::ui
