#include "app/calendar/editor_paste.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/timetable/school_week.h"
#include "native/app/timetable/fake_editor_view.h"

namespace tabulo::app {
namespace {

TEST(EditorPaste, PlainTextIsLeftToTheCell) {
  for (const char* text : {"语文", "", "信息 技术"}) {
    SCOPED_TRACE(text);
    FakeEditorView view;
    EXPECT_FALSE(PasteIntoEditor(text, 1, view));
    EXPECT_TRUE(view.cells.empty());
    EXPECT_TRUE(view.messages.empty());
  }
}

// Two periods of three days from Tuesday, period 1: the rows go down the
// periods, the columns across the days, and what was cut is listed.
TEST(EditorPaste, RowsFillPeriodsFromTheCellAndTheCutOnesAreListed) {
  FakeEditorView view;
  view.cells[CellIndex(1, 1)] = "美术";
  ASSERT_TRUE(PasteIntoEditor("语文\t数学\t信息技术\r\n英语\t\t体育\r\n", CellIndex(2, 1), view));
  const std::map<int, std::string> kExpected = {
      {CellIndex(1, 1), "美术"}, {CellIndex(2, 1), "语文"}, {CellIndex(3, 1), "数学"}, {CellIndex(4, 1), "信息"},
      {CellIndex(2, 2), "英语"}, {CellIndex(3, 2), ""},     {CellIndex(4, 2), "体育"},
  };
  EXPECT_EQ(view.cells, kExpected);
  EXPECT_EQ(view.messages, (std::vector<MessageBoxRequest>{
                               {"以下内容超过 5 个字节，已截断：信息技术→信息", "信息：", kMbIconInformation}}));
}

TEST(EditorPaste, WhatFitsWholeGoesInWithoutAMessage) {
  FakeEditorView view;
  ASSERT_TRUE(PasteIntoEditor("物理\n", CellIndex(6, 8), view)) << "one copied spreadsheet cell";
  EXPECT_EQ(view.cells, (std::map<int, std::string>{{CellIndex(6, 8), "物理"}}));
  EXPECT_TRUE(view.messages.empty());
}

}  // namespace
}  // namespace tabulo::app
