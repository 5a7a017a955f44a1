#pragma once
// The answer a bound window gives to WM_GETOBJECT: for its client area the
// accessible tree of its windowless controls (accessible_node.h); nothing
// for other object ids, which the system answers with its own objects (the
// window frame, the caret, the system menu).
#include <windows.h>

#include <optional>

namespace tabulo::ui {

[[nodiscard]] std::optional<LRESULT> AnswerGetObject(HWND window, WPARAM flags, LPARAM objectId);

}  // namespace tabulo::ui
