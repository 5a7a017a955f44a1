#include "app/shell/settings_store.h"

#include <gtest/gtest.h>

#include "support/temp_directory.h"

namespace tabulo::app {
namespace {

class SettingsStoreTest : public ::testing::Test {
 protected:
  test::TempDirectory run_directory_;
  SettingsStore store_{run_directory_.path()};
};

TEST_F(SettingsStoreTest, NoFileGivesTheDefaultsAndCreatesNothing) {
  const Settings settings = store_.Load();
  EXPECT_EQ(settings.skin, "蓝天");
  EXPECT_EQ(settings.clock_offset, "0");
  EXPECT_EQ(settings.reminders_off, "false");
  EXPECT_FALSE(std::filesystem::exists(run_directory_.path() / "setup"));
}

TEST_F(SettingsStoreTest, StoredValuesAreReadAsTheyStandWhateverTheCaseOfTheNames) {
  // Written by hand: upper-case names, GBK "星空", an empty offset, "TRUE"
  // (which is not "true" to the bar, so it must come back unchanged).
  run_directory_.WriteFile("setup", "[SET]\r\nSKIN=\xD0\xC7\xBF\xD5\r\nTime=\r\ntip=TRUE\r\n");
  const Settings settings = store_.Load();
  EXPECT_EQ(settings.skin, "星空");
  EXPECT_EQ(settings.clock_offset, "") << "present but empty is not missing";
  EXPECT_EQ(settings.reminders_off, "TRUE");
}

TEST_F(SettingsStoreTest, SaveWritesTheThreeKeysIntoSetupBesideTheProgram) {
  ASSERT_TRUE(store_.Save({.skin = "星空", .clock_offset = "-5", .reminders_off = "true"}));
  EXPECT_EQ(run_directory_.ReadFile("setup"), "[set]\r\nskin=\xD0\xC7\xBF\xD5\r\ntime=-5\r\ntip=true\r\n");

  ASSERT_TRUE(store_.Write("time", "3"));
  EXPECT_EQ(store_.Read("time", "0"), "3");
  EXPECT_EQ(store_.Load().skin, "星空");
}

}  // namespace
}  // namespace tabulo::app
