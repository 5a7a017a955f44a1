#include "base/file/atomic_file.h"

#include <gtest/gtest.h>

#include "support/temp_directory.h"

#if defined(__linux__)
#include <sys/resource.h>

#include <csignal>
#endif

namespace tabulo {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
 protected:
  // Bytes a text-mode or NUL-terminated write would change.
  const std::string kOld = std::string("old\r\n\0\x1A\xFF", 8);
  test::TempDirectory dir_;
  fs::path file_ = dir_.path() / "timetable.dat";
};

TEST_F(AtomicFileTest, ReadsBytesExactlyAndMissingAsNothing) {
  EXPECT_EQ(ReadFileBytes(file_), std::nullopt);
  EXPECT_EQ(ReadFileBytes(dir_.path()), std::nullopt);  // a folder is no file
  dir_.WriteFile("timetable.dat", kOld);
  EXPECT_EQ(ReadFileBytes(file_), kOld);
}

TEST_F(AtomicFileTest, ReplacesAnExistingFileAndCreatesAMissingOne) {
  ASSERT_TRUE(ReplaceFileBytes(file_, kOld));
  EXPECT_EQ(dir_.ReadFile("timetable.dat"), kOld);
  ASSERT_TRUE(ReplaceFileBytes(file_, "new"));
  EXPECT_EQ(dir_.ReadFile("timetable.dat"), "new");
  EXPECT_FALSE(fs::exists(TemporaryPathFor(file_)));
}

TEST_F(AtomicFileTest, HandlesNamesOutsideTheAnsiCodePage) {
  const fs::path file = dir_.path() / fs::path(u8"课程表 \u00E4\U0001F600.dat");
  ASSERT_TRUE(ReplaceFileBytes(file, "x"));
  EXPECT_EQ(ReadFileBytes(file), "x");
}

TEST_F(AtomicFileTest, FailsWithoutTraceWhenTheFolderIsMissing) {
  EXPECT_FALSE(ReplaceFileBytes(dir_.path() / "missing" / "set", "x"));
  EXPECT_TRUE(fs::is_empty(dir_.path()));
}

TEST_F(AtomicFileTest, FailedRenameLeavesTheTargetAndNoTemporaryFile) {
  // A non-empty folder cannot be replaced by a file.
  fs::create_directory(file_);
  dir_.WriteFile("timetable.dat/keep", kOld);
  EXPECT_FALSE(ReplaceFileBytes(file_, "new"));
  EXPECT_EQ(dir_.ReadFile("timetable.dat/keep"), kOld);
  EXPECT_FALSE(fs::exists(TemporaryPathFor(file_)));
}

TEST_F(AtomicFileTest, LeavesAReadOnlyFileAlone) {
  dir_.WriteFile("timetable.dat", kOld);
  fs::permissions(file_, fs::perms::owner_read);
  EXPECT_FALSE(ReplaceFileBytes(file_, "new"));
  fs::permissions(file_, fs::perms::owner_all);
  EXPECT_EQ(dir_.ReadFile("timetable.dat"), kOld);
  EXPECT_FALSE(fs::exists(TemporaryPathFor(file_)));
}

#if defined(__linux__)
// A file size limit makes the kernel refuse the write part-way, as a full
// disk does (tests run as root, so a read-only folder would not stop them).
TEST_F(AtomicFileTest, WriteErrorPartWayKeepsTheOldFile) {
  dir_.WriteFile("timetable.dat", kOld);
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = ReplaceFileBytes(file_, std::string(100000, 'x'));
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_FALSE(written);
  EXPECT_EQ(dir_.ReadFile("timetable.dat"), kOld);
  EXPECT_FALSE(fs::exists(TemporaryPathFor(file_)));
}
#endif

}  // namespace
}  // namespace tabulo
