// Text with CR LF between its lines (the tool window's hide strip) is drawn
// and measured exactly as the same text with LF alone: under Wine the CR
// would otherwise show as a box after every character and widen the text.
#include <vector>

#include "ui/canvas/canvas.h"
#include "ui/canvas/drawing.h"
#include "ui/engine/font_names.h"
#include "ui/engine/fonts.h"
#include "win/ui/engine_fixture.h"

namespace tabulo::ui::testing {
namespace {

constexpr std::wstring_view kCrLfText = L"单\r\n击\r\n此\r\n处\r\n以\r\n隐\r\n藏\r\n工\r\n具\r\n窗\r\n口";
constexpr std::wstring_view kLfText = L"单\n击\n此\n处\n以\n隐\n藏\n工\n具\n窗\n口";
constexpr std::wstring_view kCrText = L"单\r击\r此\r处\r以\r隐\r藏\r工\r具\r窗\r口";
constexpr RectF kStrip{0, 0, 28, 210};

std::vector<std::uint32_t> Drawn(std::wstring_view text, Gdiplus::TextRenderingHint hint, TextEffect effect) {
  auto font = CreateFontFromName(kMicrosoftYaHei, 13, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
  Canvas canvas;
  if (!font || !canvas.Create(28, 210, hint)) return {};
  DrawText(canvas.graphics(), kStrip, text, font.get(), 0xFF000000u, nullptr, effect);
  canvas.Flush();
  return {canvas.pixels().begin(), canvas.pixels().end()};
}

int DifferingPixels(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
  if (a.size() != b.size()) return -1;
  int differing = 0;
  for (std::size_t i = 0; i < a.size(); ++i) differing += a[i] != b[i];
  return differing;
}

TEST(TextLineBreaks, CrLfAndLoneCrDrawExactlyAsLineFeeds) {
  EngineStart();
  if (!Engine().service) EngineInitialise({});
  struct Case {
    Gdiplus::TextRenderingHint hint;
    TextEffect effect;
  };
  constexpr Case kCases[] = {
      {Gdiplus::TextRenderingHintAntiAlias, TextEffect::kNone},
      {Gdiplus::TextRenderingHintAntiAlias, TextEffect::kGlow},
      {Gdiplus::TextRenderingHintClearTypeGridFit, TextEffect::kOutline},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(::testing::Message() << "hint " << c.hint << ", effect " << static_cast<int>(c.effect));
    const auto expected = Drawn(kLfText, c.hint, c.effect);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(DifferingPixels(Drawn(kCrLfText, c.hint, c.effect), expected), 0);
    EXPECT_EQ(DifferingPixels(Drawn(kCrText, c.hint, c.effect), expected), 0);
  }
}

TEST(TextLineBreaks, CrLfAndLoneCrMeasureAsLineFeeds) {
  auto font = CreateFontFromName(kMicrosoftYaHei, 13, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
  ASSERT_TRUE(font);
  Canvas canvas;
  ASSERT_TRUE(canvas.Create(28, 210, Gdiplus::TextRenderingHintAntiAlias));
  const RectF unbounded{0, 0, 4096, 4096};
  const RectF expected = MeasureText(canvas.graphics(), kLfText, font.get(), unbounded, nullptr);
  ASSERT_GT(expected.height, 10 * 13.0f);  // eleven lines of one character
  for (const std::wstring_view text : {kCrLfText, kCrText}) {
    const RectF box = MeasureText(canvas.graphics(), text, font.get(), unbounded, nullptr);
    EXPECT_EQ(box.width, expected.width);
    EXPECT_EQ(box.height, expected.height);
  }
}

}  // namespace
}  // namespace tabulo::ui::testing
