// A canvas made with a scale mapping draws in 96-DPI units onto its pixels;
// made without one it is left exactly as before (no transform at all).
#include <gtest/gtest.h>

#include "ui/canvas/canvas.h"

namespace tabulo::ui::testing {
namespace {

// The bounding box of the canvas's fully opaque pixels, and whether every
// pixel inside it is opaque and every pixel outside it is empty.
struct Coverage {
  Rect opaque;
  bool solid = true;
};

Coverage CoverageOf(const Canvas& canvas) {
  canvas.Flush();
  int left = canvas.width(), top = canvas.height(), right = 0, bottom = 0;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      if (canvas.Pixel(x, y) >> 24 == 0xFF) {
        left = std::min(left, x), top = std::min(top, y);
        right = std::max(right, x + 1), bottom = std::max(bottom, y + 1);
      }
    }
  }
  Coverage c{{left, top, std::max(right - left, 0), std::max(bottom - top, 0)}};
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const std::uint32_t alpha = canvas.Pixel(x, y) >> 24;
      if (alpha != (c.opaque.contains({x, y}) ? 0xFFu : 0u)) c.solid = false;
    }
  }
  return c;
}

bool IsTransformIdentity(Gdiplus::Graphics& graphics) {
  Gdiplus::Matrix transform;
  graphics.GetTransform(&transform);
  return transform.IsIdentity() != FALSE;
}

void Fill(const Canvas& canvas, const Rect& units) {
  const Gdiplus::SolidBrush brush(Gdiplus::Color(255, 200, 30, 40));
  canvas.graphics()->FillRectangle(&brush, units.x, units.y, units.width, units.height);
}

TEST(CanvasScale, AUnitRectangleFillsExactlyItsPixelEdges) {
  struct Case {
    int dpi;
    Rect units;
    Gdiplus::PointF offset;
  };
  const Case cases[] = {
      {144, {0, 0, 10, 10}, {}},  // 0..14 filled, nothing at 15
      {120, {3, 5, 21, 13}, {}},
      {144, {5, 7, 21, 13}, {}},
      {168, {5, 7, 21, 13}, {}},
      {192, {1, 1, 7, 9}, {}},
      // A control's canvas: unit 0 lands half a pixel in, as it does on the
      // window canvas for a control at 5 units (7.5 px, its canvas from 8).
      {144, {0, 0, 20, 8}, {-0.5f, -0.5f}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.dpi << " dpi, units " << c.units.x << "," << c.units.y << " "
                                      << c.units.width << "x" << c.units.height);
    const DpiScale scale(c.dpi);
    Canvas canvas;
    ASSERT_TRUE(canvas.Create(64, 64, Gdiplus::TextRenderingHintAntiAlias, {scale, c.offset}));
    EXPECT_EQ(canvas.scale(), scale);
    Fill(canvas, c.units);
    const Coverage covered = CoverageOf(canvas);
    EXPECT_TRUE(covered.solid);
    const Rect expected = c.offset.X == 0 ? scale.ToPixels(c.units) : Rect{0, 0, 30, 12};
    EXPECT_EQ(covered.opaque, expected);
  }
}

TEST(CanvasScale, WithoutAMappingTheGraphicsIsUntouched) {
  Canvas canvas;
  ASSERT_TRUE(canvas.Create(16, 16, Gdiplus::TextRenderingHintAntiAlias));
  EXPECT_TRUE(IsTransformIdentity(*canvas.graphics()));
  EXPECT_TRUE(canvas.scale().IsIdentity());
  Gdiplus::Graphics plain(canvas.dc());
  EXPECT_EQ(canvas.graphics()->GetInterpolationMode(), plain.GetInterpolationMode());
  // A mapping that is the identity is the same as none.
  ASSERT_TRUE(canvas.Create(16, 16, Gdiplus::TextRenderingHintAntiAlias, {DpiScale(96), {}}));
  EXPECT_TRUE(IsTransformIdentity(*canvas.graphics()));
  EXPECT_EQ(canvas.graphics()->GetInterpolationMode(), plain.GetInterpolationMode());
}

TEST(CanvasScale, DeviceSpaceDrawsInPixelsAndPutsTheScaleBack) {
  Canvas canvas;
  ASSERT_TRUE(canvas.Create(64, 64, Gdiplus::TextRenderingHintAntiAlias, {DpiScale(144), {}}));
  {
    const DeviceSpace device(*canvas.graphics());
    EXPECT_TRUE(IsTransformIdentity(*canvas.graphics()));
    Fill(canvas, {0, 0, 10, 10});
    // A clip set in pixels stays in pixels once the scale is back.
    canvas.graphics()->SetClip(Gdiplus::Rect(0, 0, 6, 64));
  }
  EXPECT_FALSE(IsTransformIdentity(*canvas.graphics()));
  EXPECT_EQ(CoverageOf(canvas).opaque, (Rect{0, 0, 10, 10}));
  canvas.Clear(0);
  Fill(canvas, {0, 0, 20, 20});  // 30 px under the scale, cut at 6 px by the clip
  EXPECT_EQ(CoverageOf(canvas).opaque, (Rect{0, 0, 6, 30}));
}

}  // namespace
}  // namespace tabulo::ui::testing
