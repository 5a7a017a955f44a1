#include "ui/skin/resource_package.h"

#include <gtest/gtest.h>

#include "ui/skin/picture_size.h"
#include "win/ui/skin/skin_fixture.h"

namespace tabulo::ui {
namespace {

ThemePackageData TwoImages() {
  ThemePackageData data;
  data.images[3] = test::EncodePng(*test::PaintBitmap(7, 5, [](int x, int) { return x == 0 ? 0x80FF0000u : 0xFF00FF00u; }));
  data.images[4] = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'};
  data.table.Set(TextKey("Edit", "filltype"), std::string("3"));
  return data;
}

TEST(ResourcePackage, DecodesEachImageOnceAndLeavesOutWhatIsNoPicture) {
  const auto package = test::OpenPackage(TwoImages(), "secret");
  ASSERT_TRUE(package);
  Gdiplus::Bitmap* image = package->Image(3);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->GetWidth(), 7u);
  EXPECT_EQ(image->GetHeight(), 5u);
  EXPECT_EQ(image->GetPixelFormat(), PixelFormat32bppPARGB);
  EXPECT_EQ(test::PixelAt(*image, 0, 0) >> 24, 0x80u) << "alpha survives decoding";
  EXPECT_EQ(test::PixelAt(*image, 6, 4), 0xFF00FF00u);
  EXPECT_EQ(package->Image(3), image) << "the same bitmap every time";
  EXPECT_FALSE(package->Image(4));
  EXPECT_FALSE(package->Image(4)) << "nor on a second look";
  EXPECT_FALSE(package->Image(0));
  EXPECT_EQ(package->Text("edit", "FILLTYPE"), "3");
}

// A picture's header can declare a size that would take gigabytes to
// decode; such pictures are refused before decoding, and the limit lies
// above any picture a theme needs.
TEST(ResourcePackage, LeavesOutPicturesLargerThan8192PixelsOnASide) {
  ThemePackageData data;
  const auto solid = [](int, int) { return 0xFF336699u; };
  data.images[1] = test::EncodePng(*test::PaintBitmap(kMaxPictureSide, 1, solid));
  data.images[2] = test::EncodePng(*test::PaintBitmap(kMaxPictureSide + 1, 1, solid));
  data.images[3] = test::EncodePng(*test::PaintBitmap(1, kMaxPictureSide + 1, solid));
  const auto package = test::OpenPackage(data);
  ASSERT_TRUE(package);
  ASSERT_TRUE(package->Image(1));
  EXPECT_EQ(package->Image(1)->GetWidth(), static_cast<UINT>(kMaxPictureSide));
  EXPECT_FALSE(package->Image(2));
  EXPECT_FALSE(package->Image(3));
}

TEST(ResourcePackage, RefusesWhatIsNotAPackageOrHasAnotherPassword) {
  test::StartGdiplus();
  const auto bytes = SerializeThemePackage(TwoImages(), "secret");
  EXPECT_FALSE(ResourcePackage::Open(bytes, ""));
  EXPECT_FALSE(ResourcePackage::Open({}, ""));
  const std::uint8_t png[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  EXPECT_FALSE(ResourcePackage::Open(png, ""));
}

}  // namespace
}  // namespace tabulo::ui
