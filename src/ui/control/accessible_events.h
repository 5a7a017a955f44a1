#pragma once
// WinEvents about windowless controls, so a screen reader speaks when the
// focus moves or a check box changes without polling the tree. An event
// names the control by a child id of its window's client object: a negative
// number made from the control's address (unique among the controls alive
// at one time), which the client object turns back into the control only
// while that control is alive in that window.
#include <windows.h>

namespace tabulo::ui {

class ControlHost;
class UiControl;

[[nodiscard]] long EventChildId(const UiControl& control);
// Null when no control alive in the window has that id.
[[nodiscard]] UiControl* ControlOfEventChildId(const ControlHost& window, long childId);

void AnnounceFocus(const UiControl& control);
void AnnounceStateChange(const UiControl& control);

}  // namespace tabulo::ui
