#pragma once
// The handles of the program's windows that the exit routine closes: the
// start-up window, the bar and ten further windows. A window's handle is
// stored when the window is created and forgotten when it is destroyed, so
// the exit routine never posts to a handle the system may have given to
// another window since.
//
// The timer window and the class-time adjustment are deliberately not here:
// the exit routine leaves them open, and the process ends once they close.
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
  kSpare1,  // two entries no window of this program uses
  kSpare2,
  kStartupWindow,
  kBar,
};
inline constexpr int kAppWindowCount = 12;

// The entry a window of `form` is stored in; nothing for the timer window
// and the class-time adjustment.
[[nodiscard]] std::optional<AppWindow> AppWindowOfForm(FormId form);

// The program's one list is its context's (app_context.h).
class AppWindowList {
 public:
  using Handle = std::uintptr_t;

  AppWindowList() = default;
  AppWindowList(const AppWindowList&) = delete;
  AppWindowList& operator=(const AppWindowList&) = delete;

  void Store(AppWindow window, Handle handle) { handles_[Index(window)] = handle; }
  // Clears the entry only while it still holds `handle`: a newer window of
  // the same kind keeps its entry when an older one goes.
  void Forget(AppWindow window, Handle handle) {
    if (handles_[Index(window)] == handle) handles_[Index(window)] = 0;
  }
  [[nodiscard]] Handle Get(AppWindow window) const { return handles_[Index(window)]; }

  // The handles to close, in closing order, empty entries left out.
  [[nodiscard]] std::vector<Handle> CloseOrder() const;

 private:
  static constexpr int Index(AppWindow window) { return static_cast<int>(window); }
  std::array<Handle, kAppWindowCount> handles_{};
};

}  // namespace tabulo::app
