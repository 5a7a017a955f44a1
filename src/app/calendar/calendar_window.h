#pragma once
// The calendar window "校历与调课": the form's native controls, a list box
// and two date pickers mapped onto the calendar logic (calendar_form.h),
// which decides what is shown and saved. Opened from the tray menu and the
// timetable editor with OpenWindow<CalendarWindow>(context); one at a time.
#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/calendar/calendar_file.h"
#include "app/calendar/calendar_form.h"
#include "app/forms/native_form_window.h"
#include "app/timetable/school_week.h"

namespace tabulo::app {

class CalendarWindow final : public NativeFormWindow<CalendarFormView> {
 public:
  static constexpr FormId kForm = FormId::kCalendarWindow;

  explicit CalendarWindow(AppContext& context);

  // Creates the window and its controls and shows calendar.dat as of today.
  [[nodiscard]] bool Build();

 private:
  void OnCommand(int id, int code, HWND control) override;
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnClose() override { logic_.OnExit(); }
  [[nodiscard]] HWND MadeHere(const FormControl& control, int id);

  // CalendarFormView
  void SetCycleWeeks(int weeks) override;
  int CycleWeeks() const override;
  void SetWeek1(const CalendarDate& date) override;
  CalendarDate Week1() const override;
  void SetCurrentWeek(int week, int weeks) override;
  int CurrentWeek() const override;
  void OfferSwapWeeks(int weeks) override;
  void ShowChanges(const std::vector<std::string>& lines) override;
  std::optional<int> SelectedChange() const override;
  void SetChangeFields(const ChangeFields& fields) override;
  ChangeFields ChangeFieldsShown() const override;
  void EnableFieldsOf(ChangeKind kind) override;

  CalendarFile file_;
  CalendarForm logic_;
  HWND week1Picker_ = nullptr;
  HWND datePicker_ = nullptr;
  HWND changeList_ = nullptr;
  int swapWeeksOffered_ = 1;
};

// Opens the window, or brings the open one forward; nullptr when it could
// not be created.
HWND OpenCalendarWindow(AppContext& context);

}  // namespace tabulo::app
