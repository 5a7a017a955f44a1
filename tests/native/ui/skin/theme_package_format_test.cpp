#include "ui/skin/theme_package_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace tabulo::ui {
namespace {

ThemePackageData SampleData() {
  ThemePackageData data;
  data.table.Set(TextKey("Button", "filltype"), std::string("3"));
  data.table.Set(TextKey("SysShadow.HostWnd", "crborder"), std::string("3355443,16777215"));
  data.table.Set(RectKey("Button", "margin"), Rect{4, 3, -4, -3});
  data.table.Set(PictureKey("Button", "normal"), SkinPicture{{0, 0, 64.5f, 24}, 1});
  data.table.Set(PictureKey("Button", "gird"), SkinPicture{{6, 6, 52, 12}, 0});
  data.images[1] = {0x89, 'P', 'N', 'G', 1, 2, 3};
  data.images[7] = {};
  return data;
}

TEST(ThemePackage, RoundTripsWithAndWithoutPassword) {
  for (const char* password : {"", "classroom"}) {
    SCOPED_TRACE(password);
    const auto bytes = SerializeThemePackage(SampleData(), password);
    const auto parsed = ParseThemePackage(bytes, password);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, SampleData());
  }
}

TEST(ThemePackage, LooksUpKeysWithoutRegardToCaseAndByKind) {
  const auto parsed = ParseThemePackage(SerializeThemePackage(SampleData(), ""), "");
  ASSERT_TRUE(parsed);
  const ThemeTable& t = parsed->table;
  EXPECT_EQ(t.Text("BUTTON", "FillType"), "3");
  EXPECT_EQ(t.IntRect("button", "Margin"), (Rect{4, 3, -4, -3}));
  EXPECT_EQ(t.Picture("Button", "NORMAL"), (SkinPicture{{0, 0, 64.5f, 24}, 1}));
  // Each kind has its own key: a picture is not a text or a rectangle.
  EXPECT_FALSE(t.Text("Button", "normal"));
  EXPECT_FALSE(t.IntRect("Button", "normal"));
  EXPECT_FALSE(t.Picture("Button", "margin"));
  EXPECT_FALSE(t.Text("Edit", "filltype"));
}

TEST(ThemePackage, PasswordMustMatchTheOneItWasWrittenWith) {
  const auto scrambled = SerializeThemePackage(SampleData(), "classroom");
  EXPECT_FALSE(ParseThemePackage(scrambled, ""));
  EXPECT_FALSE(ParseThemePackage(scrambled, "Classroom"));
  EXPECT_FALSE(ParseThemePackage(SerializeThemePackage(SampleData(), ""), "classroom"));
  // Scrambled means the key texts are no longer readable in the bytes.
  const std::string raw(scrambled.begin(), scrambled.end());
  EXPECT_EQ(raw.find("button_filltype"), std::string::npos);
}

TEST(ThemePackage, TruncatedOrCorruptInputGivesNothing) {
  const auto bytes = SerializeThemePackage(SampleData(), "");
  for (std::size_t size = 0; size < bytes.size(); ++size) {
    ASSERT_FALSE(ParseThemePackage(std::span(bytes).first(size), "")) << "truncated to " << size;
  }
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    auto damaged = bytes;
    damaged[i] ^= 0x20;
    ASSERT_FALSE(ParseThemePackage(damaged, "")) << "byte " << i << " damaged";
  }
  auto longer = bytes;
  longer.push_back(0);
  EXPECT_FALSE(ParseThemePackage(longer, ""));
}

// A package whose payload passes the checksum but lies about its contents,
// as a hand-made or buggy package could.
std::vector<std::uint8_t> WithPayload(const std::vector<std::uint8_t>& payload) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::uint8_t b : payload) {
    crc ^= b;
    for (int k = 0; k < 8; ++k) crc = (crc & 1) ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
  }
  crc ^= 0xFFFFFFFFu;
  std::vector<std::uint8_t> bytes = {'T', 'A', 'B', 'T', 'H', 'E', 'M', 'E', 1, 0, 0, 0};
  for (std::uint32_t v : {static_cast<std::uint32_t>(payload.size()), crc})
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  bytes.insert(bytes.end(), payload.begin(), payload.end());
  return bytes;
}

