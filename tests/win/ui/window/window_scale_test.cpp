// A window drawn at a DPI above 96: its controls stay laid out in 96-DPI
// units while every surface is made, composed and hit-tested in pixels.
// Bound at a chosen DPI, so the suite runs it on the ordinary 96-DPI desktop
// (e2e.dpi_scaling runs it at the display's real DPI too).
#include "win/ui/engine_fixture.h"
#include "base/win/geometry_win.h"
#include "ui/engine/fonts.h"

namespace tabulo::ui::testing {
namespace {

constexpr int kScaledDpis[] = {120, 144, 168, 192};
constexpr std::uint32_t kRed = 0xFFFF0000u;
constexpr std::uint32_t kBlue = 0xFF0000FFu;
constexpr UINT kDpiChanged = 0x02E0;  // WM_DPICHANGED; older SDK headers lack it

Size PixelSizeOf(const DpiScale& scale, const Rect& units) {
  const Rect pixels = scale.ToPixels(units);
  return {pixels.width, pixels.height};
}

class WindowScaleTest : public BoundWindowTest {
 protected:
  // A window of `units` client size, made at its pixel size for the DPI
  // and bound at that DPI, on a green background.
  void BindAt(int dpi, Size units = {146, 702}) {
    BindOptions options;
    options.backgroundColour = 0x00FF00;
    BindScaled(dpi, units, options);
  }

  LPARAM PixelCentreOf(const UiControl& control) const {
    const Rect px = window.Scale().ToPixels(control.AbsoluteRect());
    return At(px.x + px.width / 2, px.y + px.height / 2);
  }

