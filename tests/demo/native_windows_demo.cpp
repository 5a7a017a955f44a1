// native_windows_demo: opens one of the windows made of native controls, for
// looking at them and for the end-to-end test that drives and screenshots
// them. Run it from a run directory; it reads and writes `setup` and
// `timetable.dat` there, shows real message boxes, keeps the start-with-
// Windows value under a test key (HKLM\software\TabuloTest) instead of the
// real Run key, and prints "bar reloaded" when the editor asks for it.
//
//   native_windows_demo settings|editor|adjustment
//
// It ends when the last of its windows has closed.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string_view>

#include "app/calendar/timetable_editor_window.h"
#include "app/forms/app_context.h"
#include "app/forms/form_window.h"
#include "app/forms/message_presenter.h"
#include "app/shell/run_key_registry.h"
#include "app/shell/settings_window.h"
#include "app/timetable/class_time_adjustment_window.h"

namespace {

using namespace tabulo::app;

bool AnyFormWindowOpen() {
  bool open = false;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM found) -> BOOL {
        if (!FormWindow::FromHandle(window)) return TRUE;
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&open));
  return open;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring_view which = argc > 1 ? argv[1] : L"";
  AppContext context;
  context.runDirectory = std::filesystem::current_path();
  context.messages = &SystemMessagePresenter();
  context.runKey =
      std::make_shared<RegistryRunKeyValue>(L"software\\TabuloTest\\Run\\Timetable", L"C:\\Tabulo\\Tabulo.exe");
  context.reloadBar = [] {
    std::printf("bar reloaded\n");
    std::fflush(stdout);
  };
  HWND opened = which == L"settings"     ? OpenSettingsWindow(context)
                : which == L"editor"     ? OpenTimetableEditor(context)
                : which == L"adjustment" ? OpenClassTimeAdjustment(context)
                                         : nullptr;
  if (!opened) {
    std::printf("usage: native_windows_demo settings|editor|adjustment\n");
    return 2;
  }
  std::printf("ready\n");
  std::fflush(stdout);
  while (AnyFormWindowOpen()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 200, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return 0;
}
