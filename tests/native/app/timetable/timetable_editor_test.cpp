#include "app/timetable/timetable_editor.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/timetable/timetable_file.h"
#include "base/text/gbk.h"
#include "native/app/timetable/fake_editor_view.h"
#include "support/file_bytes.h"
#include "support/temp_directory.h"

namespace tabulo::app {
namespace {

using test::ReadBytes;
using test::WriteBytes;

// timetable.dat as the editor's timetable, as when the calendar does not rotate.
class FileTimetable final : public EditedTimetable {
 public:
  explicit FileTimetable(TimetableFile& file) : file_(file) {}
  bool Exists() const override { return file_.Exists(); }
  std::array<std::string, kCells> ReadSubjects(std::string_view fallback) const override {
    const TimetableContents contents = file_.Load();
    std::array<std::string, kCells> subjects;
    for (int cell = 1; cell <= kCells; ++cell) {
      subjects[cell - 1] = contents.ReadSubject(CellOf(cell).day, CellOf(cell).period, fallback);
    }
    return subjects;
  }
  bool WriteSubjects(std::span<const std::string, kCells> subjects) override { return file_.WriteSubjects(subjects); }

 private:
  TimetableFile& file_;
};

class TimetableEditorTest : public testing::Test {
 protected:
  test::TempDirectory temp;
  TimetableFile file{temp.path()};
  FileTimetable timetable{file};
  FakeEditorView view;
  int reloads = 0;
  TimetableEditor editor{view, timetable, [this] { ++reloads; }};
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
  FileTimetable unwritableTimetable{unwritable};
  TimetableEditor stuck{view, unwritableTimetable, [this] { ++reloads; }};
  view.FillAll("语文");
  stuck.OnSave();
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].text, "课程表文件无法写入，本次修改没有保存，原有课程表保持不变!");
  EXPECT_EQ(view.messages[0].caption, "保存失败");
  EXPECT_EQ(reloads, 0);
}

// What the editor asks before it shows another week's timetable.
TEST_F(TimetableEditorTest, TheGridHasUnsavedChangesUntilItIsLoadedOrSaved) {
  EXPECT_FALSE(editor.HasUnsavedChanges()) << "the empty grid it opens with";
  view.cells[CellIndex(2, 3)] = "语文";
  EXPECT_TRUE(editor.HasUnsavedChanges());

  WriteBytes(temp.path() / "timetable.dat", Utf8ToGbk("[Monday]\r\n1=语文\r\n"));
  editor.OnLoad();
  EXPECT_FALSE(editor.HasUnsavedChanges()) << "loaded, with \"暂无\" where nothing is stored";
  view.cells[CellIndex(1, 1)] = "数学";
  EXPECT_TRUE(editor.HasUnsavedChanges());
  view.cells[CellIndex(1, 1)] = "语文";
  EXPECT_FALSE(editor.HasUnsavedChanges()) << "typed back to what was loaded";

  view.cells[CellIndex(6, 8)] = "体育";
  TimetableFile unwritable{temp.path() / "no such folder"};
  FileTimetable unwritableTimetable{unwritable};
  TimetableEditor stuck{view, unwritableTimetable, {}};
  stuck.OnSave();
  EXPECT_TRUE(stuck.HasUnsavedChanges()) << "a save that failed";
  editor.OnSave();
  EXPECT_FALSE(editor.HasUnsavedChanges());
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
