// A window whose fill type fits its picture into the content rectangle
// keeps only the picture as drawn there, not the decoded picture, and gives
// the same pixels as drawing the whole picture; a new size fits it anew.
#include <gtest/gtest.h>

#include "ui/skin/skin_draw.h"
#include "ui/skin/window_background.h"
#include "ui/skin/window_shape.h"
#include "win/ui/skin/skin_fixture.h"
#include "win/ui/engine_fixture.h"

namespace tabulo::ui {
namespace {

// Much larger than the window, with a colour that changes at every pixel,
// so any scaling shows in the result.
std::vector<std::uint8_t> GradientPng() {
  return test::EncodePng(*test::PaintBitmap(640, 480, [](int x, int y) {
    return 0xFF000000u | (static_cast<Argb>(x * 255 / 639) << 16) | (static_cast<Argb>(y * 255 / 479) << 8) | 0x40u;
  }));
}

// The background as it was painted from the whole decoded picture.
std::vector<std::uint32_t> PaintedFromWholePicture(std::span<const std::uint8_t> png, FillType fill, Size size) {
  Canvas surface;
  EXPECT_TRUE(surface.Create(size.width, size.height, Gdiplus::TextRenderingHintSystemDefault));
  const auto picture = LoadBackgroundPicture(png, fill, {});
  const WindowShape shape = WindowShape::Build({0, 0, size.width, size.height}, -1);
  WindowBackground in;
  in.window = size;
  in.shape = &shape;
  in.background = 0x0000FF;
  in.picture = picture.get();
  in.fillType = fill;
  in.grid = RectF{100, 100, 440, 280};
  PaintWindowBackground(*surface.graphics(), in);
  surface.Flush();
  return {surface.pixels().begin(), surface.pixels().end()};
}

std::vector<std::uint32_t> BackgroundPixels(const UiWindow& window) {
  window.BackgroundSurface().Flush();
  const auto pixels = window.BackgroundSurface().pixels();
  return {pixels.begin(), pixels.end()};
}

class FittedBackgroundTest : public testing::BoundWindowTest {};

TEST_F(FittedBackgroundTest, KeepsOnlyThePictureAsDrawnAndDrawsTheSamePixels) {
  const std::vector<std::uint8_t> png = GradientPng();
  for (FillType fill : {FillType::kStretch, FillType::kCentre, FillType::kNineGrid}) {
    SCOPED_TRACE(static_cast<int>(fill));
    BindOptions options;
    options.background = png;
    options.fillType = fill;
    options.grid = RectF{100, 100, 440, 280};
    options.cornerRadius = 0;
    Bind(options, 200, 150);
    EXPECT_EQ(window.BackgroundPicture(), nullptr) << "the decoded picture stays after it was drawn";
    EXPECT_EQ(BackgroundPixels(window), PaintedFromWholePicture(png, fill, {200, 150}));

    SetWindowPos(hwnd, nullptr, 0, 0, 300, 220, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    window.PaintBackground();
    EXPECT_EQ(BackgroundPixels(window), PaintedFromWholePicture(png, fill, {300, 220})) << "not fitted anew";
    DestroyWindow(hwnd);
  }
}

}  // namespace
}  // namespace tabulo::ui
