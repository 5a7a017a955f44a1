#pragma once
// Logic of the calendar window "校历与调课": the cycle of 1 to 4 weeks, the
// date in week 1 and "本周是第 N 周" (two views of one anchor: setting
// either shows the other), and the list of dated changes with add and
// remove. Nothing is written before "保存", which replaces calendar.dat
// atomically and has the bar choose today's timetable again.
//
// The window (calendar_window.h) implements CalendarFormView with native
// controls and forwards their events here; tests use a recording fake.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/calendar/calendar_file.h"
#include "app/calendar/change_entry.h"
#include "app/forms/message_box_request.h"

namespace tabulo::app {

class CalendarFormView {
 public:
  virtual ~CalendarFormView() = default;
  virtual void SetCycleWeeks(int weeks) = 0;  // 1 .. kMaxCycleWeeks
  [[nodiscard]] virtual int CycleWeeks() const = 0;
  virtual void SetWeek1(const CalendarDate& date) = 0;
  [[nodiscard]] virtual CalendarDate Week1() const = 0;
  // "本周是第 N 周": the choices 1 .. `weeks`, with `week` selected.
  virtual void SetCurrentWeek(int week, int weeks) = 0;
  [[nodiscard]] virtual int CurrentWeek() const = 0;
  // The weeks a swap may name: the date's own, then 1 .. `weeks` (only the
  // own one without rotation). Keeps the choice when it is still offered.
  virtual void OfferSwapWeeks(int weeks) = 0;
  // The upcoming changes, one line each, nothing selected.
  virtual void ShowChanges(const std::vector<std::string>& lines) = 0;
  [[nodiscard]] virtual std::optional<int> SelectedChange() const = 0;  // a row of the shown list
  virtual void SetChangeFields(const ChangeFields& fields) = 0;
  [[nodiscard]] virtual ChangeFields ChangeFieldsShown() const = 0;
  // Only the fields `kind` uses can be changed.
  virtual void EnableFieldsOf(ChangeKind kind) = 0;
  virtual void Close() = 0;  // destroys the window
  virtual MessageBoxAnswer ShowMessage(const MessageBoxRequest& request) = 0;
};

class CalendarForm {
 public:
  // `reloadBar` runs after a save, so the bar shows the new choice at once.
  CalendarForm(CalendarFormView& view, CalendarFile& file, std::function<void()> reloadBar);

  // Shows calendar.dat as it is on `today` (and what of it could not be used).
  void Open(const CalendarDate& today);
  void OnCycleWeeksChanged();
  void OnCurrentWeekChanged();
  void OnWeek1Changed();
  void OnKindChanged() { view_.EnableFieldsOf(view_.ChangeFieldsShown().kind); }
  void OnAdd();
  void OnRemove();
  void OnSave();
  // "退出", Esc and the close box: nothing is written.
  void OnExit() { view_.Close(); }

  // What "保存" would write: the stored calendar with the window's values.
  [[nodiscard]] SchoolCalendar Shown() const;

 private:
  void ShowChanges();
  void Refuse(std::string_view text);

  CalendarFormView& view_;
  CalendarFile& file_;
  std::function<void()> reloadBar_;
  CalendarDate today_;
  SchoolCalendar stored_;              // as read at Open
  std::vector<DatedChange> changes_;   // in the order entered, past ones included
  std::vector<DatedChange> listed_;    // the rows shown, by date
};

}  // namespace tabulo::app
