#include "ui/control/control_host.h"

namespace tabulo::ui {

ControlHost* ControlHost::OfWindow(HWND window) {
  if (!window) return nullptr;
  auto* host = static_cast<ControlHost*>(GetPropW(window, kWindowObjectProperty));
  return host && host->WindowHandle() == window ? host : nullptr;
}

Point CursorInClientUnits(const ControlHost& host) {
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(host.WindowHandle(), &cursor);
  return host.Scale().ToUnits(Point{cursor.x, cursor.y});
}

}  // namespace tabulo::ui
