#pragma once
// The handles of the program's open windows, one per form: how a window is
// found (OpenWindow brings an open one forward instead of opening a second)
// and what the exit routine closes. A window's handle is stored when the
// window is created and forgotten when it is destroyed, so nobody posts to a
// handle the system may have given to another window since.
//
// The exit routine closes the start-up window, the bar and eleven further
// windows in a fixed order (AppWindow): the ten of old and the school
// calendar, closed with the settings. The timer window and the class-time
// adjustment are deliberately not among them: the exit routine leaves them
// open, and the process ends once they close.
//
// Handles are kept as integers so that this list stays free of <windows.h>;
// the Windows side (exit_routine.h) turns them back into HWNDs.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/forms/form.h"

namespace tabulo::app {

// In the order the exit routine closes them.
enum class AppWindow {
  kReminderPopup,
  kSubjectPicker,
  kAboutWindow,
  kTimetableEditor,
  kToolWindow,
  kRandomDraw,
  kBatchFileWriter,
  kSettingsWindow,
  kCalendarWindow,
  kSpare1,  // two entries no window of this program uses
  kSpare2,
  kStartupWindow,
  kBar,
};
inline constexpr int kAppWindowCount = 13;

// The closing-order entry of a window of `form`; nothing for the timer
// window and the class-time adjustment.
[[nodiscard]] std::optional<AppWindow> AppWindowOfForm(FormId form);

// The program's one list is its context's (app_context.h).
class AppWindowList {
 public:
  using Handle = std::uintptr_t;

  AppWindowList() = default;
  AppWindowList(const AppWindowList&) = delete;
  AppWindowList& operator=(const AppWindowList&) = delete;

  void Store(FormId form, Handle handle) { handles_[Index(form)] = handle; }
  // Clears the entry only while it still holds `handle`: a newer window of
  // the same kind keeps its entry when an older one goes.
  void Forget(FormId form, Handle handle) {
    if (handles_[Index(form)] == handle) handles_[Index(form)] = 0;
  }
  // The open window of `form`, or 0.
  [[nodiscard]] Handle Get(FormId form) const { return handles_[Index(form)]; }

  // The handles the exit routine closes, in its order, empty entries left out.
  [[nodiscard]] std::vector<Handle> CloseOrder() const;

 private:
  static constexpr int Index(FormId form) { return static_cast<int>(form) - 1; }
  std::array<Handle, kFormCount> handles_{};
};

}  // namespace tabulo::app
