#include "ui/controls/edit_formats.h"

#include <gtest/gtest.h>

namespace tabulo::ui {
namespace {

TEST(EditFormats, CharFormatHoldsOnlyWhatIsGiven) {
  const EditCharFormat nothing = MakeCharFormat({});
  EXPECT_EQ(nothing, (EditCharFormat{kCfmEffects, 0, 0, 0, 0, u""}));

  // The timer's digit fields: face, size 65, default colour black at alpha 240.
  const EditCharFormat digits = MakeCharFormat({"微软雅黑", 65, 1 | 4, 0xF0000000, 0});
  EXPECT_EQ(digits.mask, kCfmEffects | kCfmSize | kCfmColour | kCfmFace);
  EXPECT_EQ(digits.mask, 0xE000000Fu);
  EXPECT_EQ(digits.effects, 5u);
  EXPECT_EQ(digits.height, 975);
  EXPECT_EQ(digits.colour, 0u);
  EXPECT_EQ(digits.face, u"微软雅黑");
  EXPECT_EQ(SizeFromCharFormat(digits), 65);

  const EditCharFormat raised = MakeCharFormat({"", 10.5, 0, 0xFF3399FF, -3});
  EXPECT_EQ(raised.mask, kCfmEffects | kCfmSize | kCfmColour | kCfmOffset);
  EXPECT_EQ(raised.height, 157);
  EXPECT_EQ(raised.offset, -3);
  EXPECT_EQ(raised.colour, 0xFF9933u);  // Windows RGB, red in the low byte
}

// The engine's pixels are twips x surface DPI / 1440; a field's are its
// size x window DPI / 96. A window at 144 with a 96-DPI surface (a second
// monitor on Windows) needs 1.5x the twips; a window at 96 on a 144 surface
// two thirds of them; agreeing DPIs leave the format exactly as it was.
TEST(EditFormats, CharFormatIsScaledByTheWindowsDpiOverTheSurfaces) {
  struct Case {
    int windowDpi;
    int surfaceDpi;
    std::int32_t height;  // 180 twips: size 12
    std::int32_t offset;  // -3 twips
  };
  const Case kCases[] = {
      {96, 96, 180, -3},   {144, 144, 180, -3},  {192, 192, 180, -3}, {144, 96, 270, -5},
      {192, 96, 360, -6},  {120, 96, 225, -4},   {96, 144, 120, -2},  {168, 120, 252, -4},
      {0, 96, 180, -3},    {144, 0, 180, -3},
  };
  const EditCharFormat given = MakeCharFormat({"Arial", 12, 1, 0xFF000001, -3});
  for (const Case& c : kCases) {
    SCOPED_TRACE(::testing::Message() << c.windowDpi << " on " << c.surfaceDpi);
    const EditCharFormat sent = CharFormatForSurface(given, c.windowDpi, c.surfaceDpi);
    EXPECT_EQ(sent.height, c.height);
    EXPECT_EQ(sent.offset, c.offset);
    EXPECT_EQ(sent.face, given.face);
    EXPECT_EQ(sent.mask, given.mask);
    EXPECT_EQ(SizeFromCharFormat(CharFormatFromSurface(sent, c.windowDpi, c.surfaceDpi)), 12)
        << "the size reads back as given";
  }
}

TEST(EditFormats, FaceNameIsCutTo31Units) {
  const std::string longFace(40, 'F');
  EXPECT_EQ(MakeCharFormat({longFace}).face, std::u16string(31, u'F'));
}

TEST(EditFormats, ParaFormat) {
  struct Case {
    const char* why;
    ParaFormatRequest request;
    std::uint32_t mask;
    std::uint16_t alignment;
  };
  const Case kCases[] = {
      {"nothing given", {}, 0, 0},
      {"left", {.alignment = TextAlignment::kNear}, kPfmAlignment, kPfaLeft},
      {"centre", {.alignment = TextAlignment::kCentre}, kPfmAlignment, kPfaCenter},
      {"right", {.alignment = TextAlignment::kFar}, kPfmAlignment, kPfaRight},
      {"unknown alignment is left", {.alignment = static_cast<TextAlignment>(7)}, kPfmAlignment, kPfaLeft},
      {"everything", {TextAlignment::kCentre, 100, -50, 30, 1}, 0x2F, kPfaCenter},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.why);
    const EditParaFormat format = MakeParaFormat(c.request);
    EXPECT_EQ(format.mask, c.mask);
    EXPECT_EQ(format.alignment, c.alignment);
    EXPECT_EQ(format.tabCount, 1);  // one default tab stop, always, outside the mask
    EXPECT_EQ(format.firstTab, 720);
  }
  const EditParaFormat all = MakeParaFormat({TextAlignment::kCentre, 100, -50, 30, 1});
  EXPECT_EQ(all.startIndent, 100);
  EXPECT_EQ(all.offset, -50);
  EXPECT_EQ(all.rightIndent, 30);
  EXPECT_EQ(all.numbering, 1);

  EXPECT_EQ(AlignmentFromParaFormat(kPfaCenter), TextAlignment::kCentre);
  EXPECT_EQ(AlignmentFromParaFormat(kPfaRight), TextAlignment::kFar);
  EXPECT_EQ(AlignmentFromParaFormat(kPfaLeft), TextAlignment::kNear);
  EXPECT_EQ(AlignmentFromParaFormat(4), TextAlignment::kNear);  // justified reads as left
}

}  // namespace
}  // namespace tabulo::ui
