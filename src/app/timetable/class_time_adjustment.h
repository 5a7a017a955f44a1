#pragma once
// Logic of the class-time adjustment "上课时间调整": 48 hour fields and 48
// minute fields, addressed by cell index 1 to 48 ((period − 1) × 6 + day).
// Loading, the reset values and the save checks live here; the window clones
// the fields (see grid_layout.h), limits them to 2 characters and filters
// typing with AcceptsTypedCharacter (shell/signed_digits_filter.h).
#include <string>
#include <string_view>

#include "app/forms/message_box_request.h"
#include "app/timetable/timetable_file.h"

namespace tabulo::app {

inline constexpr int kTimeFieldMaxCharacters = 2;

class ClassTimeAdjustmentView {
 public:
  virtual ~ClassTimeAdjustmentView() = default;
  [[nodiscard]] virtual std::string HourText(int cellIndex) const = 0;
  [[nodiscard]] virtual std::string MinuteText(int cellIndex) const = 0;
  virtual void SetHourText(int cellIndex, std::string_view text) = 0;
  virtual void SetMinuteText(int cellIndex, std::string_view text) = 0;
  virtual void Close() = 0;
  virtual MessageBoxAnswer ShowMessage(const MessageBoxRequest& request) = 0;
};

class ClassTimeAdjustment {
 public:
  ClassTimeAdjustment(ClassTimeAdjustmentView& view, TimetableFile& file) : view_(view), file_(file) {}

  // "读入": the times from timetable.dat; if any of them is missing or empty,
  // all 96 fields get the reset values instead.
  void OnLoad();
  // "置回默认值": the reset values; nothing is written.
  void OnResetValues();
  // "保存": refuses empty fields and hours ≥ 24 or minutes ≥ 60, then writes
  // all 96 values exactly as typed.
  void OnSave();
  void OnExit() { view_.Close(); }

 private:
  [[nodiscard]] bool AnyFieldEmpty() const;

  ClassTimeAdjustmentView& view_;
  TimetableFile& file_;
};

}  // namespace tabulo::app
