#include "base/ini/profile_store.h"

#include <gtest/gtest.h>

#include "support/temp_directory.h"

namespace tabulo {
namespace {

namespace fs = std::filesystem;

class ProfileStoreTest : public ::testing::Test {
 protected:
  test::TempDirectory dir_;
  ProfileStore store_{dir_.path() / "setup"};
};

TEST_F(ProfileStoreTest, MissingFileSectionOrKeyGiveTheFallbackButAnEmptyValueDoesNot) {
  EXPECT_EQ(store_.Read("set", "skin", "蓝天"), "蓝天");
  dir_.WriteFile("setup", "[set]\r\ntime=\r\n");
  EXPECT_EQ(store_.Read("set", "time", "0"), "");
  EXPECT_EQ(store_.Read("set", "tip", "false"), "false");
  EXPECT_EQ(store_.Read("other", "time", "0"), "0");
}

TEST_F(ProfileStoreTest, FallbackLosesTrailingSpacesButNotItsFirstCharacter) {
  struct Case {
    const char* fallback;
    const char* read;
  };
  const Case kCases[] = {{"dflt  ", "dflt"}, {"  dflt", "  dflt"}, {"a\t ", "a\t"}, {"  ", " "}, {"", ""}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.fallback);
    EXPECT_EQ(store_.Read("set", "none", c.fallback), c.read);
  }
}

TEST_F(ProfileStoreTest, LongValuesAreCutToTheReadBufferOnACharacterBoundary) {
  dir_.WriteFile("setup", "[set]\r\nascii=" + std::string(10300, 'x') + "\r\nchinese=" + std::string(5200, 'a') +
                              [] {
                                std::string s;
                                for (int i = 0; i < 3000; ++i) s += "\xD6\xD0";  // 中
                                return s;
                              }() +
                              "\r\n");
  EXPECT_EQ(store_.Read("set", "ascii", ""), std::string(10239, 'x'));
  // 5200 + 2 * 2519 = 10238 bytes: one more 中 would need 10240.
  std::string expected(5200, 'a');
  for (int i = 0; i < 2519; ++i) expected += "中";
  EXPECT_EQ(store_.Read("set", "chinese", ""), expected);
}

TEST_F(ProfileStoreTest, WritesCreateTheFileAndKeepWhatTheyDoNotTouch) {
  ASSERT_TRUE(store_.Write("set", "skin", "星空"));
  EXPECT_EQ(dir_.ReadFile("setup"), "[set]\r\nskin=\xD0\xC7\xBF\xD5\r\n");
  dir_.WriteFile("setup", "; mine\n[set]\nskin=\xD0\xC7\xBF\xD5\n\n[keep]\nx = \x81\n");
  ASSERT_TRUE(store_.WriteAll({{"set", "time", "-5"}, {"set", "tip", "true"}, {"set", "skin", "蓝天"}}));
  EXPECT_EQ(dir_.ReadFile("setup"), "; mine\n[set]\nskin=\xC0\xB6\xCC\xEC\ntime=-5\ntip=true\n\n[keep]\nx = \x81\n");
  EXPECT_EQ(store_.Read("SET", "Tip", ""), "true");
}

TEST_F(ProfileStoreTest, FailedReplacementKeepsThePreviousFile) {
  const std::string before = "[set]\r\nskin=old\r\n";
  dir_.WriteFile("setup", before);
  fs::permissions(store_.path(), fs::perms::owner_read);  // the user's way of keeping a file

  EXPECT_FALSE(store_.WriteAll({{"set", "time", "1"}, {"set", "skin", "new"}}));
  EXPECT_EQ(dir_.ReadFile("setup"), before);
  // Nothing to change means nothing to write, so that succeeds.
  EXPECT_TRUE(store_.Write("set", "skin", "old"));
  fs::permissions(store_.path(), fs::perms::owner_all);  // so Windows lets the folder be removed
}

TEST_F(ProfileStoreTest, AnUnreadableFileIsNotOverwritten) {
  fs::create_directory(store_.path());  // exists, but cannot be read as a file
  EXPECT_FALSE(store_.Write("set", "skin", "x"));
  EXPECT_TRUE(fs::is_directory(store_.path()));
}

}  // namespace
}  // namespace tabulo