TEST(ThemePackage, RejectsWellFormedButInconsistentPayloads) {
  ASSERT_TRUE(ParseThemePackage(WithPayload({0, 0, 0, 0, 0, 0, 0, 0}), "")) << "the helper builds valid packages";
  const std::vector<std::uint8_t> kPayloads[] = {
      {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0},                  // four billion entries announced
      {1, 0, 0, 0, 9, 1, 0, 'k', 0, 0, 0, 0, 0, 0, 0, 0},    // unknown kind
      {0, 0, 0, 0, 1, 0, 0, 0, 5, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F},  // image longer than the package
      {0, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0},  // image 1 twice
      {0, 0, 0, 0, 0, 0, 0, 0, 0},                            // trailing byte
  };
  for (const auto& payload : kPayloads) {
    SCOPED_TRACE(testing::PrintToString(payload));
    EXPECT_FALSE(ParseThemePackage(WithPayload(payload), ""));
  }
}

// Well-formed packages whose numbers no picture can mean: those keys are
// left out, so the elements fall back to their plain look, and the rest of
// the package is read as usual.
TEST(ThemePackage, LeavesOutValuesBeyondWhatAThemeCanMean) {
  const float kNan = std::numeric_limits<float>::quiet_NaN();
  const float kInf = std::numeric_limits<float>::infinity();
  const SkinPicture kPictures[] = {
      {{kNan, 0, 10, 10}, 1}, {{0, kInf, 10, 10}, 1}, {{0, 0, -kInf, 10}, 1},
      {{0, 0, 10, 3e9f}, 1},  {{8193, 0, 10, 10}, 1}, {{0, 0, 10, -8193}, 1},
  };
  const Rect kRects[] = {{std::numeric_limits<int>::max(), 0, 0, 0}, {0, std::numeric_limits<int>::min(), 0, 0},
                         {0, 0, 8193, 0}, {0, 0, 0, -8193}};
  ThemePackageData data = SampleData();
  for (const SkinPicture& picture : kPictures) {
    ThemePackageData damaged = data;
    damaged.table.Set(PictureKey("Button", "down"), picture);
    damaged.table.Set(PictureKey("Button", "gird"), SkinPicture{picture.area, 0});
    const auto parsed = ParseThemePackage(SerializeThemePackage(damaged, ""), "");
    ASSERT_TRUE(parsed);
    EXPECT_FALSE(parsed->table.Picture("Button", "down"));
    EXPECT_FALSE(parsed->table.Picture("Button", "gird"));
    EXPECT_EQ(parsed->table.Picture("Button", "normal"), (SkinPicture{{0, 0, 64.5f, 24}, 1}));
  }
  for (const Rect& rect : kRects) {
    ThemePackageData damaged = data;
    damaged.table.Set(RectKey("Button", "margin"), rect);
    const auto parsed = ParseThemePackage(SerializeThemePackage(damaged, ""), "");
    ASSERT_TRUE(parsed);
    EXPECT_FALSE(parsed->table.IntRect("Button", "margin"));
    EXPECT_EQ(parsed->table.Text("Button", "filltype"), "3");
  }
  data.table.Set(PictureKey("Edge", "case"), SkinPicture{{-8192, 0, 8192, 8192}, 1});
  data.table.Set(RectKey("Edge", "case"), Rect{-8192, 8192, 0, 0});
  EXPECT_EQ(ParseThemePackage(SerializeThemePackage(data, ""), ""), data) << "the limits themselves are kept";
}

// A key's length is stored in 16 bits: a longer key would be cut and the
// package misread, so nothing is written at all.
TEST(ThemePackage, WritesNothingForAKeyTooLongForTheFormat) {
  ThemePackageData data = SampleData();
  data.table.Set(std::string(kMaxThemeKeyBytes, 'k'), std::string("fits"));
  ASSERT_TRUE(ParseThemePackage(SerializeThemePackage(data, ""), ""));
  data.table.Set(std::string(kMaxThemeKeyBytes + 1, 'k'), std::string("too long"));
  EXPECT_TRUE(SerializeThemePackage(data, "").empty());
}

}  // namespace
}  // namespace tabulo::ui