  void Click(LPARAM at) {
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(hwnd, WM_LBUTTONUP, 0, at);
  }
};

TEST_F(WindowScaleTest, SurfacesArePixelSizedAndControlCanvasesSpanTheirPixelEdges) {
  for (const int dpi : kScaledDpis) {
    SCOPED_TRACE(::testing::Message() << dpi << " dpi");
    const DpiScale scale(dpi);
    BindAt(dpi);
    EXPECT_EQ(window.ClientSize(), (Size{146, 702}));
    EXPECT_EQ(window.PixelSize(), scale.ToPixels(Size{146, 702}));
    EXPECT_EQ(window.WindowCanvas().size(), window.PixelSize());
    EXPECT_EQ(window.BackgroundSurface().size(), window.PixelSize());

    ColourControl parent, child;
    ASSERT_TRUE(parent.Create(hwnd, {3, 3, 60, 40}));
    ASSERT_TRUE(child.Create(&parent, {5, 7, 21, 13}));
    // By edges, not Length(21) x Length(13): a canvas one pixel short
    // leaves a seam against its neighbour.
    EXPECT_EQ(child.GetCanvas().size(), PixelSizeOf(scale, Rect{8, 10, 21, 13}));
    EXPECT_EQ(parent.GetCanvas().size(), PixelSizeOf(scale, Rect{3, 3, 60, 40}));
    parent.Destroy();
    DestroyWindow(hwnd);
  }
}

TEST_F(WindowScaleTest, AbuttingControlsMeetAtTheirSharedPixelEdge) {
  for (const int dpi : kScaledDpis) {
    SCOPED_TRACE(::testing::Message() << dpi << " dpi");
    const DpiScale scale(dpi);
    BindAt(dpi);
    ColourControl red(kRed), blue(kBlue);
    ASSERT_TRUE(red.Create(hwnd, {5, 5, 21, 10}));
    ASSERT_TRUE(blue.Create(hwnd, {26, 5, 21, 10}));
    window.ComposeAll(false);
    for (int y = scale.Length(5); y < scale.Length(15); ++y) {
      for (int x = scale.Length(5); x < scale.Length(47); ++x) {
        ASSERT_EQ(CanvasPixel(x, y), x < scale.Length(26) ? kRed : kBlue) << x << "," << y;
      }
    }
    EXPECT_NE(CanvasPixel(scale.Length(5) - 1, scale.Length(10)), kRed);
    EXPECT_NE(CanvasPixel(scale.Length(47), scale.Length(10)), kBlue);
    red.Destroy();
    blue.Destroy();
    DestroyWindow(hwnd);
  }
}

TEST_F(WindowScaleTest, TheMouseArrivesInUnits) {
  BindAt(144);
  ColourControl button;
  ASSERT_TRUE(button.Create(hwnd, {10, 20, 40, 20}));  // pixels 15..74 x 30..59
  Click(PixelCentreOf(button));
  EXPECT_EQ(button.classClicks, 1);
  Click(At(75, 45));  // the first pixel right of it
  Click(At(45, 60));  // the first pixel below it
  EXPECT_EQ(button.classClicks, 1);

  EventArgs seen;
  ASSERT_TRUE(window.Bind(kMsgRButtonUp, [&seen](const EventArgs& args) {
    seen = args;
    return true;
  }));
  SendMessageW(hwnd, WM_RBUTTONUP, 0, At(150, 90));
  EXPECT_EQ(seen.x, 100);
  EXPECT_EQ(seen.y, 60);
}

TEST_F(WindowScaleTest, TextIsDrawnAtTheScaledFontSizeNotStretched) {
  class TextControl : public UiControl {
   public:
    bool Create(HWND parent, const Rect& rect) { return UiControl::Create(parent, rect, {}); }

   protected:
    LRESULT ClassHandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
      if (message != WM_PAINT && message != kMsgRepaint) return UiControl::ClassHandleMessage(message, wParam, lParam);
      if (Gdiplus::Graphics* graphics = BeginPaint()) {
        auto font = CreateFontFromName("Arial", 20, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
        const Gdiplus::SolidBrush black(Gdiplus::Color(255, 0, 0, 0));
        graphics->DrawString(L"88", -1, font.get(), Gdiplus::PointF(0, 0), &black);
        EndPaint();
      }
      return 0;
    }
  };
  BindAt(144);
  TextControl text;
  ASSERT_TRUE(text.Create(hwnd, {10, 20, 40, 30}));  // at whole pixels: 15, 30
  const Canvas& drawn = text.GetCanvas();
  drawn.Flush();

  Canvas expected;
  ASSERT_TRUE(expected.Create(drawn.width(), drawn.height(), Engine().defaultTextRenderingHint));
  auto font = CreateFontFromName("Arial", 30, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
  ASSERT_TRUE(font) << "no font: is the Wine prefix's font mapping in place?";
  const Gdiplus::SolidBrush black(Gdiplus::Color(255, 0, 0, 0));
  expected.graphics()->DrawString(L"88", -1, font.get(), Gdiplus::PointF(0, 0), &black);
  expected.Flush();
  int ink = 0, differing = 0;
  for (int y = 0; y < drawn.height(); ++y) {
    for (int x = 0; x < drawn.width(); ++x) {
      ink += (expected.Pixel(x, y) >> 24) != 0;
      differing += drawn.Pixel(x, y) != expected.Pixel(x, y);
    }
  }
  EXPECT_GT(ink, 50);
  EXPECT_EQ(differing, 0);
}

TEST_F(WindowScaleTest, MovingAControlRemakesItsCanvasAndItsChildrensAtTheNewEdges) {
  const DpiScale scale(144);
  BindAt(144);
  ColourControl parent(kRed), child(kBlue);
  ASSERT_TRUE(parent.Create(hwnd, {5, 7, 21, 13}));
  ASSERT_TRUE(child.Create(&parent, {1, 1, 10, 5}));
  ASSERT_EQ(parent.GetCanvas().width(), 31);  // pixels 8..38
  parent.Move(6, {}, {}, {});                  // same width in units: pixels 9..40
  EXPECT_EQ(parent.GetCanvas().size(), PixelSizeOf(scale, Rect{6, 7, 21, 13}));
  EXPECT_EQ(child.GetCanvas().size(), PixelSizeOf(scale, Rect{7, 8, 10, 5}));
  window.ComposeAll(false);
  const Rect childPixels = scale.ToPixels(child.AbsoluteRect());
  // The child's colour from its first pixel to its last, the parent's
  // right beside it.
  EXPECT_EQ(CanvasPixel(childPixels.x, childPixels.y), kBlue);
  EXPECT_EQ(CanvasPixel(childPixels.right() - 1, childPixels.bottom() - 1), kBlue);
  EXPECT_EQ(CanvasPixel(childPixels.x - 1, childPixels.y), kRed);
  EXPECT_EQ(CanvasPixel(childPixels.right(), childPixels.bottom() - 1), kRed);
}

TEST_F(WindowScaleTest, ADpiChangeRemakesTheWindowAtTheNewScaleAndKeepsItsUnits) {
  BindAt(96, {200, 150});
  ColourControl button(kRed);
  ASSERT_TRUE(button.Create(hwnd, {10, 20, 40, 20}));
  window.Show();
  WPARAM announced = 0;
  ASSERT_TRUE(window.Bind(kMsgScaleChanged, [&](const EventArgs& args) {
    announced = args.wParam;
    EXPECT_EQ(window.WindowCanvas().size(), (Size{300, 225}));  // told once the window is made again
    return true;
  }));
  // One pixel short of the window at 144: it keeps its size in units and
  // takes only the suggested position.
  RECT suggested{120, 130, 120 + 299, 130 + 224};
  SendMessageW(hwnd, kDpiChanged, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));

  const DpiScale scale(144);
  EXPECT_EQ(announced, 144u);
  EXPECT_EQ(window.Scale(), scale);
  EXPECT_EQ(window.ClientSize(), (Size{200, 150}));
  EXPECT_EQ(window.PixelSize(), (Size{300, 225}));
  EXPECT_EQ(WindowRectOf(hwnd), (Rect{120, 130, 300, 225}));
  EXPECT_EQ(window.BackgroundSurface().size(), (Size{300, 225}));
  EXPECT_EQ(button.GetCanvas().size(), (Size{60, 30}));
  const Rect pixels = scale.ToPixels(button.AbsoluteRect());
  EXPECT_EQ(CanvasPixel(pixels.x, pixels.y), kRed);
  EXPECT_EQ(CanvasPixel(pixels.right() - 1, pixels.bottom() - 1), kRed);
  Click(PixelCentreOf(button));
  EXPECT_EQ(button.classClicks, 1);
}

}  // namespace
}  // namespace tabulo::ui::testing
