#include "ui/skin/skin_draw.h"

#include <gtest/gtest.h>

#include <limits>

#include "win/ui/skin/skin_fixture.h"
#include "ui/skin/nine_grid.h"

namespace tabulo::ui {
namespace {

using test::OpenPackage;
using test::PaintBitmap;
using test::Surface;

// The "Box" picture is 30 x 20 at (5, 7) of sheet 1, every pixel telling
// its own position; the rest of the sheet is magenta, so drawing anything
// from outside the picture shows.
constexpr Argb kMagenta = 0xFFFF00FF;
constexpr Argb kGreen = 0xFF00C000;
constexpr Argb kBlue = 0xFF0000C0;
constexpr int kPictureX = 5, kPictureY = 7, kPictureW = 30, kPictureH = 20;
constexpr Rect kGrid{8, 5, 12, 9};  // right margin 10, bottom margin 6

Argb PictureColour(int x, int y) { return 0xFF000040u | (static_cast<Argb>(x) << 16) | (static_cast<Argb>(y) << 8); }
Point PositionOf(Argb colour) { return {static_cast<int>((colour >> 16) & 0xFF), static_cast<int>((colour >> 8) & 0xFF)}; }

class SkinDraw : public testing::Test {
 protected:
  void SetUp() override {
    ThemePackageData data;
    data.images[1] = test::EncodePng(*PaintBitmap(50, 40, [](int x, int y) {
      const bool inside = x >= kPictureX && x < kPictureX + kPictureW && y >= kPictureY && y < kPictureY + kPictureH;
      return inside ? PictureColour(x - kPictureX, y - kPictureY) : kMagenta;
    }));
    data.images[2] = test::EncodePng(*PaintBitmap(20, 10, [](int x, int) { return x < 10 ? kGreen : kBlue; }));
    const SkinPicture box{{kPictureX, kPictureY, kPictureW, kPictureH}, 1};
    data.table.Set(PictureKey("Box", "normal"), box);
    data.table.Set(PictureKey("Box", "gird"), SkinPicture{{8, 5, 12, 9}, 0});
    data.table.Set(PictureKey("Plain", "normal"), box);
    data.table.Set(PictureKey("Plain", "highlight"), SkinPicture{{0, 0, 10, 10}, 2});
    data.table.Set(PictureKey("Plain", "down"), SkinPicture{{10, 0, 10, 10}, 2});
    data.table.Set(TextKey("Plain", "filltype"), std::string("1"));
    data.table.Set(PictureKey("Ghost", "normal"), SkinPicture{{0, 0, 4, 4}, 9});            // no image 9
    data.table.Set(PictureKey("Outside", "normal"), SkinPicture{{40, 30, 20, 20}, 1});     // beyond the sheet
    // Fill types no picture has: a damaged theme.
    for (const char* fill : {"-1", "4"}) {
      const std::string element = std::string("Fill") + fill;
      data.table.Set(PictureKey(element, "normal"), box);
      data.table.Set(TextKey(element, "filltype"), std::string(fill));
    }
    // Grids reaching outside their picture: a damaged theme.
    data.table.Set(PictureKey("FarGrid", "normal"), box);
    data.table.Set(PictureKey("FarGrid", "gird"), SkinPicture{{-8000, 0, 8030, 20}, 0});
    data.table.Set(PictureKey("Overhang", "normal"), box);
    data.table.Set(PictureKey("Overhang", "gird"), SkinPicture{{8, 5, 30, 9}, 0});
    package = OpenPackage(data);
    ASSERT_TRUE(package);
  }

  template <typename Check>
  void ForEachPixel(Surface& s, int width, int height, Check check) {
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        check(x, y, s.at(x, y));
        if (HasFatalFailure() || HasNonfatalFailure()) return;
      }
  }

  std::unique_ptr<ResourcePackage> package;
};

TEST_F(SkinDraw, NineGridAtThePicturesOwnSizeReproducesIt) {
  Surface s(50, 40);
  ASSERT_TRUE(DrawSkinElement(package.get(), *s.graphics, "Box", {10, 12, 30, 20}, 0));
  ForEachPixel(s, 50, 40, [](int x, int y, Argb c) {
    const bool inside = Rect{10, 12, 30, 20}.contains({x, y});
    EXPECT_EQ(c, inside ? PictureColour(x - 10, y - 12) : 0u) << x << "," << y;
  });
}

TEST_F(SkinDraw, NineGridSmallerThanItsMarginsShowsOnlyTheCorners) {
  Surface s(20, 20);
  ASSERT_TRUE(DrawSkinElement(package.get(), *s.graphics, "Box", {0, 0, 14, 9}, 0));
  ForEachPixel(s, 14, 9, [](int x, int y, Argb c) {
    const Point p = PositionOf(c);
    const bool corner = (p.x < kGrid.x || p.x >= kGrid.right()) && (p.y < kGrid.y || p.y >= kGrid.bottom());
    EXPECT_TRUE(corner && c >> 24 == 0xFF) << x << "," << y << " shows picture pixel " << p.x << "," << p.y;
  });
  EXPECT_EQ(s.at(0, 0), PictureColour(0, 0));
  EXPECT_EQ(s.at(13, 8), PictureColour(kPictureW - 1, kPictureH - 1));
  EXPECT_EQ(s.at(14, 0), 0u);
}

TEST_F(SkinDraw, AlphaScalesEveryPieceAndStretchedEdgesStayOpaque) {
  for (const std::uint8_t alpha : {std::uint8_t{255}, std::uint8_t{128}}) {
    SCOPED_TRACE(alpha);
    Surface s(70, 50);
    ASSERT_TRUE(DrawSkinElement(package.get(), *s.graphics, "Box", {0, 0, 70, 50}, 0, "gird", std::nullopt, alpha));
    ForEachPixel(s, 70, 50, [&](int x, int y, Argb c) {
      EXPECT_NEAR(static_cast<int>(c >> 24), alpha, 1) << x << "," << y;
      EXPECT_NE(c | 0xFF000000u, kMagenta) << "sheet bleeds in at " << x << "," << y;
    });
  }
}

TEST_F(SkinDraw, CentredFillLetsALargerPictureReachPastTheTarget) {
  Surface s(50, 40);
  ASSERT_TRUE(DrawSkinElement(package.get(), *s.graphics, "Plain", {20, 15, 10, 10}, 0, "gird", FillType::kCentre));
  // 30 x 20 centred on a 10 x 10 target at (20, 15): from (10, 10) to (40, 30).
  EXPECT_EQ(s.at(10, 10), PictureColour(0, 0));
  EXPECT_EQ(s.at(39, 29), PictureColour(kPictureW - 1, kPictureH - 1));
  EXPECT_EQ(s.at(9, 10), 0u);
  EXPECT_EQ(s.at(40, 29), 0u);
}

TEST_F(SkinDraw, StateFlagsPickThePictureAndTheThemeFillTypeStretchesIt) {
  const struct {
    std::uint32_t flags;
    bool drawn;
    Argb colour;
  } kCases[] = {
      {0x80 | 0x8, true, kGreen},  // hot and pressed: "highlight"
      {0x8, true, kBlue},
      {0x4, false, 0},             // "focus" is not in the theme
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.flags);
    Surface s(40, 30);
    EXPECT_EQ(DrawSkinElement(package.get(), *s.graphics, "Plain", {0, 0, 40, 30}, c.flags), c.drawn);
    EXPECT_EQ(s.at(0, 0), c.colour);
    EXPECT_EQ(s.at(39, 29), c.colour) << "filltype 1 from the theme covers the target";
  }
}

