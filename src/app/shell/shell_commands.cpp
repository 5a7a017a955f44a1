#include "app/shell/shell_commands.h"

#include <windows.h>

#include "app/forms/app_context.h"
#include "app/shell/tool_window.h"
#include "app/tools/random_draw_window.h"

namespace tabulo::app {
void AttachToBar(const AppContext& context, HWND tool) {
  RECT bar{}, own{};
  if (!GetWindowRect(ListedWindow(context, FormId::kBar), &bar) || !GetWindowRect(tool, &own)) return;
  SetWindowPos(tool, nullptr, bar.left - (own.right - own.left), bar.top, 0, 0,
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
