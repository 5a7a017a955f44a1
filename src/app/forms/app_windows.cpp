#include "app/forms/app_windows.h"

namespace tabulo::app {

std::optional<AppWindow> AppWindowOfForm(FormId form) {
  switch (form) {
    case FormId::kBar: return AppWindow::kBar;
    case FormId::kToolWindow: return AppWindow::kToolWindow;
    case FormId::kTimetableEditor: return AppWindow::kTimetableEditor;
    case FormId::kAboutWindow: return AppWindow::kAboutWindow;
    case FormId::kRandomDraw: return AppWindow::kRandomDraw;
    case FormId::kReminderPopup: return AppWindow::kReminderPopup;
    case FormId::kBatchFileWriter: return AppWindow::kBatchFileWriter;
    case FormId::kSubjectPicker: return AppWindow::kSubjectPicker;
    case FormId::kSettingsWindow: return AppWindow::kSettingsWindow;
    case FormId::kStartupWindow: return AppWindow::kStartupWindow;
    case FormId::kCalendarWindow: return AppWindow::kCalendarWindow;
    case FormId::kClassTimeAdjustment:
    case FormId::kTimerWindow: return std::nullopt;
  }
  return std::nullopt;
}

std::vector<AppWindowList::Handle> AppWindowList::CloseOrder() const {
  std::array<Handle, kAppWindowCount> byEntry{};
  for (int id = 1; id <= kFormCount; ++id) {
    const auto form = static_cast<FormId>(id);
    if (const std::optional<AppWindow> entry = AppWindowOfForm(form)) {
      byEntry[static_cast<int>(*entry)] = handles_[Index(form)];
    }
  }
  std::vector<Handle> order;
  for (Handle handle : byEntry) {
    if (handle != 0) order.push_back(handle);
  }
  return order;
}

}  // namespace tabulo::app
