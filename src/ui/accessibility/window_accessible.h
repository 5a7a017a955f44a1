#pragma once
// The answer a bound window gives to WM_GETOBJECT: for its client area the
// accessible tree of its windowless controls (accessible_node.h); nothing
// for other object ids, which the system answers with its own objects (the
// window frame, the caret, the system menu).
#include <windows.h>

#include <optional>

#include "ui/control/accessible_info.h"

namespace tabulo::ui {

[[nodiscard]] std::optional<LRESULT> AnswerGetObject(HWND window, WPARAM flags, LPARAM objectId);

// What the client area is, where it is more than a plain client area (a
// popup menu's window is a menu); kept in a window property, which the
// window's owner removes with nullopt before the window goes.
void SetClientRole(HWND window, std::optional<AccessibleRole> role);
[[nodiscard]] std::optional<AccessibleRole> ClientRole(HWND window);

}  // namespace tabulo::ui
