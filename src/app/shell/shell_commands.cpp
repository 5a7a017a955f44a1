#include "app/shell/shell_commands.h"

#include <windows.h>

#include "app/forms/app_context.h"
#include "app/shell/tool_window.h"
#include "app/tools/random_draw_window.h"
#include "base/win/geometry_win.h"

namespace tabulo::app {
void AttachToBar(const AppContext& context, HWND tool) {
  HWND bar = ListedWindow(context, FormId::kBar);
  if (!IsWindow(bar) || !IsWindow(tool)) return;
  const Rect barRect = WindowRectOf(bar);
  SetWindowPos(tool, nullptr, barRect.x - WindowRectOf(tool).width, barRect.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ToggleToolWindow(AppContext& context) {
  HWND tool = ListedWindow(context, FormId::kToolWindow);
  if (!tool) {
    RunToolWindow(context);
    return;
  }
  ShowWindow(tool, IsWindowVisible(tool) ? SW_HIDE : SW_SHOW);
  AttachToBar(context, tool);
}

void PostToggleToolWindow(const AppContext& context) {
  PostMessageW(ListedWindow(context, FormId::kBar), kMsgToggleToolWindow, 0, 0);
}

void AttachToolWindowToBar(const AppContext& context) {
  HWND tool = ListedWindow(context, FormId::kToolWindow);
  if (tool && IsWindowVisible(tool)) AttachToBar(context, tool);
}

void OpenRandomDraw(AppContext& context) {
  if (HWND draw = ListedWindow(context, FormId::kRandomDraw)) {
    constexpr UINT kKeep = SWP_NOMOVE | SWP_NOSIZE;
    SetWindowPos(draw, HWND_TOPMOST, 0, 0, 0, 0, kKeep);
    SetWindowPos(draw, HWND_NOTOPMOST, 0, 0, 0, 0, kKeep);
    return;
  }
  RunRandomDrawWindow(context);
}

}  // namespace tabulo::app
