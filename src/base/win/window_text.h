#pragma once
// A window's text (caption, or a control's content) as the program's UTF-8.
#include <windows.h>

#include <string>
#include <string_view>

namespace tabulo {

[[nodiscard]] std::string WindowText(HWND window);
// WM_SETTEXT: bypasses an edit field's typing limits, as the system does.
void SetWindowTextUtf8(HWND window, std::string_view utf8);

}  // namespace tabulo
