#include "app/tools/batch_writer.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/file/utf8_path.h"
#include "support/file_bytes.h"
#include "support/temp_directory.h"

namespace tabulo::app {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

// Mirrors the list view and records what the window was asked to do.
class FakeBatchWriterView : public BatchWriterView {
 public:
  std::vector<FileRow> rows;
  std::optional<std::size_t> selected;
  std::string status;
  int fits = 0;
  std::vector<FileListMenuState> menus;
  std::optional<std::string> chosenFile;
  std::string chosenFolder;
  std::vector<std::pair<std::string, std::string>> opened;  // path, verb
  std::vector<MessageBoxRequest> messages;
  MessageBoxAnswer answer = MessageBoxAnswer::kCancel;

  void AppendRow(const FileRow& row) override { rows.push_back(row); }
  void RemoveRow(std::size_t i) override { rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(i)); }
  void RemoveAllRows() override { rows.clear(); }
  void SetRowTicked(std::size_t i, bool t) override { rows.at(i).ticked = t; }
  std::optional<std::size_t> SelectedRow() const override { return selected; }
  void FitColumns() override { ++fits; }
  void SetStatus(std::string_view t) override { status = t; }
  void PopUpContextMenu(const FileListMenuState& s) override { menus.push_back(s); }
  std::optional<std::string> ChooseFile() override { return chosenFile; }
  std::string ChooseFolder() override { return chosenFolder; }
  void OpenWithShell(std::string_view p, std::string_view v) override { opened.emplace_back(p, v); }
  MessageBoxAnswer ShowMessage(const MessageBoxRequest& r) override {
    messages.push_back(r);
    return answer;
  }
};

class BatchWriterTest : public testing::Test {
 protected:
  void SetUp() override { writer.Open(); }
  FakeBatchWriterView view;
  BatchWriter writer{view};
};

TEST(FileRowSplit, NameAndFolderColumns) {
  struct Case {
    const char *path, *name, *folder;
  };
  const Case kCases[] = {
      {"C:\\班级\\名单.xls", "名单.xls", "C:\\班级"},
      {"C:\\a.txt", "a.txt", "C:"},
      {"a.txt", "a.txt", ""},  // no backslash: empty folder column
      {"\\\\server\\share\\b", "b", "\\\\server\\share"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.path);
    const FileRow row = MakeFileRow(c.path);
    EXPECT_EQ(row.name, c.name);
    EXPECT_EQ(row.folder, c.folder);
    EXPECT_EQ(row.fullPath, c.path);
    EXPECT_TRUE(row.ticked);
  }
}

TEST_F(BatchWriterTest, DroppedFilesAreListedInOrderTicked) {
  EXPECT_EQ(view.status, "当前共有0个文件，已勾选0个");
  writer.OnFilesDropped("C:\\x\\1.txt\r\nD:\\2.doc\r\nC:\\x\\1.txt\r\n");
  ASSERT_EQ(view.rows.size(), 3u);
  EXPECT_EQ(view.rows[0].name, "1.txt");
  EXPECT_EQ(view.rows[1].name, "2.doc");
  EXPECT_EQ(view.rows[2].folder, "C:\\x") << "the same file may be listed twice";
  EXPECT_EQ(view.status, "当前共有3个文件，已勾选3个");
  EXPECT_EQ(view.fits, 1);
}

TEST_F(BatchWriterTest, TicksAndTickAllDriveTheStatus) {
  writer.OnFilesDropped("C:\\1\r\nC:\\2\r\nC:\\3");
  writer.OnRowTickChanged(1, false);
  EXPECT_EQ(view.status, "当前共有3个文件，已勾选2个");
  writer.OnTickAllClicked(false);
  EXPECT_EQ(view.status, "当前共有3个文件，已勾选0个");
  for (const FileRow& r : view.rows) EXPECT_FALSE(r.ticked);
  writer.OnTickAllClicked(true);
  EXPECT_EQ(view.status, "当前共有3个文件，已勾选3个");
  for (const FileRow& r : view.rows) EXPECT_TRUE(r.ticked);
}

