// Button and ImageButton: paint states and the click, the hover fade, the
// layout of picture and caption, the theme's background and margin, the
// "&" prefix and ImageButton's pictures.
#include "ui/controls/image_button.h"
#include "win/ui/controls/controls_fixture.h"

namespace tabulo::ui::testing {
namespace {

constexpr Argb kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

bool RedPixel(std::uint32_t p) { return p == kRed; }
bool BluishPixel(std::uint32_t p) { return (p >> 24) > 100 && BlueOf(p) > RedOf(p) + 60; }
// An opaque pixel of about that colour (text drawn at alpha 254 lets a trace
// of the background through).
bool Near(std::uint32_t p, Argb colour) {
  const auto close = [](int a, int b) { return std::abs(a - b) <= 3; };
  return (p >> 24) == 255 && close(RedOf(p), RedOf(colour)) && close(GreenOf(p), GreenOf(colour)) &&
         close(BlueOf(p), BlueOf(colour));
}

class ButtonTest : public BoundWindowTest {
 protected:
  static ButtonOptions Caption(std::string text, Argb colour = kBlue) {
    ButtonOptions options;
    options.text = std::move(text);
    options.textColour = colour;
    options.font = {"Arial", 16.0f, Gdiplus::FontStyleBold};
    return options;
  }
};

TEST_F(ButtonTest, PressAndReleaseClickOnceAndPaintDownThenHighlightThenNormal) {
  Bind();
  Button button;
  ASSERT_TRUE(button.Create(hwnd, {20, 20, 80, 30}, Caption("OK")));
  int clicks = 0;
  button.OnClick([&] { ++clicks; });

  SendMessageW(hwnd, WM_MOUSEMOVE, 0, At(40, 30));
  EXPECT_EQ(button.PaintState(), kButtonHot);
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(40, 30));
  EXPECT_EQ(button.PaintState(), kButtonPressed);
  EXPECT_EQ(clicks, 0);
  SendMessageW(hwnd, WM_LBUTTONUP, 0, At(40, 30));
  EXPECT_EQ(button.PaintState(), kButtonHot);
  EXPECT_EQ(clicks, 1);

  // Released elsewhere: no click, and the button is normal again.
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(40, 30));
  SendMessageW(hwnd, WM_LBUTTONUP, 0, At(150, 120));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(button.PaintState(), kButtonNormal);
}

TEST_F(ButtonTest, HoverFadesInOverEightFramesAndAPressShowsAtOnce) {
  Bind();
  Button button;
  ASSERT_TRUE(button.Create(hwnd, {20, 20, 80, 30}, Caption("OK")));
  EXPECT_EQ(button.TransitionInterval(), 25);
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, At(40, 30));
  EXPECT_TRUE(button.StateFlags() & kStateTransition);
  EXPECT_EQ(button.TransitionFrameCount(), 8);
  ASSERT_TRUE(PumpUntil([&] { return !(button.StateFlags() & kStateTransition); }));
  EXPECT_EQ(button.TransitionFrameCount(), 0);
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(40, 30));
  EXPECT_FALSE(button.StateFlags() & kStateTransition);
}

TEST_F(ButtonTest, LayoutModesPlaceThePictureAndTheCaptionInTheCanvas) {
  Bind();
  const std::vector<std::uint8_t> picture = SolidPng(10, 10, kRed);
  struct Case {
    ButtonLayoutMode mode;
    // Relation between where the picture was laid out and the caption's ink.
    bool (*placed)(const Rect& picture, const Rect& caption, const Rect& control);
  };
  using enum ButtonLayoutMode;
  const Case cases[] = {
      {PictureLeftOfCaption, [](const Rect& p, const Rect& t, const Rect&) { return p.right() <= t.x; }},
      {CaptionLeftOfPicture, [](const Rect& p, const Rect& t, const Rect&) { return t.right() <= p.x; }},
      {PictureAboveCaption, [](const Rect& p, const Rect& t, const Rect&) { return p.bottom() <= t.y; }},
      {Centred, [](const Rect& p, const Rect&, const Rect& c) {
         return p.x == (c.width - 10) / 2 && p.y == (c.height - 10) / 2;
       }},
      {PictureAtLeftEdge, [](const Rect& p, const Rect& t, const Rect&) { return p.x == 0 && p.right() <= t.x; }},
      {CaptionAtLeftEdge, [](const Rect& p, const Rect& t, const Rect& c) { return t.x < 6 && t.right() <= p.x && p.right() == c.width; }},
      {PictureAtTop, [](const Rect& p, const Rect& t, const Rect&) { return p.y == 0 && p.bottom() <= t.y; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.mode));
    ImageButton button;  // no pictures of its own: the canvas holds only picture and caption
    ASSERT_TRUE(button.Create(hwnd, {0, 0, 120, 70}, Caption("Ab")));
    button.SetPicture(picture);
    button.SetLayoutMode(c.mode);
    const auto pictureInk = InkBox(button.GetCanvas(), RedPixel);
    const auto captionInk = InkBox(button.GetCanvas(), BluishPixel);
    ASSERT_TRUE(pictureInk && captionInk);
    const RectF laidOut = button.LastLayout().picture;
    const Rect placed{static_cast<int>(laidOut.x), static_cast<int>(laidOut.y), 10, 10};
    // Drawn where it was laid out (the centred layout draws the caption over part of it).
    EXPECT_EQ(pictureInk->intersect(placed), *pictureInk);
    EXPECT_TRUE(c.placed(placed, *captionInk, button.Bounds()));

    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(60, 35));
    // (With the caption at the left edge the picture lies at the right edge,
    // which cuts off its last column.)
    EXPECT_EQ(InkBox(button.GetCanvas(), RedPixel), pictureInk->offset(1, 1).intersect(button.LocalRect()));
    EXPECT_EQ(InkBox(button.GetCanvas(), BluishPixel), captionInk->offset(1, 1));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, At(60, 35));
  }
}