TEST_F(SkinDraw, MissingPackageElementImageOrFillTypeDrawsNothing) {
  const struct {
    const ResourcePackage* package;
    const char* element;
  } kCases[] = {{nullptr, "Box"},          {package.get(), "Nothing"}, {package.get(), "Ghost"},
                {package.get(), "Outside"}, {package.get(), "Fill-1"},  {package.get(), "Fill4"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.element);
    Surface s(40, 30);
    EXPECT_FALSE(DrawSkinElement(c.package, *s.graphics, c.element, {0, 0, 40, 30}, 0));
    ForEachPixel(s, 40, 30, [](int x, int y, Argb colour) { EXPECT_EQ(colour, 0u) << x << "," << y; });
  }
}

// A grid or an area that does not lie inside its picture would stretch
// pieces far beyond the target (and allocate scratch bitmaps to match):
// nothing is drawn, and the caller falls back to its plain look.
TEST_F(SkinDraw, GridsAndAreasOutsideTheirPictureDrawNothing) {
  for (const char* element : {"FarGrid", "Overhang"}) {
    SCOPED_TRACE(element);
    Surface s(40, 30);
    EXPECT_FALSE(DrawSkinElement(package.get(), *s.graphics, element, {0, 0, 40, 30}, 0));
    ForEachPixel(s, 40, 30, [](int x, int y, Argb colour) { EXPECT_EQ(colour, 0u) << x << "," << y; });
  }
  // Numbers beyond the int range stick at its ends, which no picture has.
  const float kInf = std::numeric_limits<float>::infinity();
  const struct {
    const char* what;
    RectF source;
    RectF grid;
  } kCases[] = {
      {"infinite area", {0, 0, kInf, 10}, {2, 2, 4, 4}},
      {"area past the int range", {-3e9f, 0, 10, 10}, {2, 2, 4, 4}},
      {"grid past the int range", {0, 0, 10, 10}, {2, 2, -3e9f, 4}},
      {"grid reaching past the picture", {0, 0, 10, 10}, {2, 2, 9, 4}},
  };
  auto sheet = PaintBitmap(20, 20, [](int, int) { return kGreen; });
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    Surface s(40, 30);
    EXPECT_FALSE(DrawWithFillType(*s.graphics, *sheet, c.source, {0, 0, 40, 30}, FillType::kNineGrid, c.grid));
    EXPECT_EQ(s.at(20, 15), 0u);
  }
}

TEST_F(SkinDraw, EdgeFadeRampsTheFlaggedEdgesAlpha) {
  auto sheet = PaintBitmap(40, 20, [](int, int) { return 0xFFFFFFFFu; });
  Surface s(40, 20);
  ASSERT_TRUE(DrawWithFillType(*s.graphics, *sheet, {0, 0, 40, 20}, {0, 0, 40, 20}, FillType::kNatural, {}, 255,
                               {kFadeLeft | kFadeBottom, 0.25}));
  // K = trunc(min(40, 20) * 0.25) = 5: alpha 255 * d / 5 at distance d.
  const int kRamp[] = {0, 51, 102, 153, 204, 255};
  for (int d = 0; d <= 5; ++d) {
    SCOPED_TRACE(d);
    EXPECT_NEAR(static_cast<int>(s.at(d, 8) >> 24), kRamp[d], 1);
    EXPECT_NEAR(static_cast<int>(s.at(20, 19 - d) >> 24), kRamp[d], 1);
  }
  EXPECT_EQ(s.at(39, 0), 0xFFFFFFFFu) << "right and top edges are not flagged";
  EXPECT_EQ(sheet->GetWidth(), 40u);
  EXPECT_EQ(test::PixelAt(*sheet, 0, 0), 0xFFFFFFFFu) << "the fade works on a copy";
}

}  // namespace
}  // namespace tabulo::ui
