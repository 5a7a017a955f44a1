#pragma once
// A timetable editor's grid and windows for the editor's logic to drive:
// records the cells, the picker, the message boxes (answered with `answer`)
// and what was done, in order.
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "app/timetable/timetable_editor.h"

namespace tabulo::app {

class FakeEditorView : public TimetableEditorView {
 public:
  std::map<int, std::string> cells;
  std::vector<std::string> events;
  bool picker = false;
  Point cursor{500, 300};
  std::vector<MessageBoxRequest> messages;
  MessageBoxAnswer answer = MessageBoxAnswer::kOk;  // to every message box

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
    return answer;
  }
  void FillAll(const std::string& text) {
    for (int i = 1; i <= 48; ++i) cells[i] = text;
  }
};

}  // namespace tabulo::app
