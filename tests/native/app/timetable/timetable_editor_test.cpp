#include "app/timetable/timetable_editor.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "base/text/gbk.h"
#include "support/file_bytes.h"
#include "support/temp_directory.h"

namespace tabulo::app {
namespace {

using test::ReadBytes;
using test::WriteBytes;

class FakeEditorView : public TimetableEditorView {
 public:
  std::map<int, std::string> cells;
  std::vector<std::string> events;
  bool picker = false;
  Point cursor{500, 300};
  std::vector<MessageBoxRequest> messages;

  std::string CellText(int i) const override {
    const auto it = cells.find(i);
    return it == cells.end() ? "" : it->second;
  }
  void SetCellText(int i, std::string_view t) override { cells[i] = t; }
  void FocusCell(int i) override { events.push_back("focus " + std::to_string(i)); }
  Point CursorPosition() const override { return cursor; }
  bool PickerOpen() const override { return picker; }
  void OpenPicker() override {
    picker = true;
    events.push_back("open picker");
  }
  void MovePicker(Point p) override { events.push_back("move " + std::to_string(p.x) + "," + std::to_string(p.y)); }
  void DestroyPicker() override {
    picker = false;
    events.push_back("destroy picker");
  }
  void OpenClassTimeAdjustment() override { events.push_back("open adjustment"); }
  void Close() override { events.push_back("close"); }
  MessageBoxAnswer ShowMessage(const MessageBoxRequest& r) override {
    messages.push_back(r);
    events.push_back("message " + r.text);
    return MessageBoxAnswer::kOk;
  }
  void FillAll(const std::string& text) {
    for (int i = 1; i <= 48; ++i) cells[i] = text;
  }
};

class TimetableEditorTest : public testing::Test {
 protected:
  test::TempDirectory temp;
  TimetableFile file{temp.path()};
  FakeEditorView view;
  int reloads = 0;
  TimetableEditor editor{view, file, [this] { ++reloads; }};
};

TEST(TimetableEditorRules, CellTakesAtMostFiveGbkBytes) {
  struct Case {
    const char* text;
    bool accepted;
  };
  const Case kCases[] = {{"语文", true},  {"信息A", true},  {"信息技术", false}, {"abcde", true},
                         {"abcdef", false}, {"语文课", false}, {"", true}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(CellAccepts(c.text), c.accepted);
  }
}

TEST_F(TimetableEditorTest, FocusedCellOpensThePickerBesideTheCursor) {
  editor.OnCellFocused(9);  // Wednesday, period 2
  EXPECT_EQ(view.events, (std::vector<std::string>{"open picker", "focus 9", "move 512,328"}));
  editor.OnPickerSubject("信息技术");
  editor.OnPickerSubject("体育");
  EXPECT_EQ(view.cells[9], "体育") << "a subject replaces the cell's text";
  editor.OnPickerSubject("信息技术");
  EXPECT_EQ(view.cells[9], "信息");

  view.events.clear();
  view.cursor = {10, 20};
  editor.OnCellFocused(10);
  EXPECT_EQ(view.events, (std::vector<std::string>{"move 22,48"})) << "an open picker only moves";

  editor.OnPickerClose();
  editor.OnCellFocused(3);
  EXPECT_EQ(view.events.at(2), "open picker") << "after × the next focused cell opens it again";
  editor.OnDestroying();
  EXPECT_FALSE(view.picker);
}

TEST_F(TimetableEditorTest, LoadWithoutFileReportsAndKeepsTheGrid) {
  view.cells[1] = "语文";
  editor.OnLoad();
  EXPECT_EQ(view.messages, (std::vector<MessageBoxRequest>{{"课程表文件不存在!", "读取错误", kMbIconInformation}}));
  EXPECT_EQ(view.cells.size(), 1u);
}

TEST_F(TimetableEditorTest, LoadFillsMissingSubjectsWithNone) {
  WriteBytes(temp.path() / "timetable.dat", Utf8ToGbk("[Monday]\r\n1=语文\r\n8=体育\r\n[Friday]\r\n2=\r\n"));
  editor.OnLoad();
  EXPECT_TRUE(view.messages.empty());
  EXPECT_EQ(view.cells[CellIndex(1, 1)], "语文");
  EXPECT_EQ(view.cells[CellIndex(1, 8)], "体育");
  EXPECT_EQ(view.cells[CellIndex(5, 2)], "") << "a key stored empty stays empty";
  for (int period = 1; period <= 8; ++period) EXPECT_EQ(view.cells[CellIndex(6, period)], "暂无");
  EXPECT_EQ(view.cells.size(), 48u);
}

TEST_F(TimetableEditorTest, SaveRefusesAnIncompleteGrid) {
  for (int emptyCell : {0, 1, 48}) {
    SCOPED_TRACE(emptyCell);
    view.messages.clear();
    if (emptyCell == 0) {
      view.cells.clear();
    } else {
      view.FillAll("语文");
      view.cells[emptyCell] = "";
    }
    editor.OnSave();
    EXPECT_EQ(view.messages, (std::vector<MessageBoxRequest>{{"请补充完整课程表!", "保存失败", kMbIconInformation}}));
    EXPECT_FALSE(std::filesystem::exists(file.path()));
    EXPECT_EQ(reloads, 0);
  }
}

TEST_F(TimetableEditorTest, SaveWritesEveryCellThenReloadsTheBar) {
  view.FillAll("暂无");  // counts as filled in
  view.cells[CellIndex(4, 3)] = "无";
  view.cells[CellIndex(6, 8)] = "信息";
  editor.OnSave();
  EXPECT_EQ(reloads, 1);
  EXPECT_EQ(view.messages, (std::vector<MessageBoxRequest>{{"保存完毕!", "提示", kMbIconInformation}}));
  EXPECT_EQ(file.ReadSubject(4, 3, "?"), "无");
  EXPECT_EQ(file.ReadSubject(6, 8, "?"), "信息");
  EXPECT_EQ(file.ReadSubject(1, 1, "?"), "暂无");
  const std::string bytes = ReadBytes(file.path());
  EXPECT_LT(bytes.find("[Monday]"), bytes.find("[Saturday]")) << "sections come in cell order";
}

TEST_F(TimetableEditorTest, SaveThatCannotBeWrittenSaysSo) {
  TimetableFile unwritable{temp.path() / "no such folder"};
  TimetableEditor stuck{view, unwritable, [this] { ++reloads; }};
  view.FillAll("语文");
  stuck.OnSave();
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].text, "课程表文件无法写入，本次修改没有保存，原有课程表保持不变!");
  EXPECT_EQ(view.messages[0].caption, "保存失败");
  EXPECT_EQ(reloads, 0);
}

TEST_F(TimetableEditorTest, ChangeClassTimesWarnsThenOpensTheAdjustment) {
  editor.OnChangeClassTimes();
  EXPECT_EQ(view.messages.at(0),
            (MessageBoxRequest{"为了Tabulo能准时提示下一节的课程，请不要随意修改上课时间。否则将影响到软件的正常使用甚至发生不可预知的错误!",
                               "警告", kMbIconExclamation}));
  EXPECT_EQ(view.events.back(), "open adjustment");
}

}  // namespace
}  // namespace tabulo::app
