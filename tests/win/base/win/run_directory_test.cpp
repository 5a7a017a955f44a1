#include "base/win/run_directory.h"

#include <gtest/gtest.h>

namespace tabulo {
namespace {

TEST(RunDirectory, IsTheFolderOfTheRunningExecutable) {
  EXPECT_EQ(ExecutableFileName(), std::filesystem::path(L"tabulo_win_tests.exe"));
  EXPECT_TRUE(std::filesystem::is_regular_file(RunDirectory() / ExecutableFileName()));
  EXPECT_EQ(RunDirectory() / ExecutableFileName(), ExecutablePath());
  EXPECT_TRUE(RunDirectory().is_absolute());
}

}  // namespace
}  // namespace tabulo
