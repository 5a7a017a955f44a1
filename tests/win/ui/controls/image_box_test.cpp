// ImageBox: animated pictures frame by frame with their own delays, still
// pictures, the picture-change transition, and the picture's file bytes.
#include "ui/controls/image_box.h"

#include <optional>

#include "ui/controls/gif_lead_in.h"
#include "win/ui/controls/controls_fixture.h"

namespace tabulo::ui::testing {
namespace {

constexpr Argb kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;

class ImageBoxTest : public BoundWindowTest {
 protected:
  std::vector<std::uint8_t> gif = SolidFramesGif({{kRed, 5}, {kGreen, 20}, {kBlue, 30}});

  void Tick(ImageBox& box) { box.HandleMessage(WM_TIMER, reinterpret_cast<WPARAM>(&box), 0); }
};

TEST_F(ImageBoxTest, AThreeFrameGifCyclesItsFramesEachForItsOwnDelay) {
  Bind();
  ImageBox box;
  ImageBoxOptions options;
  options.animate = true;
  ASSERT_TRUE(box.Create(hwnd, {10, 10, 20, 20}, gif, options));
  EXPECT_EQ(box.FrameCount(), 3);
  EXPECT_EQ(box.FrameDelays(), (std::vector<int>{10, 20, 30}));  // 5 raised to 10

  // Each frame is shown with the timer armed for that frame's delay.
  struct Step {
    Argb colour;
    int delayMs;
  };
  const Step steps[] = {{kRed, 100}, {kGreen, 200}, {kBlue, 300}, {kRed, 100}, {kGreen, 200}};
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    SCOPED_TRACE(i);
    if (i > 0) Tick(box);
    EXPECT_EQ(PixelOf(box, 10, 10), steps[i].colour);
    EXPECT_EQ(box.FrameTimerMs(), steps[i].delayMs);
  }

  // The window's own timer drives it too.
  EXPECT_TRUE(PumpUntil([&] { return PixelOf(box, 10, 10) == kBlue; }));
  EXPECT_TRUE(PumpUntil([&] { return PixelOf(box, 10, 10) == kRed; }));

  ImageBox unfixed;
  options.fixShortDelays = false;
  ASSERT_TRUE(unfixed.Create(hwnd, {40, 10, 20, 20}, gif, options));
  EXPECT_EQ(unfixed.FrameDelays(), (std::vector<int>{5, 20, 30}));
  EXPECT_EQ(unfixed.FrameTimerMs(), 50);
}

TEST_F(ImageBoxTest, TheWholeAnimationGoesOnFromWhereItsLeadInHasCome) {
  Bind();
  constexpr Argb kWhite = 0xFFFFFFFF;
  const auto whole = SolidFramesGif({{kRed, 10}, {kGreen, 20}, {kBlue, 30}, {kWhite, 40}});
  const std::optional<std::vector<std::uint8_t>> leadIn = GifLeadIn(whole, 2);
  ASSERT_TRUE(leadIn);
  ImageBoxOptions options;
  options.animate = true;
  // Taken over after the lead-in's first frame, and after its last, when it
  // has already come round to its first again.
  const struct {
    int ticks;
    Argb shown;
    int delayMs;
    Argb nextFrames[3];
  } kCases[] = {{0, kRed, 100, {kGreen, kBlue, kWhite}}, {1, kGreen, 200, {kBlue, kWhite, kRed}}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.ticks);
    ImageBox box;
    ASSERT_TRUE(box.Create(hwnd, {10, 10, 20, 20}, *leadIn, options));
    ASSERT_EQ(box.FrameCount(), 2);
    for (int i = 0; i < c.ticks; ++i) Tick(box);
    box.ContinueWith(whole);
    EXPECT_EQ(box.FrameCount(), 4);
    EXPECT_EQ(box.PictureBytes(), whole);
    EXPECT_EQ(PixelOf(box, 10, 10), c.shown);  // nothing is painted again
    EXPECT_EQ(box.FrameTimerMs(), c.delayMs);
    for (const Argb next : c.nextFrames) {
      Tick(box);
      EXPECT_EQ(PixelOf(box, 10, 10), next);
    }
  }
}

