#pragma once
// What the accessibility tests share: a child id as a VARIANT, and the
// WinEvents a hook of this process has seen.
#include <windows.h>
#include <oleacc.h>

#include <vector>

namespace tabulo::ui::testing {

inline VARIANT ChildId(long id) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

struct SeenEvent {
  DWORD event;
  HWND window;
  LONG object;
  LONG child;
};

inline std::vector<SeenEvent>& SeenEvents() {
  static std::vector<SeenEvent> seen;
  return seen;
}

// The hook procedure that records into SeenEvents.
inline void CALLBACK RecordEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
  SeenEvents().push_back({event, window, object, child});
}

}  // namespace tabulo::ui::testing
