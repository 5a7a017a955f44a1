#include "base/file/temporary_file.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/file_bytes.h"
#include "support/temp_directory.h"

namespace tabulo {
namespace {

namespace fs = std::filesystem;
using test::CountEntries;
using test::ReadBytes;
using test::WriteBytes;

// Hands out the given suffixes in turn, so a test knows which names will be
// tried and can take them first.
TemporaryFile::SuffixSource Suffixes(std::vector<std::string> suffixes) {
  return [suffixes = std::move(suffixes), next = std::size_t{0}]() mutable {
    return suffixes[std::min(next++, suffixes.size() - 1)];
  };
}

class TemporaryFileTest : public testing::Test {
 protected:
  fs::path Named(const char* suffix) const { return dir_.path() / (std::string(".tabulo-") + suffix + ".tmp"); }

  test::TempDirectory dir_;
  fs::path target_ = dir_.path() / "setup";
};

// Whatever is already at a name, even a link that points nowhere, is passed
// over untouched: never opened, truncated, written or followed.
TEST_F(TemporaryFileTest, TakenNamesAreNeverOpenedOrFollowed) {
  const fs::path outside = dir_.path() / "outside";
  WriteBytes(dir_.path() / "victim", "victim");
  WriteBytes(Named("a"), "someone's file");
  fs::create_directory(Named("b"));
  std::vector<std::string> suffixes = {"a", "b"};
#if !defined(_WIN32)  // links need rights a Windows user does not have
  fs::create_symlink(dir_.path() / "victim", Named("c"));
  fs::create_symlink(outside, Named("d"));
  suffixes.insert(suffixes.end(), {"c", "d"});
#endif
  suffixes.push_back("free");

  std::optional<TemporaryFile> file = TemporaryFile::CreateBeside(target_, Suffixes(suffixes));
  ASSERT_TRUE(file);
  EXPECT_EQ(file->path(), Named("free"));
  ASSERT_TRUE(file->Write("new"));
  ASSERT_TRUE(file->ReplaceTarget());

  EXPECT_EQ(ReadBytes(target_), "new");
  EXPECT_EQ(ReadBytes(dir_.path() / "victim"), "victim");
  EXPECT_FALSE(fs::exists(outside));
  EXPECT_EQ(ReadBytes(Named("a")), "someone's file");
  EXPECT_EQ(CountEntries(dir_.path()), static_cast<int>(suffixes.size()) + 1)
      << "the target, the victim and what was planted";
}

TEST_F(TemporaryFileTest, GivesUpWhenNameAfterNameIsTaken) {
  WriteBytes(Named("x"), "keep");
  EXPECT_FALSE(TemporaryFile::CreateBeside(target_, Suffixes({"x"})));
  EXPECT_EQ(ReadBytes(Named("x")), "keep");
  EXPECT_FALSE(TemporaryFile::CreateBeside(dir_.path() / "missing" / "setup"));
}

TEST_F(TemporaryFileTest, EveryFileGetsANameOfItsOwn) {
  std::optional<TemporaryFile> first = TemporaryFile::CreateBeside(target_);
  std::optional<TemporaryFile> second = TemporaryFile::CreateBeside(target_);
  ASSERT_TRUE(first && second);
  EXPECT_NE(first->path(), second->path());
  EXPECT_EQ(first->path().parent_path(), dir_.path()) << "beside the target, so the rename stays on one volume";
}

TEST_F(TemporaryFileTest, WhatIsNotPutInPlaceIsRemoved) {
  {
    std::optional<TemporaryFile> abandoned = TemporaryFile::CreateBeside(target_);
    ASSERT_TRUE(abandoned && abandoned->Write("half"));
    std::optional<TemporaryFile> moved = std::move(abandoned);
    EXPECT_EQ(CountEntries(dir_.path()), 1);
  }
  EXPECT_EQ(CountEntries(dir_.path()), 0);

  fs::create_directory(target_);  // a folder with a file in it cannot be replaced by a file
  WriteBytes(target_ / "keep", "x");
  std::optional<TemporaryFile> refused = TemporaryFile::CreateBeside(target_);
  ASSERT_TRUE(refused && refused->Write("new"));
  EXPECT_FALSE(refused->ReplaceTarget());
  EXPECT_EQ(CountEntries(dir_.path()), 1) << "only the folder is left";
  EXPECT_EQ(ReadBytes(target_ / "keep"), "x");
}

}  // namespace
}  // namespace tabulo
