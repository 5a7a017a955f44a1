#include "ui/skin/shared_decodes.h"

#include <gtest/gtest.h>

#include "ui/skin/resource_package.h"
#include "ui/skin/skin_draw.h"
#include "ui/skin/theme_package_format.h"
#include "win/ui/skin/skin_fixture.h"
#include "win/ui/themed_window_fixture.h"

namespace tabulo::ui {
namespace {

std::vector<std::uint8_t> RedPng() {
  return test::EncodePng(*test::PaintBitmap(30, 20, [](int, int) { return 0xFFFF0000u; }));
}

std::vector<std::uint8_t> PackageBytes(const char* password) {
  ThemePackageData data;
  data.images[1] = RedPng();
  data.table.Set(TextKey("Edit", "filltype"), std::string("3"));
  return SerializeThemePackage(data, password);
}

TEST(SharedDecodes, HandsOutThePackageTheSameBytesMadeWhileSomebodyHoldsIt) {
  test::StartGdiplus();
  SharedDecodes decodes;
  const std::vector<std::uint8_t> bytes = PackageBytes("");
  const std::vector<std::uint8_t> sameContent = bytes;
  std::shared_ptr<const ResourcePackage> first = decodes.Package(bytes, "");
  ASSERT_TRUE(first);
  EXPECT_EQ(decodes.Package(sameContent, ""), first) << "compared by content, not by address";

  const std::vector<std::uint8_t> locked = PackageBytes("secret");
  const auto other = decodes.Package(locked, "secret");
  ASSERT_TRUE(other);
  EXPECT_NE(other, first);
  EXPECT_FALSE(decodes.Package(locked, "")) << "a wrong password still opens nothing";
  EXPECT_FALSE(decodes.Package({}, ""));

  const std::weak_ptr<const ResourcePackage> released = first;
  first.reset();
  EXPECT_TRUE(released.expired()) << "the cache keeps nothing alive by itself";
  EXPECT_TRUE(decodes.Package(bytes, "")) << "opened anew once nobody held it";
}

TEST(SharedDecodes, SharesAPictureOnlyWithTheSameFillTypeAndOffset) {
  test::StartGdiplus();
  SharedDecodes decodes;
  const std::vector<std::uint8_t> png = RedPng();
  const auto natural = decodes.BackgroundPicture(png, FillType::kNatural, {0, 0});
  ASSERT_TRUE(natural);
  EXPECT_EQ(decodes.BackgroundPicture(png, FillType::kNatural, {0, 0}), natural);
  // The edges are faded by placement, so other placements get their own.
  EXPECT_NE(decodes.BackgroundPicture(png, FillType::kNatural, {10, 0}), natural);
  EXPECT_NE(decodes.BackgroundPicture(png, FillType::kCentre, {0, 0}), natural);
  const std::uint8_t notAPicture[] = {'j', 'p', 'e', 'g', '?'};
  EXPECT_FALSE(decodes.BackgroundPicture(notAPicture, FillType::kNatural, {0, 0}));
  EXPECT_FALSE(decodes.BackgroundPicture({}, FillType::kNatural, {0, 0}));
}

// Every window of the program binds the same theme file: they wear one
// package instead of each parsing it and decoding its pictures again.
class SharedThemeTest : public testing::ThemedWindowTest {};

TEST_F(SharedThemeTest, WindowsBoundToTheSameThemeWearOnePackage) {
  BindThemed();
  HWND secondHandle = CreateWindowExW(WS_EX_TOOLWINDOW, kDefaultWindowClass, L"second", WS_POPUP, 150, 150, 200,
                                      150, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(secondHandle);
  const std::vector<std::uint8_t> themeAgain = testing::ShippedThemeBytes();
  BindOptions options;
  options.theme = themeAgain;
  options.captionButtons = kNoCaptionButtons;
  UiWindow second;
  ASSERT_TRUE(second.Bind(secondHandle, options));
  EXPECT_EQ(second.Package(), window.Package());
  DestroyWindow(secondHandle);
}

// Windows that show the same picture the same way (the bar and its
// reminder pop-up) share one decoded copy.
TEST_F(SharedThemeTest, WindowsBoundToTheSamePictureShareItsPixels) {
  const std::vector<std::uint8_t> png = RedPng();
  BindOptions options;
  options.background = png;
  options.captionButtons = kNoCaptionButtons;
  Bind(options);
  ASSERT_NE(window.BackgroundPicture(), nullptr);
  HWND secondHandle = CreateWindowExW(WS_EX_TOOLWINDOW, kDefaultWindowClass, L"second", WS_POPUP, 150, 150, 200,
                                      150, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(secondHandle);
  const std::vector<std::uint8_t> pngAgain = png;
  options.background = pngAgain;
  UiWindow second;
  ASSERT_TRUE(second.Bind(secondHandle, options));
  EXPECT_EQ(second.BackgroundPicture(), window.BackgroundPicture());
  DestroyWindow(secondHandle);
}

}  // namespace
}  // namespace tabulo::ui