TEST_F(ImageBoxTest, AStillPictureOrAnAnimationSwitchedOffArmsNoTimer) {
  Bind();
  ImageBoxOptions options;
  options.animate = true;
  ImageBox still;
  ASSERT_TRUE(still.Create(hwnd, {0, 0, 20, 20}, SolidPng(4, 4, kGreen), options));
  EXPECT_EQ(still.FrameCount(), 1);
  EXPECT_EQ(still.FrameTimerMs(), 0);
  EXPECT_EQ(PixelOf(still, 5, 5), kGreen);

  ImageBox box;
  ASSERT_TRUE(box.Create(hwnd, {30, 0, 20, 20}, gif, options));
  box.SetAnimate(false);
  Tick(box);  // the pending tick finds nothing to play and disarms
  EXPECT_EQ(box.FrameTimerMs(), 0);
  // A new still picture shows at once, even while frames were playing.
  box.SetAnimate(true);
  box.SetPicture(SolidPng(4, 4, kBlue));
  EXPECT_EQ(PixelOf(box, 5, 5), kBlue);
}

TEST_F(ImageBoxTest, FramesStandStillWhileAPictureChangeFadesIn) {
  Bind();
  ImageBoxOptions options;
  options.animate = true;
  ImageBox box;
  ASSERT_TRUE(box.Create(hwnd, {10, 10, 20, 20}, SolidPng(4, 4, kBlue), options));
  box.SetPicture(gif, PictureTransition{1, 4, 20});
  ASSERT_TRUE(box.InTransition());
  EXPECT_TRUE(box.StateFlags() & kStateTransition);
  EXPECT_EQ(PixelOf(box, 10, 10), kRed);
  Tick(box);
  EXPECT_EQ(PixelOf(box, 10, 10), kRed);
  EXPECT_EQ(box.CurrentFrame(), 1);

  ASSERT_TRUE(PumpUntil([&] { return !box.InTransition(); }));
  EXPECT_EQ(box.TransitionFrameCount(), 0);
  EXPECT_EQ(box.FrameTimerMs(), 100);  // the red frame stays for its delay
  Tick(box);
  EXPECT_EQ(PixelOf(box, 10, 10), kGreen);
}

TEST_F(ImageBoxTest, PictureBytesKeepEveryFrameAndAnImageMadeInMemoryIsEncoded) {
  Bind();
  ImageBox box;
  ASSERT_TRUE(box.Create(hwnd, {0, 0, 20, 20}, gif));
  EXPECT_EQ(box.PictureBytes(), gif);

  auto bitmap = MakeGdiplus<Gdiplus::Bitmap>(3, 2, PixelFormat32bppARGB);
  ASSERT_TRUE(bitmap);
  bitmap->SetPixel(1, 1, Gdiplus::Color(kGreen));
  box.SetImage(std::move(bitmap));
  const auto again = Picture::FromBytes(box.PictureBytes());
  ASSERT_TRUE(again);
  EXPECT_EQ(again->size(), (SizeF{3, 2}));
  Gdiplus::Color colour;
  again->bitmap().GetPixel(1, 1, &colour);
  EXPECT_EQ(colour.GetValue(), kGreen);

  box.SetPicture({});
  EXPECT_TRUE(box.PictureBytes().empty());
  EXPECT_EQ(PixelOf(box, 5, 5), 0u);
}

TEST_F(ImageBoxTest, APictureOfTheThemePackageIsCutOutOfItsImage) {
  ThemePackageData theme;
  auto strip = test::PaintBitmap(8, 4, [](int x, int) { return x < 4 ? kRed : kGreen; });
  theme.images[1] = test::EncodePng(*strip);
  theme.table.Set(PictureKey("Icons", "green"), SkinPicture{{4, 0, 4, 4}, 1});
  const std::vector<std::uint8_t> package = SerializeThemePackage(theme, "");
  BindOptions options;
  options.theme = package;
  Bind(options);

  ImageBox box;
  ASSERT_TRUE(box.CreateFromPackage(hwnd, {0, 0, 20, 20}, "Icons", "green"));
  ASSERT_NE(box.GetPicture(), nullptr);
  EXPECT_EQ(box.GetPicture()->size(), (SizeF{4, 4}));
  EXPECT_EQ(PixelOf(box, 1, 1), kGreen);
  EXPECT_FALSE(box.SetPackagePicture("Icons", "missing"));
  EXPECT_EQ(PixelOf(box, 1, 1), kGreen);
}

}  // namespace
}  // namespace tabulo::ui::testing