TEST_F(BatchWriterTest, SelectionDrivesDeleteOpenAndTheMenu) {
  view.chosenFile = "C:\\a\\one.txt";
  writer.OnAdd();
  writer.OnFilesDropped("C:\\b\\two.txt");

  writer.OnContextMenu();
  writer.OnOpenSelected();
  writer.OnDeleteSelected();
  EXPECT_EQ(view.rows.size(), 2u) << "nothing selected: nothing deleted";
  EXPECT_TRUE(view.opened.empty());

  view.selected = 0;
  writer.OnContextMenu();
  writer.OnOpenSelected();
  EXPECT_EQ(view.opened.at(0), (std::pair<std::string, std::string>{"C:\\a\\one.txt", ""}));
  writer.OnDeleteSelected();
  ASSERT_EQ(view.rows.size(), 1u);
  EXPECT_EQ(view.rows[0].name, "two.txt");
  EXPECT_EQ(writer.list().rows().size(), 1u);
  EXPECT_EQ(view.status, "当前共有1个文件，已勾选1个");
  EXPECT_EQ(view.menus, (std::vector<FileListMenuState>{{false, false}, {true, true}}));

  writer.OnClear();
  EXPECT_TRUE(view.rows.empty());
  EXPECT_EQ(view.status, "当前共有0个文件，已勾选0个");
}

TEST_F(BatchWriterTest, AddCancelledAddsNothingButRefreshes) {
  writer.OnAdd();
  EXPECT_TRUE(view.rows.empty());
  EXPECT_EQ(view.fits, 1);
}

TEST_F(BatchWriterTest, WriteIsRefusedWithoutTickedFiles) {
  view.chosenFolder = "C:\\out";
  writer.OnWrite();
  writer.OnFilesDropped("C:\\1");
  writer.OnTickAllClicked(false);
  writer.OnWrite();
  EXPECT_EQ(view.messages, (std::vector<MessageBoxRequest>{{"请添加文件后再执行写入操作!", "信息：", kMbIconExclamation},
                                                           {"请勾选文件后再执行写入操作!", "信息：", kMbIconExclamation}}));
}

TEST_F(BatchWriterTest, WriteCopiesTickedFilesAndReportsCounts) {
  test::TempDirectory temp;
  WriteBytes(temp.path() / "a" / "same.txt", "from a");
  WriteBytes(temp.path() / "b" / "same.txt", "from b");
  WriteBytes(temp.path() / "a" / "empty.txt", "");
  WriteBytes(temp.path() / "a" / "unticked.txt", "no");
  WriteBytes(temp.path() / "out" / "gone.txt", "keep me");
  const auto path = [&](const char* p) { return Utf8FromPath(temp.path() / p); };
  writer.OnFilesDropped(path("a/same.txt") + "\r\n" + path("b/same.txt") + "\r\n" + path("a/empty.txt") + "\r\n" +
                        path("a/gone.txt") + "\r\n" + path("a/unticked.txt"));
  writer.OnRowTickChanged(4, false);

  view.chosenFolder = "";
  writer.OnWrite();  // browser cancelled: nothing happens
  EXPECT_TRUE(view.messages.empty());
  EXPECT_FALSE(fs::exists(temp.path() / "out" / "same.txt"));

  view.chosenFolder = path("out");
  view.answer = MessageBoxAnswer::kOk;
  writer.OnWrite();
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0], (MessageBoxRequest{"文件写入完成\r\n其中成功:3个\r\n失败:1个\r\n是否打开写入目录？", "写入完成",
                                                 kMbOkCancel | kMbIconInformation}));
  EXPECT_EQ(ReadBytes(temp.path() / "out" / "same.txt"), "from b") << "the later of two same-named files wins";
  EXPECT_TRUE(fs::exists(temp.path() / "out" / "empty.txt"));
  EXPECT_EQ(fs::file_size(temp.path() / "out" / "empty.txt"), 0u);
  EXPECT_EQ(ReadBytes(temp.path() / "out" / "gone.txt"), "keep me") << "a vanished source must not empty the target";
  EXPECT_FALSE(fs::exists(temp.path() / "out" / "unticked.txt"));
  EXPECT_EQ(view.opened, (std::vector<std::pair<std::string, std::string>>{{path("out"), "open"}}));
}

}  // namespace
}  // namespace tabulo::app
