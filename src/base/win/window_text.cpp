#include "base/win/window_text.h"

#include <algorithm>

#include "base/win/wide_text.h"

namespace tabulo {

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  return Narrow(text);
}

void SetWindowTextUtf8(HWND window, std::string_view utf8) { SetWindowTextW(window, Wide(utf8).c_str()); }

}  // namespace tabulo
