// Label: text effects over a picture, colours with alpha 0, the border over
// the gradient, alignment and the wrapping flags.
#include "ui/controls/label.h"
#include "win/ui/controls/controls_fixture.h"

namespace tabulo::ui::testing {
namespace {

class LabelTest : public BoundWindowTest {
 protected:
  static LabelOptions BigText(std::string text, Argb colour, TextEffect effect) {
    LabelOptions options;
    options.text = std::move(text);
    options.textColour = colour;
    options.effect = effect;
    options.font = {"Arial", 28.0f, Gdiplus::FontStyleBold};
    return options;
  }
};

int Brightness(std::uint32_t pixel) { return RedOf(pixel) + GreenOf(pixel) + BlueOf(pixel); }

TEST_F(LabelTest, GlowOverAPictureLightensThePixelsAroundTheGlyphs) {
  const std::vector<std::uint8_t> picture = SolidPng(200, 150, 0xFF203050);
  BindOptions options;
  options.background = picture;
  Bind(options);
  const Rect area{20, 20, 160, 70};
  const auto lightest = [&] {
    int most = 0;
    for (int y = area.y; y < area.bottom(); ++y) {
      for (int x = area.x; x < area.right(); ++x) most = std::max(most, Brightness(CanvasPixel(x, y)));
    }
    return most;
  };
  const int background = lightest();

  struct Case {
    TextEffect effect;
    bool halo;
  };
  for (const Case c : {Case{TextEffect::kNone, false}, Case{TextEffect::kGlow, true}}) {
    SCOPED_TRACE(static_cast<int>(c.effect));
    Label label;
    ASSERT_TRUE(label.Create(hwnd, area, BigText("MMM", 0xFF000000, c.effect)));
    ASSERT_TRUE(InkBox(label.GetCanvas(), [](std::uint32_t p) { return (p >> 24) >= 250; })) << "no text drawn";
    // Black text alone only darkens the picture; the halo lightens it.
    if (c.halo) {
      EXPECT_GT(lightest(), background + 100);
    } else {
      EXPECT_LE(lightest(), background);
    }
  }
}

TEST_F(LabelTest, ATextColourWithAlphaZeroDrawsOnlyTheEffect) {
  Bind();
  // The random draw's big number: RGB 0x544A43 read as ARGB, so alpha 0.
  Label outlined, plain;
  ASSERT_TRUE(outlined.Create(hwnd, {0, 0, 120, 60}, BigText("88", 0x00544A43, TextEffect::kOutline)));
  ASSERT_TRUE(plain.Create(hwnd, {0, 60, 120, 60}, BigText("88", 0x00544A43, TextEffect::kNone)));

  EXPECT_FALSE(InkBox(plain.GetCanvas(), Opaque));
  ASSERT_TRUE(InkBox(outlined.GetCanvas(), Opaque));
  // Only the automatic effect colour for such text: translucent black.
  for (const std::uint32_t p : outlined.GetCanvas().pixels()) {
    ASSERT_EQ(p & 0x00FFFFFFu, 0u);
    ASSERT_LT(p >> 24, 255u);
  }
}

TEST_F(LabelTest, TheBorderStaysVisibleOverTheGradient) {
  Bind();
  LabelOptions options;
  options.gradientDirection = 1;
  options.gradientColour1 = 0xFFFFFF00;
  options.gradientColour2 = 0xFFFFFF00;
  options.border = 0xFF0000FF;
  Label label;
  ASSERT_TRUE(label.Create(hwnd, {10, 10, 50, 30}, options));
  EXPECT_EQ(PixelOf(label, 0, 0), 0xFF0000FFu);
  EXPECT_EQ(PixelOf(label, 49, 29), 0xFF0000FFu);
  EXPECT_EQ(PixelOf(label, 25, 15), 0xFFFFFF00u);
}

TEST_F(LabelTest, AutoContrastGivesTheEnginesOwnLabelBlackTextEvenOnADarkGradient) {
  Bind();
  constexpr Argb kDark = 0xFF203050;
  LabelOptions options = BigText("MMM", 0xFFFFFFFF, TextEffect::kNone);
  options.autoContrast = true;
  options.gradientDirection = 1;
  options.gradientColour1 = kDark;
  options.gradientColour2 = kDark;
  Label label;
  ASSERT_TRUE(label.Create(hwnd, {0, 0, 160, 70}, options));
  const int background = Brightness(kDark);
  const auto darker = InkBox(label.GetCanvas(), [&](std::uint32_t p) { return Brightness(p) < background - 60; });
  const auto lighter = InkBox(label.GetCanvas(), [&](std::uint32_t p) { return Brightness(p) > background; });
  EXPECT_TRUE(darker) << "black text expected";
  EXPECT_FALSE(lighter) << "no white text over the dark samples";
}

TEST_F(LabelTest, VerticalAlignmentMovesASingleLineFromTopToBottom) {
  Bind();
  Label label;
  ASSERT_TRUE(label.Create(hwnd, {0, 0, 150, 120}, BigText("MM", 0xFF000000, TextEffect::kNone)));
  std::vector<int> tops;
  using enum VerticalAlignment;
  for (const VerticalAlignment align : {kTop, kCentre, kBottom}) {
    label.SetVerticalAlign(align);
    const auto ink = InkBox(label.GetCanvas(), Opaque);
    ASSERT_TRUE(ink);
    tops.push_back(ink->y);
  }
  EXPECT_LT(tops[0], tops[1]);
  EXPECT_LT(tops[1], tops[2]);
  EXPECT_LT(tops[0], 12);   // a line at the top leaves only the inset above it
  EXPECT_GT(tops[2], 60);
}

TEST_F(LabelTest, WrappingSetAtCreationAndLaterUsesTheirOwnFlags) {
  Bind();
  LabelOptions options;
  options.wordWrap = true;
  Label wrapped, single;
  ASSERT_TRUE(wrapped.Create(hwnd, {0, 0, 50, 50}, options));
  ASSERT_TRUE(single.Create(hwnd, {0, 50, 50, 50}));
  EXPECT_EQ(wrapped.FormatFlags(), 0x6800);
  EXPECT_EQ(single.FormatFlags(), 0x1000);
  single.SetWordWrap(true);
  EXPECT_EQ(single.FormatFlags(), 0x6C00);
  wrapped.SetWordWrap(false);
  EXPECT_EQ(wrapped.FormatFlags(), 0x1000);
}

TEST_F(LabelTest, SetTextMessageTakesUtf8OrUtf16Text) {
  Bind();
  Label label;
  ASSERT_TRUE(label.Create(hwnd, {0, 0, 80, 20}));
  const char* utf8 = "上课了";
  EXPECT_EQ(label.HandleMessage(WM_SETTEXT, 1, reinterpret_cast<LPARAM>(utf8)), 1);
  EXPECT_EQ(label.Text(), "上课了");
  EXPECT_EQ(label.HandleMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"下课")), 1);
  EXPECT_EQ(label.Text(), "下课");
  EXPECT_EQ(label.HandleMessage(WM_SETTEXT, 1, reinterpret_cast<LPARAM>(label.Text().c_str())), 1);
  EXPECT_EQ(label.Text(), "下课");
}

}  // namespace
}  // namespace tabulo::ui::testing
