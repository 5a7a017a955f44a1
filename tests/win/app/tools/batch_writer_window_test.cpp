#include "app/tools/batch_writer_window.h"

#include <commctrl.h>
#include <shlobj.h>

#include <filesystem>
#include <vector>

#include "base/file/utf8_path.h"
#include "base/win/wide_text.h"
#include "win/app/tools/classroom_tool_fixture.h"

namespace tabulo::app {
namespace {

using namespace testing;
namespace fs = std::filesystem;

class FakeDialogs final : public WriterDialogs {
 public:
  std::optional<std::string> ChooseFile(HWND, std::string_view initialFolder) override {
    startedIn = std::string(initialFolder);
    return file;
  }
  std::string ChooseFolder(HWND) override { return folder; }
  void OpenWithShell(std::string_view path, std::string_view verb) override {
    opened.emplace_back(std::string(path), std::string(verb));
  }
  std::optional<std::string> file;
  std::string folder;
  std::string startedIn;
  std::vector<std::pair<std::string, std::string>> opened;
};

// An HDROP as the shell hands one over: DROPFILES, then the wide paths,
// each ending in a zero, and one more zero at the end.
HGLOBAL MakeDrop(const std::vector<fs::path>& paths) {
  std::wstring list;
  for (const fs::path& p : paths) list += p.wstring() + L'\0';
  list += L'\0';
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  memcpy(drop + 1, list.data(), list.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return memory;
}

std::string CellText(HWND list, int row, int column) {
  wchar_t text[512] = L"";
  ListView_GetItemText(list, row, column, text, 512);
  return Narrow(text);
}

class BatchWriterWindowTest : public ClassroomToolTest {
 protected:
  void SetUp() override {
    ClassroomToolTest::SetUp();
    context_.dialogs = &dialogs_;
    window_ = std::make_unique<BatchWriterWindow>(context_);
    ASSERT_TRUE(window_->Build());
    window_->Show();
  }
  void TearDown() override {
    window_->Destroy();
    ClassroomToolTest::TearDown();
  }

  HWND List() const { return window_->List().hwnd(); }
  std::string Status() const { return window_->Status().Text(); }
  fs::path MakeFile(const fs::path& relative, std::string_view bytes) {
    const fs::path path = (folder_.path() / relative).make_preferred();
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  void Drop(const std::vector<fs::path>& paths) {
    SendMessageW(window_->hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0);
  }
  void Click(WriterButton which) { ClickControl(window_->ButtonAt(which)); }

  FakeDialogs dialogs_;
  std::unique_ptr<BatchWriterWindow> window_;
};

TEST_F(BatchWriterWindowTest, OpensWithThreeColumnsTheEmptyStatusAndTheDesktopForTheFileDialog) {
  EXPECT_EQ(Header_GetItemCount(ListView_GetHeader(List())), 3);
  const int widths[] = {18, 200, 245};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(ListView_GetColumnWidth(List(), i), widths[i]) << i;
  EXPECT_TRUE(ListView_GetExtendedListViewStyle(List()) & LVS_EX_CHECKBOXES);
  EXPECT_EQ(Status(), "当前共有0个文件，已勾选0个");
  EXPECT_TRUE(window_->TickAll().Ticked());
  ASSERT_FALSE(window_->DialogFolder().empty());
  EXPECT_EQ(window_->DialogFolder().back(), '\\');
}

TEST_F(BatchWriterWindowTest, DroppedFilesAreListedInOrderTickedAndCounted) {
  const fs::path a = MakeFile("one/a.txt", "a"), b = MakeFile("two/b.txt", "b"), c = MakeFile("c.txt", "c");
  Drop({a, b, c});
  ASSERT_EQ(ListView_GetItemCount(List()), 3);
  const fs::path expected[] = {a, b, c};
  for (int row = 0; row < 3; ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(CellText(List(), row, 1), Utf8FromPath(expected[row].filename()));
    EXPECT_EQ(CellText(List(), row, 2), Utf8FromPath(expected[row].parent_path()));
    EXPECT_TRUE(ListView_GetCheckState(List(), row));
  }
  EXPECT_EQ(Status(), "当前共有3个文件，已勾选3个");

  // The user unticks one row in the list; "全选" then unticks and ticks all.
  ListView_SetCheckState(List(), 1, FALSE);
  EXPECT_EQ(Status(), "当前共有3个文件，已勾选2个");
  ClickControl(window_->TickAll());
  EXPECT_FALSE(window_->TickAll().Ticked());
  EXPECT_EQ(Status(), "当前共有3个文件，已勾选0个");
  for (int row = 0; row < 3; ++row) EXPECT_FALSE(ListView_GetCheckState(List(), row)) << row;
  ClickControl(window_->TickAll());
  EXPECT_EQ(Status(), "当前共有3个文件，已勾选3个");
}

TEST_F(BatchWriterWindowTest, AddDeleteAndClearButtonsChangeTheRows) {
  dialogs_.file = Utf8FromPath(MakeFile("added.txt", "x"));
  Click(WriterButton::kAdd);
  EXPECT_EQ(dialogs_.startedIn, window_->DialogFolder());
  Click(WriterButton::kAdd);
  ASSERT_EQ(ListView_GetItemCount(List()), 2);
  EXPECT_EQ(CellText(List(), 1, 1), "added.txt");

  dialogs_.file.reset();  // cancelled: nothing added
  Click(WriterButton::kAdd);
  EXPECT_EQ(Status(), "当前共有2个文件，已勾选2个");

  Click(WriterButton::kDelete);  // nothing selected: nothing deleted
  EXPECT_EQ(ListView_GetItemCount(List()), 2);
  ListView_SetItemState(List(), 0, LVIS_SELECTED, LVIS_SELECTED);
  Click(WriterButton::kDelete);
  EXPECT_EQ(ListView_GetItemCount(List()), 1);
  EXPECT_EQ(Status(), "当前共有1个文件，已勾选1个");

  Click(WriterButton::kClear);
  EXPECT_EQ(ListView_GetItemCount(List()), 0);
  EXPECT_EQ(Status(), "当前共有0个文件，已勾选0个");
}

TEST_F(BatchWriterWindowTest, DoubleClickOpensTheSelectedFile) {
  const fs::path a = MakeFile("a.txt", "a");
  Drop({a});
  NMITEMACTIVATE click{};
  click.hdr = {List(), static_cast<UINT_PTR>(kFileListViewId), static_cast<UINT>(NM_DBLCLK)};
  SendMessageW(window_->hwnd(), WM_NOTIFY, kFileListViewId, reinterpret_cast<LPARAM>(&click));
  EXPECT_TRUE(dialogs_.opened.empty()) << "no row selected";
  ListView_SetItemState(List(), 0, LVIS_SELECTED, LVIS_SELECTED);
  SendMessageW(window_->hwnd(), WM_NOTIFY, kFileListViewId, reinterpret_cast<LPARAM>(&click));
  ASSERT_EQ(dialogs_.opened.size(), 1u);
  EXPECT_EQ(dialogs_.opened[0].first, Utf8FromPath(a));
  EXPECT_EQ(dialogs_.opened[0].second, "");
}

TEST_F(BatchWriterWindowTest, WriteCopiesTheTickedFilesAndReportsTheCounts) {
  const fs::path first = MakeFile("one/same.txt", "first"), second = MakeFile("two/same.txt", "second");
  const fs::path empty = MakeFile("empty.bin", ""), skipped = MakeFile("skipped.txt", "no");
  const fs::path gone = MakeFile("gone.txt", "gone");
  Drop({first, second, empty, skipped, gone});
  ListView_SetCheckState(List(), 3, FALSE);
  fs::remove(gone);
  const fs::path target = folder_.path() / "target";
  fs::create_directory(target);
  MakeFile("target/gone.txt", "kept");

  dialogs_.folder = "";  // cancelled: nothing written, nothing said
  Click(WriterButton::kWrite);
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_FALSE(fs::exists(target / "same.txt"));

  dialogs_.folder = Utf8FromPath(target);
  Click(WriterButton::kWrite);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, "文件写入完成\r\n其中成功:3个\r\n失败:1个\r\n是否打开写入目录？");
  EXPECT_EQ(messages_.shown[0].caption, "写入完成");
  EXPECT_EQ(folder_.ReadFile("target/same.txt"), "second");
  EXPECT_TRUE(fs::exists(target / "empty.bin"));
  EXPECT_EQ(fs::file_size(target / "empty.bin"), 0u);
  EXPECT_FALSE(fs::exists(target / "skipped.txt"));
  EXPECT_EQ(folder_.ReadFile("target/gone.txt"), "kept") << "a vanished source never empties a target";
  ASSERT_EQ(dialogs_.opened.size(), 1u);
  EXPECT_EQ(dialogs_.opened[0], std::pair(Utf8FromPath(target), std::string("open")));
}

TEST_F(BatchWriterWindowTest, WriteWithoutRowsOrTicksIsRefused) {
  Click(WriterButton::kWrite);
  Drop({MakeFile("a.txt", "a")});
  ListView_SetCheckState(List(), 0, FALSE);
  Click(WriterButton::kWrite);
  ASSERT_EQ(messages_.shown.size(), 2u);
  EXPECT_EQ(messages_.shown[0].text, "请添加文件后再执行写入操作!");
  EXPECT_EQ(messages_.shown[1].text, "请勾选文件后再执行写入操作!");
  EXPECT_EQ(messages_.shown[1].flags, kMbIconExclamation);
}

}  // namespace
}  // namespace tabulo::app
