// The bar's clock label at its real place, font and width: wherever GDI+
// (here Wine's) ends a line, it never ends inside a number, for dates and
// times of every length up to the widest.
#include <algorithm>
#include <cwctype>
#include <vector>

#include "app/shell/clock_label.h"
#include "app/shell/shell_layout.h"
#include "base/time/date_text.h"
#include "base/win/wide_text.h"
#include "ui/controls/label_layout.h"
#include "ui/engine/font_names.h"
#include "win/ui/controls/controls_fixture.h"
#include "win/ui/engine_fixture.h"

namespace tabulo::app {
namespace {

using ui::testing::BoundWindowTest;
using ui::testing::InkBox;

// The clock label as the bar makes it, at the bar's place and width.
ui::LabelOptions ClockLook() {
  ui::LabelOptions look;
  look.font.face = ui::kMicrosoftYaHei;
  look.font.size = kClockFontSize;
  look.alignment = ui::TextAlignment::kCentre;
  look.wordWrap = true;
  return look;
}

bool Inked(std::uint32_t pixel) { return (pixel >> 24) >= 0x40; }

// How many bands of inked rows the canvas holds, one for each line drawn.
int InkedLines(const ui::Canvas& canvas) {
  canvas.Flush();
  int bands = 0;
  bool inBand = false;
  for (int y = 0; y < canvas.height(); ++y) {
    bool inked = false;
    for (int x = 0; x < canvas.width() && !inked; ++x) inked = Inked(canvas.Pixel(x, y));
    if (inked && !inBand) ++bands;
    inBand = inked;
  }
  return bands;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  for (std::size_t end; (end = text.find('\n', at)) != std::string::npos; at = end + 1) {
    lines.push_back(text.substr(at, end - at));
  }
  lines.push_back(text.substr(at));
  return lines;
}

// The line (its top) each UTF-16 unit of the label's text lands on when
// GDI+ lays the text out in the label's text rectangle at the scale it is
// drawn at; -1 for a line feed.
std::vector<float> LineOfEachUnit(const ui::Label& label, const std::wstring& text, DpiScale scale) {
  Gdiplus::Bitmap scratch(1, 1, PixelFormat32bppPARGB);
  Gdiplus::Graphics graphics(&scratch);
  graphics.SetTextRenderingHint(label.TextRenderingHint());
  graphics.ScaleTransform(scale.Factor(), scale.Factor());
  auto format = AdoptGdiplus(label.StringFormat()->Clone());
  const RectF box = ui::LabelTextRect({0, 0, static_cast<float>(label.Width()), 400});
  const Gdiplus::RectF layout(box.x, box.y, box.width, box.height);
  std::vector<float> lines;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\n') {
      lines.push_back(-1);
      continue;
    }
    const Gdiplus::CharacterRange range(static_cast<INT>(i), 1);
    format->SetMeasurableCharacterRanges(1, &range);
    Gdiplus::Region region;
    graphics.MeasureCharacterRanges(text.c_str(), static_cast<INT>(text.size()), label.Font(), layout, format.get(), 1,
                                    &region);
    Gdiplus::RectF bounds;
    region.GetBounds(&bounds, &graphics);
    lines.push_back(bounds.Y);
  }
  return lines;
}

// At every scale the label is drawn at: the lines are measured unscaled,
// and still fit as GDI+ lays them out at the larger size. (Measured through
// the scale instead, MeasureString reports "2026年12月31日" a little wider
// than the label at 144 and 168 DPI, though it lays out on one line there,
// and the widest dates would take three lines.)
class ClockLabelTest : public BoundWindowTest, public ::testing::WithParamInterface<int> {
 protected:
  // Binds the window at the case's DPI, `width` units wide and as high as
  // the bar, and gives that scale.
  DpiScale BindAtCaseDpi(int width) {
    BindScaled(GetParam(), {width, 702});
    return DpiScale(GetParam());
  }
};

INSTANTIATE_TEST_SUITE_P(Scales, ClockLabelTest, ::testing::Values(96, 120, 144, 168, 192));

