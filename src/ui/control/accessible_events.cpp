#include "ui/control/accessible_events.h"

#include <cstdint>
#include <vector>

#include "ui/control/control_host.h"
#include "ui/control/ui_control.h"

namespace tabulo::ui {
namespace {

UiControl* Find(const std::vector<UiControl*>& controls, long childId) {
  for (UiControl* control : controls) {
    if (EventChildId(*control) == childId) return control;
    if (UiControl* below = Find(control->Children(), childId)) return below;
  }
  return nullptr;
}

void Announce(DWORD event, const UiControl& control) {
  if (HWND window = control.HostWindowHandle()) NotifyWinEvent(event, window, OBJID_CLIENT, EventChildId(control));
}

}  // namespace

long EventChildId(const UiControl& control) {
  // Objects lie at least 8 bytes apart; 30 bits of the address above that
  // keep the id negative and apart from CHILDID_SELF and child indexes.
  const auto bits = static_cast<long>((reinterpret_cast<std::uintptr_t>(&control) >> 3) & 0x3FFFFFFF);
  return -bits - 1;
}

UiControl* ControlOfEventChildId(const ControlHost& window, long childId) {
  if (childId >= 0) return nullptr;
  return Find(window.Children(), childId);
}

void AnnounceFocus(const UiControl& control) { Announce(EVENT_OBJECT_FOCUS, control); }

void AnnounceStateChange(const UiControl& control) { Announce(EVENT_OBJECT_STATECHANGE, control); }

}  // namespace tabulo::ui