TEST_F(ButtonTest, TheThemeGivesTheBackgroundAndTheMarginTheContentRect) {
  ThemePackageData theme;
  theme.images[1] = SolidPng(8, 8, kGreen);
  theme.table.Set(PictureKey("Button", "normal"), SkinPicture{{0, 0, 8, 8}, 1});
  theme.table.Set(TextKey("Button", "filltype"), std::string("1"));
  theme.table.Set(RectKey("Button", "margin"), Rect{4, 2, -8, -4});
  const std::vector<std::uint8_t> package = SerializeThemePackage(theme, "");
  BindOptions options;
  options.theme = package;
  Bind(options);
  Button button;
  ASSERT_TRUE(button.Create(hwnd, {10, 10, 80, 30}, Caption("")));
  EXPECT_EQ(PixelOf(button, 1, 1), kGreen);
  EXPECT_EQ(button.ContentRect(), (RectF{4, 2, 80 - 8 - 4, 30 - 4 - 2}));
}

TEST_F(ButtonTest, AnAmpersandUnderlinesTheNextCharacterAndIsNotDrawn) {
  Bind();
  ImageButton plain, prefixed;
  ASSERT_TRUE(plain.Create(hwnd, {0, 0, 100, 40}, Caption("H")));
  ASSERT_TRUE(prefixed.Create(hwnd, {0, 50, 100, 40}, Caption("&H")));
  const auto h = InkBox(plain.GetCanvas(), BluishPixel);
  const auto underlined = InkBox(prefixed.GetCanvas(), BluishPixel);
  ASSERT_TRUE(h && underlined);
  EXPECT_LT(underlined->width, h->width + 6);  // no "&" drawn (the underline spans the letter's advance)
  EXPECT_EQ(underlined->y, h->y);
  EXPECT_GT(underlined->bottom(), h->bottom());  // the underline below the letter
}

TEST_F(ButtonTest, ADisabledImageButtonShowsItsDisabledPictureAndAGreyCaption) {
  Bind();
  struct Case {
    bool hasDisabledImage;
    Argb background;
    Argb caption;
  };
  for (const Case c : {Case{true, kRed, kDisabledCaptionColour}, Case{false, kGreen, kWhite}}) {
    SCOPED_TRACE(c.hasDisabledImage);
    ImageButton button;
    ASSERT_TRUE(button.Create(hwnd, {0, 0, 100, 40}, Caption("MMMM", kWhite)));
    button.SetImage(ButtonImage::kNormal, SolidPng(4, 4, kGreen));
    if (c.hasDisabledImage) button.SetImage(ButtonImage::kDisabled, SolidPng(4, 4, kRed));
    button.SetDisabled(true);
    EXPECT_EQ(PixelOf(button, 1, 1), c.background);
    // The caption's solid strokes are drawn over the background in its colour.
    const auto solid = InkBox(button.GetCanvas(), [&](std::uint32_t p) { return Near(p, c.caption); });
    EXPECT_TRUE(solid);
  }
}

TEST_F(ButtonTest, AnImageButtonWithoutPicturesDrawsOnlyItsCaption) {
  Bind();
  ImageButton link;
  ASSERT_TRUE(link.Create(hwnd, {0, 0, 100, 30}, Caption("link")));
  ASSERT_TRUE(InkBox(link.GetCanvas(), BluishPixel));
  for (const std::uint32_t p : link.GetCanvas().pixels()) ASSERT_EQ(p & 0x00FFFF00u, 0u) << "only blue ink";
  EXPECT_EQ(PixelOf(link, 0, 0), 0u);
}

}  // namespace
}  // namespace tabulo::ui::testing
