#include <gtest/gtest.h>

#include "ui/engine/control_classes.h"
#include "ui/engine/font_names.h"
#include "ui/engine/os_version.h"

namespace tabulo::ui {
namespace {

TEST(OsVersionNumber, MapsEveryRowOfTheTable) {
  struct Case {
    std::uint32_t major, minor, productType;
    bool native64;
    float expected;
  };
  const Case kCases[] = {
      {5, 0, 1, false, 0.0f},    // Windows 2000 is not recognised
      {5, 1, 1, false, 5.0f},    {5, 1, 3, false, 5.0f},
      {5, 2, 1, false, 5.0f},    {5, 2, 3, false, 5.01f},  {5, 2, 3, true, 5.0f},
      {5, 3, 1, false, 0.0f},
      {6, 0, 1, false, 6.0f},    {6, 0, 3, false, 6.11f},  {6, 1, 1, false, 6.1f},  {6, 1, 2, false, 6.11f},
      {6, 2, 1, false, 6.2f},    {6, 2, 3, false, 6.31f},  {6, 3, 1, false, 6.3f},  {6, 4, 3, false, 6.31f},
      {10, 0, 1, false, 6.4f},   {10, 0, 3, true, 6.31f},
      {4, 0, 1, false, 4.0f},    {11, 2, 1, false, 11.2f}, {11, 2, 3, false, 11.21f},
      {0x1000A, 0x20000, 1, false, 6.4f},  // only the low 16 bits count
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.major << "." << c.minor << " type " << c.productType);
    EXPECT_EQ(OsVersionNumber({c.major, c.minor, c.productType, c.native64}), c.expected);
  }
}

TEST(OsVersionNumber, GlassOnlyOnVistaOrOnALayeredWindowOfWindows7) {
  EXPECT_TRUE(GlassAllowed(6.0f, false));
  EXPECT_TRUE(GlassAllowed(6.1f, true));
  EXPECT_FALSE(GlassAllowed(6.1f, false));
  EXPECT_FALSE(GlassAllowed(6.11f, true));
  EXPECT_FALSE(GlassAllowed(6.4f, true));
}

TEST(DefaultFont, TahomaCountsAsSongTi) {
  EXPECT_EQ(CaptionFontCandidate("Tahoma"), "宋体");
  EXPECT_EQ(CaptionFontCandidate(""), "宋体");
  EXPECT_EQ(CaptionFontCandidate("Segoe UI"), "Segoe UI");
}

TEST(ControlClasses, SeventeenClassesFoundByNameInAnyCase) {
  ControlClassRegistry registry;
  for (const ControlClass& c : BuiltInControlClasses()) registry.Register(c.name, c.number);
  EXPECT_EQ(registry.size(), 17u);
  EXPECT_EQ(registry.Number("imagebutton"), 7);
  EXPECT_EQ(registry.Number("SCROLLBAR"), 16);
  EXPECT_EQ(registry.Number("ImageListButton"), 23);
  EXPECT_EQ(registry.Number("MenuItem"), 0);
}

}  // namespace
}  // namespace tabulo::ui
