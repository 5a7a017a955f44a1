#include "app/shell/exit_routine.h"

#include <windows.h>

#include "app/forms/app_windows.h"

namespace tabulo::app {

void CloseAppWindows(const AppWindowList& windows) {
  for (AppWindowList::Handle handle : windows.CloseOrder()) {
    PostMessageW(reinterpret_cast<HWND>(handle), WM_CLOSE, 0, 0);
  }
}

}  // namespace tabulo::app
