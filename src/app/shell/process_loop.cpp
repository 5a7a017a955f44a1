#include "app/shell/process_loop.h"

#include <windows.h>

#include "app/forms/form_window.h"

namespace tabulo::app {
namespace {

bool AnyProgramWindowOpen() {
  bool found = false;
  // CALLBACK: 32-bit Windows calls the enumeration's function stdcall.
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) CALLBACK -> BOOL {
        if (FormWindow::FromHandle(window) == nullptr) return TRUE;
        *reinterpret_cast<bool*>(data) = true;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

int RunUntilLastWindowCloses() {
  MSG msg{};
  while (AnyProgramWindowOpen()) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    if (got < 0) return 1;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}

}  // namespace tabulo::app
