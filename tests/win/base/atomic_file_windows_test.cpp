// ReplaceFileBytes on Windows, where renaming over an existing or open file
// behaves differently from POSIX.
#include <windows.h>

#include <gtest/gtest.h>

#include "base/file/atomic_file.h"
#include "support/temp_directory.h"

namespace tabulo {
namespace {

namespace fs = std::filesystem;

class AtomicFileWindowsTest : public ::testing::Test {
 protected:
  test::TempDirectory dir_;
  fs::path file_ = dir_.path() / "timetable.dat";
};

TEST_F(AtomicFileWindowsTest, ReplacesAnExistingFile) {
  dir_.WriteFile("timetable.dat", "old");
  ASSERT_TRUE(ReplaceFileBytes(file_, "new"));
  EXPECT_EQ(dir_.ReadFile("timetable.dat"), "new");
  EXPECT_FALSE(fs::exists(TemporaryPathFor(file_)));
}

TEST_F(AtomicFileWindowsTest, KeepsTheOldFileWhenItCannotBeReplaced) {
  struct Case {
    const char* what;
    DWORD share;       // how another program holds the file open
    DWORD attributes;  // of the file itself
  };
  const Case kCases[] = {
      {"open without delete sharing", FILE_SHARE_READ | FILE_SHARE_WRITE, FILE_ATTRIBUTE_NORMAL},
      {"read-only file", 0, FILE_ATTRIBUTE_READONLY},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    dir_.WriteFile("timetable.dat", "old");
    ASSERT_TRUE(SetFileAttributesW(file_.c_str(), c.attributes));
    HANDLE held = INVALID_HANDLE_VALUE;
    if (c.share != 0) {
      held = CreateFileW(file_.c_str(), GENERIC_READ, c.share, nullptr, OPEN_EXISTING, 0, nullptr);
      ASSERT_NE(held, INVALID_HANDLE_VALUE);
    }
    EXPECT_FALSE(ReplaceFileBytes(file_, "new"));
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(dir_.ReadFile("timetable.dat"), "old");
    EXPECT_FALSE(fs::exists(TemporaryPathFor(file_)));
  }
}

TEST_F(AtomicFileWindowsTest, WritesNamesOutsideTheAnsiCodePage) {
  const fs::path file = dir_.path() / L"\u00E4\U0001F600 set";
  ASSERT_TRUE(ReplaceFileBytes(file, "x"));
  EXPECT_NE(GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(ReadFileBytes(file), "x");
}

}  // namespace
}  // namespace tabulo
