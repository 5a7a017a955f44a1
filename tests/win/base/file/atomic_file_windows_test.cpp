// ReplaceFileBytes on Windows, where renaming over an existing or open file
// behaves differently from POSIX, and where the temporary file is created
// through the C runtime's exclusive open (CreateFile with CREATE_NEW).
#include <windows.h>

#include <gtest/gtest.h>

#include "base/file/atomic_file.h"
#include "base/file/temporary_file.h"
#include "support/file_bytes.h"
#include "support/temp_directory.h"

namespace tabulo {
namespace {

namespace fs = std::filesystem;
using test::CountEntries;

class AtomicFileWindowsTest : public ::testing::Test {
 protected:
  test::TempDirectory dir_;
  fs::path file_ = dir_.path() / "timetable.dat";
};

TEST_F(AtomicFileWindowsTest, ReplacesAnExistingFile) {
  dir_.WriteFile("timetable.dat", "old");
  ASSERT_TRUE(ReplaceFileBytes(file_, "new"));
  EXPECT_EQ(dir_.ReadFile("timetable.dat"), "new");
  EXPECT_EQ(CountEntries(dir_.path()), 1) << "no temporary file is left behind";
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
    EXPECT_EQ(CountEntries(dir_.path()), 1);
  }
}

TEST_F(AtomicFileWindowsTest, WritesNamesOutsideTheAnsiCodePage) {
  const fs::path file = dir_.path() / L"\u00E4\U0001F600 set";
  ASSERT_TRUE(ReplaceFileBytes(file, "x"));
  EXPECT_NE(GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(ReadFileBytes(file), "x");
}

// A folder or a file someone left where an older version put its fixed
// temporary file ("timetable.dat.tmp") does not block saving.
TEST_F(AtomicFileWindowsTest, ThingsLeftBesideTheFileDoNotBlockASave) {
  dir_.WriteFile("timetable.dat", "old");
  fs::create_directory(dir_.path() / "timetable.dat.tmp");
  dir_.WriteFile("timetable.dat.tmp/x", "");
  ASSERT_TRUE(ReplaceFileBytes(file_, "new"));
  EXPECT_EQ(dir_.ReadFile("timetable.dat"), "new");
  EXPECT_EQ(CountEntries(dir_.path()), 2);
}

// The exclusive open passes over every kind of thing already at a name,
// read-only or not, and leaves it as it was.
TEST_F(AtomicFileWindowsTest, TakenTemporaryNamesAreLeftAlone) {
  const auto named = [&](const char* suffix) { return dir_.path() / (std::string(".tabulo-") + suffix + ".tmp"); };
  test::WriteBytes(named("a"), "someone's file");
  test::WriteBytes(named("b"), "read-only file");
  ASSERT_TRUE(SetFileAttributesW(named("b").c_str(), FILE_ATTRIBUTE_READONLY));
  fs::create_directory(named("c"));
  const char* const kSuffixes[] = {"a", "b", "c", "d"};
  int next = 0;
  std::optional<TemporaryFile> file = TemporaryFile::CreateBeside(file_, [&] { return std::string(kSuffixes[next++]); });
  ASSERT_TRUE(file);
  EXPECT_EQ(file->path(), named("d"));
  ASSERT_TRUE(file->Write("new"));
  ASSERT_TRUE(file->ReplaceTarget());
  SetFileAttributesW(named("b").c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(dir_.ReadFile("timetable.dat"), "new");
  EXPECT_EQ(test::ReadBytes(named("a")), "someone's file");
  EXPECT_EQ(test::ReadBytes(named("b")), "read-only file");
  EXPECT_EQ(CountEntries(dir_.path()), 4);
}

}  // namespace
}  // namespace tabulo
