#include "ui/skin/theme_packer.h"

#include <gtest/gtest.h>

#include "support/file_bytes.h"
#include "support/temp_directory.h"
#include "ui/skin/theme_package_format.h"

namespace tabulo::ui {
namespace {

namespace fs = std::filesystem;
using test::CountEntries;
using test::ReadBytes;
using test::WriteBytes;

// A sheet's PNG signature and IHDR: all the packer reads of it.
const std::string kSheet("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\0\x40\0\0\0\x30\x08\x06\0\0\0", 29);

class ThemePackerTest : public testing::Test {
 protected:
  void SetUp() override { WriteBytes(dir_.path() / "theme" / "buttons.png", kSheet); }

  std::vector<std::string> Pack(const std::string& source) {
    WriteBytes(dir_.path() / "theme" / "theme.ini", source);
    return PackTheme(dir_.path() / "theme" / "theme.ini", output_, "");
  }

  test::TempDirectory dir_;
  fs::path output_ = dir_.path() / "out" / "User Interface.ext";
};

TEST_F(ThemePackerTest, WritesThePackageTheProgramReads) {
  fs::create_directories(output_.parent_path());
  ASSERT_EQ(Pack("[images]\n1 = buttons.png\n[Button]\nnormal = picture(1, 0, 0, 64, 24)\n"),
            std::vector<std::string>{});
  const std::string bytes = ReadBytes(output_);
  const auto package = ParseThemePackage({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, "");
  ASSERT_TRUE(package);
  EXPECT_EQ(package->table.Picture("Button", "normal"), (SkinPicture{{0, 0, 64, 24}, 1}));
  EXPECT_EQ(CountEntries(output_.parent_path()), 1);
}

// A refused source or a failed write leaves the output as it was and
// nothing beside it.
TEST_F(ThemePackerTest, FailuresLeaveTheOutputAsItWasAndNothingBehind) {
  struct Case {
    const char* what;
    std::string source;
    bool outputIsFolder;  // a folder with a file in it cannot be replaced
    std::string message;
  };
  const std::string source = (dir_.path() / "theme" / "theme.ini").string();
  const Case kCases[] = {
      {"picture number beyond int", "[images]\n1 = buttons.png\n[B]\nn = picture(1e10, 0, 0, 1, 1)\n", false,
       source + ": line 4: [B] n: the image number must be a whole number"},
      {"NaN in a picture", "[images]\n1 = buttons.png\n[B]\nn = picture(1, nan, 0, 1, 1)\n", false,
       source + ": line 4: [B] n: numbers must be finite and within -8192 to 8192"},
      {"output cannot be replaced", "[B]\nfilltype = 3\n", true, output_.string() + ": cannot write"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(output_.parent_path());
    if (c.outputIsFolder) {
      WriteBytes(output_ / "keep", "x");
    } else {
      WriteBytes(output_, "old package");
    }
    EXPECT_EQ(Pack(c.source), std::vector<std::string>{c.message});
    EXPECT_EQ(CountEntries(output_.parent_path()), 1);
    EXPECT_EQ(ReadBytes(c.outputIsFolder ? output_ / "keep" : output_), c.outputIsFolder ? "x" : "old package");
  }
}

}  // namespace
}  // namespace tabulo::ui
