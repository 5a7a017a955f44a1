#include "ui/skin/window_background.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "ui/skin/skin_draw.h"
#include "ui/skin/window_shape.h"
#include "ui/skin/window_skin_values.h"
#include "win/ui/skin/skin_fixture.h"

namespace tabulo::ui {
namespace {

constexpr Argb kWhite = 0xFFFFFFFF;
constexpr Argb kRed = 0xFFFF0000;
constexpr Argb kBlue = 0xFF0000FF;

// Equal up to the rounding of premultiplied storage.
testing::AssertionResult NearColour(Argb actual, Argb expected) {
  for (int shift : {0, 8, 16, 24}) {
    const int a = static_cast<int>((actual >> shift) & 0xFF), e = static_cast<int>((expected >> shift) & 0xFF);
    if (std::abs(a - e) > 1) return testing::AssertionFailure() << std::hex << actual << " is not " << expected;
  }
  return testing::AssertionSuccess();
}

std::vector<std::uint8_t> SolidPng(int width, int height, Argb colour) {
  return test::EncodePng(*test::PaintBitmap(width, height, [&](int, int) { return colour; }));
}

TEST(WindowBackground, NaturalSizePictureSitsAtItsOffsetWithFadedEdges) {
  test::Surface s(100, 60);
  const auto picture = LoadBackgroundPicture(SolidPng(30, 20, kRed), FillType::kNatural, {10, 0});
  ASSERT_TRUE(picture);
  const WindowShape shape = WindowShape::Build({0, 0, 100, 60}, -1);
  WindowBackground in;
  in.window = {100, 60};
  in.shape = &shape;
  in.background = 0xFFFFFF;
  in.picture = picture.get();
  in.fillType = FillType::kNatural;
  in.offset = {10, 0};
  PaintWindowBackground(*s.graphics, in);

  EXPECT_EQ(s.at(9, 5), kWhite) << "left of the picture";
  EXPECT_EQ(s.at(15, 5), kRed) << "inside, past the fade";
  EXPECT_EQ(s.at(25, 14), kRed);
  // Offset from the left: the left edge fades (K = 5) as do right and bottom;
  // the top edge at y = 0 does not.
  EXPECT_EQ(s.at(10, 5), kWhite);
  EXPECT_EQ(GreenOf(s.at(12, 5)), 255 - 255 * 2 / 5);
  EXPECT_EQ(s.at(39, 5), kWhite);
  EXPECT_EQ(s.at(25, 19), kWhite);
  EXPECT_EQ(s.at(25, 0), kRed);
  EXPECT_EQ(s.at(41, 5), kWhite) << "natural size, not stretched";
}

// The window draws only the part of a picture at its own size that falls
// on it; every pixel is what drawing the whole picture gave.
TEST(WindowBackground, APictureLargerThanTheWindowDrawsAsTheWholePictureWould) {
  const auto picture = test::PaintBitmap(60, 50, [](int x, int y) { return 0xFF000000u | (x * 4u) << 16 | (y * 5u) << 8 | 0x40u; });
  constexpr int kWidth = 20, kHeight = 30;
  constexpr std::uint8_t kAlpha = 210;
  const WindowShape shape = WindowShape::Build({0, 0, kWidth, kHeight}, -1);
  WindowBackground in;
  in.window = {kWidth, kHeight};
  in.shape = &shape;
  in.background = 0xFFFFFF;
  in.windowAlpha = kAlpha;
  in.picture = picture.get();
  in.fillType = FillType::kNatural;
  in.offset = {3, 4};
  test::Surface window(kWidth, kHeight);
  PaintWindowBackground(*window.graphics, in);

  test::Surface whole(kWidth, kHeight);
  whole.graphics->SetClip(Gdiplus::Rect(0, 0, kWidth, kHeight));
  whole.graphics->Clear(Gdiplus::Color(ToArgb(0xFFFFFF, kAlpha)));
  ASSERT_TRUE(DrawWithFillType(*whole.graphics, *picture, {0, 0, 60, 50}, {3, 4, 60, 50}, FillType::kNatural, {}, kAlpha));
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) ASSERT_EQ(window.at(x, y), whole.at(x, y)) << x << ", " << y;
  }
}

class ShadowBand : public testing::Test {
 protected:
  void SetUp() override {
    ThemePackageData data;
    data.images[1] = SolidPng(40, 40, kBlue);
    data.table.Set(PictureKey(kHostWindowShadow, "rect"), SkinPicture{{0, 0, 40, 40}, 1});
    data.table.Set(PictureKey(kHostWindowShadow, "gird"), SkinPicture{{10, 10, 20, 20}, 0});
    package = test::OpenPackage(data);
    ASSERT_TRUE(package);
  }
  std::unique_ptr<ResourcePackage> package;
};

TEST_F(ShadowBand, OnlyLayeredWindowsWithAThemeGetTheBandAndOnlyOutsideTheContent) {
  const struct {
    const char* what;
    int alpha;
    bool withPackage;
    Argb band;
  } kCases[] = {
      {"layered", 200, true, kBlue},
      {"opaque", -1, true, 0},
      {"no theme", 200, false, 0},
  };
  const WindowShape shape = WindowShape::Build({10, 10, 80, 60}, 0);
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    test::Surface s(100, 80);
    WindowBackground in;
    in.window = {100, 80};
    in.shape = &shape;
    in.background = 0xFFFFFF;
    in.windowAlpha = c.alpha;
    in.package = c.withPackage ? package.get() : nullptr;
    in.shadowElement = kHostWindowShadow;
    PaintWindowBackground(*s.graphics, in);
    const Argb content = c.alpha < 0 ? kWhite : (static_cast<Argb>(c.alpha) << 24 | 0xFFFFFF);
    for (const Point p : {Point{2, 2}, Point{50, 5}, Point{95, 75}, Point{9, 40}})
      EXPECT_EQ(s.at(p.x, p.y), c.band) << p.x << "," << p.y;
    for (const Point p : {Point{10, 10}, Point{50, 40}, Point{89, 69}})
      EXPECT_TRUE(NearColour(s.at(p.x, p.y), content)) << p.x << "," << p.y;
  }
}

TEST(WindowBackground, BorderRingsRunInsideTheRoundedContentEdge) {
  test::Surface s(60, 40);
  const WindowShape shape = WindowShape::Build({0, 0, 60, 40}, 8);
  const Rgb rings[] = {0x0000FF, 0x00FF00};  // red, then green (RGB: red in the low byte)
  WindowBackground in;
  in.window = {60, 40};
  in.shape = &shape;
  in.background = 0xFFFFFF;
  in.borderColours = rings;
  PaintWindowBackground(*s.graphics, in);

  EXPECT_EQ(s.at(0, 0), 0u) << "outside the rounded shape stays clear";
  EXPECT_EQ(s.at(59, 39), 0u);
  EXPECT_EQ(s.at(0, 20), kRed);
  EXPECT_EQ(s.at(1, 20), 0xFF00FF00u);
  EXPECT_EQ(s.at(2, 20), kWhite);
  EXPECT_EQ(s.at(30, 0), kRed);
  EXPECT_EQ(s.at(59, 20), kRed);
  EXPECT_EQ(s.at(30, 39), kRed);
  EXPECT_EQ(s.at(30, 38), 0xFF00FF00u);
}

}  // namespace
}  // namespace tabulo::ui
