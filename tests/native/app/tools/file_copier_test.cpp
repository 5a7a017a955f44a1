#include "app/tools/file_copier.h"

#include <gtest/gtest.h>

#include "base/file/utf8_path.h"
#include "support/file_bytes.h"
#include "support/temp_directory.h"

#if defined(__linux__)
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace tabulo::app {
namespace {

namespace fs = std::filesystem;
using test::CountEntries;
using test::ReadBytes;
using test::WriteBytes;

std::string Pattern(std::size_t size) {
  std::string s(size, '\0');
  for (std::size_t i = 0; i < size; ++i) s[i] = static_cast<char>((i * 7919 + i / 251) & 0xFF);
  return s;
}

class FileCopierTest : public testing::Test {
 protected:
  test::TempDirectory temp;
  fs::path from = temp.path() / "from";
  fs::path to = temp.path() / "to";
  void SetUp() override { fs::create_directories(to); }
};

TEST_F(FileCopierTest, StreamsEveryByteAcrossChunkBoundaries) {
  constexpr std::size_t kChunk = 4096;
  for (std::size_t size : {std::size_t{0}, std::size_t{1}, kChunk - 1, kChunk, kChunk + 1, 3 * kChunk + 7}) {
    SCOPED_TRACE(size);
    const std::string bytes = Pattern(size);
    WriteBytes(from / "data.bin", bytes);
    ASSERT_EQ(CopyFileIntoFolder(from / "data.bin", to, kChunk), CopyResult::kCopied);
    EXPECT_EQ(ReadBytes(to / "data.bin"), bytes);
    EXPECT_EQ(CountEntries(to), 1) << "no temporary file is left behind";
  }
}

TEST_F(FileCopierTest, ReplacesAnExistingTarget) {
  WriteBytes(from / "a.txt", "new content");
  WriteBytes(to / "a.txt", "old content that was longer");
  EXPECT_EQ(CopyFileIntoFolder(from / "a.txt", to), CopyResult::kCopied);
  EXPECT_EQ(ReadBytes(to / "a.txt"), "new content");
  EXPECT_EQ(CountEntries(to), 1);
}

TEST_F(FileCopierTest, NamesOutsideGbkSurvive) {
  const std::string name = "課題ﬁ😀.txt";  // an emoji and a ligature have no GBK form
  WriteBytes(from / PathFromUtf8(name), "x");
  EXPECT_EQ(CopyFileIntoFolder(from / PathFromUtf8(name), to), CopyResult::kCopied);
  EXPECT_EQ(ReadBytes(to / PathFromUtf8(name)), "x");
  EXPECT_EQ(Utf8FromPath(fs::directory_iterator(to)->path().filename()), name);
}

TEST_F(FileCopierTest, FailuresLeaveAnExistingTargetAlone) {
  struct Case {
    const char* what;
    void (*arrange)(const fs::path& from, const fs::path& to);
    const char* source;  // relative to `from`
    CopyResult expected;
  };
  const Case kCases[] = {
      {"source vanished", [](const fs::path&, const fs::path&) {}, "a.txt", CopyResult::kSourceUnreadable},
      {"source is a folder", [](const fs::path& f, const fs::path&) { fs::create_directories(f / "dir" / "a.txt"); },
       "dir/a.txt", CopyResult::kSourceUnreadable},
      {"target is read-only",
       [](const fs::path& f, const fs::path& t) {
         WriteBytes(f / "a.txt", "new");
         fs::permissions(t / "a.txt", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                         fs::perm_options::remove);
       },
       "a.txt", CopyResult::kTargetFailed},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    test::TempDirectory root;
    const fs::path f = root.path() / "from", t = root.path() / "to";
    fs::create_directories(f);
    WriteBytes(t / "a.txt", "old");
    c.arrange(f, t);
    EXPECT_EQ(CopyFileIntoFolder(f / c.source, t), c.expected);
    EXPECT_EQ(ReadBytes(t / "a.txt"), "old");
    EXPECT_EQ(CountEntries(t), 1);
    fs::permissions(t / "a.txt", fs::perms::owner_write, fs::perm_options::add);  // so the folder can be removed
  }
}

TEST_F(FileCopierTest, TargetFolderThatCannotTakeFiles) {
  WriteBytes(from / "a.txt", "x");
  WriteBytes(temp.path() / "plain-file", "");
  EXPECT_EQ(CopyFileIntoFolder(from / "a.txt", temp.path() / "missing"), CopyResult::kTargetFailed);
  EXPECT_EQ(CopyFileIntoFolder(from / "a.txt", temp.path() / "plain-file"), CopyResult::kTargetFailed);
  fs::create_directories(to / "a.txt");  // a folder of the same name as the file
  EXPECT_EQ(CopyFileIntoFolder(from / "a.txt", to), CopyResult::kTargetFailed);
}

#if defined(__linux__)
TEST_F(FileCopierTest, ReadOnlyTargetFolder) {
  WriteBytes(from / "a.txt", "x");
  fs::path folder = to;
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  if (geteuid() == 0) folder = "/sys";  // root writes into any folder whose mode says read-only
  EXPECT_EQ(CopyFileIntoFolder(from / "a.txt", folder), CopyResult::kTargetFailed);
  EXPECT_FALSE(fs::exists(folder / "a.txt"));
}

// A disk that fills up in the middle of the copy: the file-size limit makes
// every write beyond it fail, as a full disk would.
TEST_F(FileCopierTest, WriteFailingHalfwayKeepsTheOldTarget) {
  WriteBytes(from / "big.bin", Pattern(200000));
  WriteBytes(to / "big.bin", "old");
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit limited = saved;
  limited.rlim_cur = 50000;
  const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  const CopyResult result = CopyFileIntoFolder(from / "big.bin", to, 4096);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previousHandler);

  EXPECT_EQ(result, CopyResult::kTargetFailed);
  EXPECT_EQ(ReadBytes(to / "big.bin"), "old");
  EXPECT_EQ(CountEntries(to), 1) << "the partial temporary file is removed";
}

// The chosen folder may be one anyone can write to. Links planted there
// under the names an older version gave its temporary files
// ("a.txt.tabulo-0.tmp", ...) must not send the copy anywhere else.
TEST_F(FileCopierTest, PlantedLinksNeverSendTheCopyOutsideTheFolder) {
  WriteBytes(from / "a.txt", "copied");
  const fs::path elsewhere = temp.path() / "elsewhere";
  fs::create_directories(elsewhere);
  for (int n = 0; n < 100; ++n) {
    const std::string suffix = ".tabulo-" + std::to_string(n) + ".tmp";
    fs::create_symlink(elsewhere / ("planted" + suffix), to / ("a.txt" + suffix));
  }
  EXPECT_EQ(CopyFileIntoFolder(from / "a.txt", to), CopyResult::kCopied);
  EXPECT_EQ(ReadBytes(to / "a.txt"), "copied");
  EXPECT_FALSE(fs::is_symlink(to / "a.txt"));
  EXPECT_EQ(CountEntries(elsewhere), 0);
  EXPECT_EQ(CountEntries(to), 101) << "the copy and the links, untouched";
}
#endif

TEST_F(FileCopierTest, CopyOntoItselfNeverTruncates) {
  WriteBytes(to / "a.txt", "precious");
  fs::create_directories(from);
  fs::create_hard_link(to / "a.txt", from / "a.txt");
  const fs::path kFolders[] = {to, to / "." / "", to / ".." / "to"};
  for (const fs::path& folder : kFolders) {
    SCOPED_TRACE(folder.string());
    EXPECT_EQ(CopyFileIntoFolder(to / "a.txt", folder), CopyResult::kAlreadyThere);
  }
  EXPECT_EQ(CopyFileIntoFolder(from / "a.txt", to), CopyResult::kAlreadyThere) << "another name of the same file";
  EXPECT_EQ(ReadBytes(to / "a.txt"), "precious");
  EXPECT_EQ(CountEntries(to), 1);
}

}  // namespace
}  // namespace tabulo::app
