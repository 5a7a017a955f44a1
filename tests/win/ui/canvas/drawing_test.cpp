// The canvas drawing helpers: text with the right alpha, greyscale
// ClearType through the service, and frames.
#include "win/ui/engine_fixture.h"
#include "ui/canvas/canvas.h"
#include "ui/canvas/drawing.h"
#include "ui/engine/fonts.h"

namespace tabulo::ui::testing {
namespace {

std::uint8_t MaxAlpha(const Canvas& canvas) {
  canvas.Flush();
  std::uint8_t max = 0;
  for (const std::uint32_t p : canvas.pixels()) max = std::max<std::uint8_t>(max, static_cast<std::uint8_t>(p >> 24));
  return max;
}

TEST(Drawing, OpaqueTextIsDrawnWithAlpha254AndNoTextWithAlpha0) {
  EngineStart();
  auto font = CreateFontFromName("Arial", 20, Gdiplus::FontStyleBold, Gdiplus::UnitPixel);
  ASSERT_TRUE(font) << "no font: is the Wine prefix's font mapping in place?";
  Canvas canvas;
  ASSERT_TRUE(canvas.Create(80, 30, Gdiplus::TextRenderingHintAntiAlias));
  DrawText(canvas.graphics(), {0, 0, 80, 30}, L"MMMM", font.get(), 0xFF000000u, nullptr);
  EXPECT_EQ(MaxAlpha(canvas), 254);
  canvas.Clear(0);
  DrawText(canvas.graphics(), {0, 0, 80, 30}, L"MMMM", font.get(), 0x00000000u, nullptr);
  EXPECT_EQ(MaxAlpha(canvas), 0);
  // With a glow only the halo shows, in the automatic colour: black for
  // text that is not opaque.
  DrawText(canvas.graphics(), {0, 0, 80, 30}, L"MMMM", font.get(), 0x00000000u, nullptr, TextEffect::kGlow);
  EXPECT_GT(MaxAlpha(canvas), 0);
  for (const std::uint32_t p : canvas.pixels()) ASSERT_EQ(p & 0x00FFFFFFu, 0u);
}

TEST(Drawing, ClearTypeTextGoesToTheServiceWhichKeepsItsAlphaRight) {
  EngineStart();
  if (!Engine().service) EngineInitialise({});
  auto font = CreateFontFromName("Arial", 20, Gdiplus::FontStyleBold, Gdiplus::UnitPixel);
  ASSERT_TRUE(font);
  Canvas canvas;
  ASSERT_TRUE(canvas.Create(80, 30, Gdiplus::TextRenderingHintClearTypeGridFit));
  DrawText(canvas.graphics(), {0, 0, 80, 30}, L"MMMM", font.get(), 0xFF000000u, nullptr);
  EXPECT_EQ(MaxAlpha(canvas), 254);
  // Greyscale edges: a pixel's colour never exceeds its alpha (premultiplied)
  // and black text has no colour fringes.
  for (const std::uint32_t p : canvas.pixels()) ASSERT_EQ(p & 0x00FFFFFFu, 0u);
  EXPECT_EQ(canvas.graphics()->GetTextRenderingHint(), Gdiplus::TextRenderingHintClearTypeGridFit);
}

TEST(Drawing, FramesDrawTheirEdgesOnly) {
  Canvas canvas;
  ASSERT_TRUE(canvas.Create(10, 10, Gdiplus::TextRenderingHintAntiAlias));
  DrawFrame(canvas.graphics(), {0, 0, 10, 10}, 0xFF112233u);
  canvas.Flush();
  EXPECT_EQ(canvas.Pixel(0, 0), 0xFF112233u);
  EXPECT_EQ(canvas.Pixel(9, 9), 0xFF112233u);
  EXPECT_EQ(canvas.Pixel(5, 5), 0u);
  canvas.Clear(0);
  DrawFrame(canvas.graphics(), {0, 0, 10, 10}, kFrameSunken);
  canvas.Flush();
  EXPECT_EQ(canvas.Pixel(5, 0) >> 24, 110u);  // dark top edge
  EXPECT_EQ(canvas.Pixel(5, 9) >> 24, 245u);  // light bottom edge
}

}  // namespace
}  // namespace tabulo::ui::testing
