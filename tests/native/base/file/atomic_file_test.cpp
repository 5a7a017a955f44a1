#include "base/file/atomic_file.h"

#include <gtest/gtest.h>

#include "support/file_bytes.h"
#include "support/temp_directory.h"

#if defined(__linux__)
#include <sys/resource.h>

#include <csignal>
#endif

namespace tabulo {
namespace {

namespace fs = std::filesystem;
using test::CountEntries;

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
  EXPECT_EQ(CountEntries(dir_.path()), 1) << "no temporary file is left behind";
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
  EXPECT_EQ(CountEntries(dir_.path()), 1);
}

TEST_F(AtomicFileTest, LeavesAReadOnlyFileAlone) {
  dir_.WriteFile("timetable.dat", kOld);
  fs::permissions(file_, fs::perms::owner_read);
  EXPECT_FALSE(ReplaceFileBytes(file_, "new"));
  fs::permissions(file_, fs::perms::owner_all);
  EXPECT_EQ(dir_.ReadFile("timetable.dat"), kOld);
  EXPECT_EQ(CountEntries(dir_.path()), 1);
}

// Anyone at the classroom computer can write to the run directory. What
// they plant where an older version put its fixed temporary file
// ("timetable.dat.tmp") neither redirects a save nor blocks it.
TEST_F(AtomicFileTest, ThingsPlantedBesideTheFileNeitherRedirectNorBlockASave) {
  struct Case {
    const char* what;
    void (*plant)(const fs::path& at, const fs::path& victim);
  };
  const Case kCases[] = {
#if !defined(_WIN32)  // links need rights a Windows user does not have
      {"link to another file", [](const fs::path& at, const fs::path& victim) { fs::create_symlink(victim, at); }},
      {"link to nowhere",
       [](const fs::path& at, const fs::path& victim) { fs::create_symlink(victim.string() + ".new", at); }},
#endif
      {"folder with a file in it",
       [](const fs::path& at, const fs::path&) {
         fs::create_directory(at);
         test::WriteBytes(at / "x", "");
       }},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    test::TempDirectory dir;
    const fs::path file = dir.path() / "timetable.dat", victim = dir.path() / "victim";
    dir.WriteFile("timetable.dat", kOld);
    dir.WriteFile("victim", "victim");
    c.plant(dir.path() / "timetable.dat.tmp", victim);
    ASSERT_TRUE(ReplaceFileBytes(file, "new"));
    EXPECT_EQ(dir.ReadFile("timetable.dat"), "new");
    EXPECT_FALSE(fs::is_symlink(file));
    EXPECT_EQ(dir.ReadFile("victim"), "victim");
    EXPECT_FALSE(fs::exists(victim.string() + ".new"));
    EXPECT_EQ(CountEntries(dir.path()), 3) << "the file, the victim and the plant";
  }
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
  EXPECT_EQ(CountEntries(dir_.path()), 1);
}
#endif

}  // namespace
}  // namespace tabulo