TEST_P(ClockLabelTest, NoLineEndsInsideANumber) {
  const BarLayout layout = MakeBarLayout();
  const DpiScale scale = BindAtCaseDpi(146);
  ui::Label clock;
  ASSERT_TRUE(clock.Create(hwnd, layout.clock, ClockLook()));
  ASSERT_NE(clock.Font(), nullptr);

  constexpr DateTime kTimes[] = {
      {2026, 12, 31, 23, 59, 59},  // the widest
      {2026, 12, 6, 10, 0, 37},    // Wine broke it into "2026年12月6日1" and "0时0分37秒"
      {2026, 1, 1, 10, 5, 3},      {2026, 1, 1, 1, 1, 1},   {2026, 11, 30, 12, 0, 0},
      {2026, 12, 31, 0, 0, 0},     {2017, 7, 19, 8, 5, 9},  {2026, 10, 10, 10, 10, 10},
  };
  for (const DateTime& t : kTimes) {
    const std::string text = ClockLabelText(clock, ClockText(t));
    SCOPED_TRACE(text);
    clock.SetText(text);
    const std::wstring shown = Wide(clock.Text());
    const std::vector<float> lines = LineOfEachUnit(clock, shown, scale);
    // Digits next to each other, and so a line break between them, would
    // be on different lines.
    for (std::size_t i = 1; i < shown.size(); ++i) {
      if (!iswdigit(shown[i - 1]) || !iswdigit(shown[i])) continue;
      EXPECT_EQ(lines[i - 1], lines[i]) << "a line ends inside the number at " << i;
    }
    // Two lines at most: the label is two lines high.
    std::vector<float> tops;
    for (const float top : lines) {
      if (top >= 0 && std::find(tops.begin(), tops.end(), top) == tops.end()) tops.push_back(top);
    }
    EXPECT_LE(tops.size(), 2u);
  }
}

// Drawn at every scale, the label shows the lines the text was broken into,
// each whole: GDI+ lays text out a little wider under a scale than it
// measures unscaled, and must not break a line that was measured to fit
// once more, nor cut its ends. Each line is compared with
// the same line drawn alone in a label wide enough for it.
TEST_P(ClockLabelTest, DrawsEachLineWholeOnALineOfItsOwn) {
  const BarLayout layout = MakeBarLayout();
  BindAtCaseDpi(400);
  ui::Label clock;
  ASSERT_TRUE(clock.Create(hwnd, layout.clock, ClockLook()));
  ui::Label roomy;
  ASSERT_TRUE(roomy.Create(hwnd, {160, 0, 240, 60}, ClockLook()));

  constexpr DateTime kTimes[] = {
      {2026, 12, 7, 7, 26, 53},     // the end-to-end run's clock: a third line at 144 DPI
      {2026, 12, 7, 7, 5, 3},       {2026, 12, 31, 23, 59, 59}, {2026, 12, 31, 7, 0, 0},
      {2026, 12, 17, 17, 17, 17},   {2026, 10, 10, 10, 10, 10}, {2026, 1, 1, 1, 1, 1},
      {2026, 12, 31, 0, 0, 0},
  };
  for (const DateTime& t : kTimes) {
    const std::string text = ClockLabelText(clock, ClockText(t));
    SCOPED_TRACE(text);
    clock.SetText(text);
    ASSERT_EQ(clock.Text(), text);
    const std::vector<std::string> lines = Lines(text);
    EXPECT_EQ(InkedLines(clock.GetCanvas()), static_cast<int>(lines.size()));
    const auto shown = InkBox(clock.GetCanvas(), Inked);
    ASSERT_TRUE(shown);
    for (const std::string& line : lines) {
      roomy.SetText(line);
      const auto whole = InkBox(roomy.GetCanvas(), Inked);
      ASSERT_TRUE(whole);
      EXPECT_GE(shown->width + 1, whole->width) << "the line " << line << " is cut";
    }
  }
}

}  // namespace
}  // namespace tabulo::app
