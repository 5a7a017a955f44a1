#include "ui/engine/message_loop.h"

#include "base/win/unique_handle.h"

namespace tabulo::ui {
namespace {

void DispatchPending() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Leave it for the loop that owns the quit.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

long long MicrosecondsNow() {
  LARGE_INTEGER frequency;
  LARGE_INTEGER counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return counter.QuadPart / frequency.QuadPart * 1'000'000 + counter.QuadPart % frequency.QuadPart * 1'000'000 / frequency.QuadPart;
}

}  // namespace

int RunMessageLoop(HWND window) {
  MSG msg{};
  while (IsWindow(window)) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got < 0) break;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

void PacedWait(long long microseconds) {
  UniqueKernelHandle timer(CreateWaitableTimerW(nullptr, FALSE, nullptr));
  if (!timer) return;
  LARGE_INTEGER due;
  due.QuadPart = -10 * microseconds;  // relative, in 100 ns units
  if (!SetWaitableTimer(timer.get(), &due, 0, nullptr, nullptr, FALSE)) return;
  HANDLE handle = timer.get();
  for (;;) {
    const DWORD result = MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, QS_ALLINPUT);
    if (result == WAIT_OBJECT_0) return;
    if (result == WAIT_FAILED) return;
    DispatchPending();
  }
}

int RunAnimation(const AnimationPlan& plan, const std::function<bool(const AnimationFrame&)>& step) {
  return RunAnimationFrames(plan, AnimationClock{MicrosecondsNow, PacedWait}, step);
}

}  // namespace tabulo::ui
