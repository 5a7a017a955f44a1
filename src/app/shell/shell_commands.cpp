#include "app/shell/shell_commands.h"

#include <windows.h>

#include <memory>

#include "app/forms/app_windows.h"
#include "app/forms/form_window.h"
#include "app/shell/run_key_registry.h"
#include "app/shell/tool_window.h"
#include "app/tools/random_draw_window.h"
#include "base/win/run_directory.h"

namespace tabulo::app {
namespace {

HWND Bar() { return reinterpret_cast<HWND>(AppWindows().Get(AppWindow::kBar)); }

void AttachToBar(HWND tool) {
  RECT bar{}, own{};
  if (!GetWindowRect(Bar(), &bar) || !GetWindowRect(tool, &own)) return;
  SetWindowPos(tool, nullptr, bar.left - (own.right - own.left), bar.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void ToggleToolWindow() {
  HWND tool = FormWindow::FindOpen(FormId::kToolWindow);
  if (!tool) {
    RunToolWindow();
    return;
  }
  ShowWindow(tool, IsWindowVisible(tool) ? SW_HIDE : SW_SHOW);
  AttachToBar(tool);
}

void PostToggleToolWindow() { PostMessageW(Bar(), kMsgToggleToolWindow, 0, 0); }

void AttachToolWindowToBar() {
  HWND tool = FormWindow::FindOpen(FormId::kToolWindow);
  if (tool && IsWindowVisible(tool)) AttachToBar(tool);
}

void OpenRandomDraw() {
  if (HWND draw = FormWindow::FindOpen(FormId::kRandomDraw)) {
    constexpr UINT kKeep = SWP_NOMOVE | SWP_NOSIZE;
    SetWindowPos(draw, HWND_TOPMOST, 0, 0, 0, 0, kKeep);
    SetWindowPos(draw, HWND_NOTOPMOST, 0, 0, 0, 0, kKeep);
    return;
  }
  RunRandomDrawWindow();
}

NativeWindowContext& ShellWindowContext() {
  // The run directory of the executable, real message boxes, the program's
  // own Run value and no bar yet.
  static NativeWindowContext context{
      .runDirectory = RunDirectory(),
      .messages = &SystemMessagePresenter(),
      .runKey = std::make_shared<RegistryRunKeyValue>(RegistryRunKeyValue::ForThisProgram()),
      .reloadBar = {}};
  return context;
}

}  // namespace tabulo::app
