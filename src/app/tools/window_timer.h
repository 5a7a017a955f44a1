#pragma once
// The tools' periodic timers ("clocks" of their forms) are plain window
// timers with small ids; small numbers never collide with the engine's
// control timers, whose ids are control addresses. A period of 0 stops the
// timer, and setting a period again restarts it from zero, so the part of a
// period that ran before a pause is not carried over.
#include <windows.h>

namespace tabulo::app {

inline void SetWindowTimerPeriod(HWND window, UINT_PTR id, int periodMs) {
  if (periodMs > 0) {
    SetTimer(window, id, static_cast<UINT>(periodMs), nullptr);
  } else {
    KillTimer(window, id);
  }
}

}  // namespace tabulo::app
