#include "base/win/system_library.h"

#include <commctrl.h>

#include <string>

namespace tabulo {

HMODULE SystemLibrary(const wchar_t* fileName) {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::wstring path = std::wstring(folder, length) + L"\\" + fileName;
  if (HMODULE loaded = GetModuleHandleW(path.c_str())) return loaded;
  return LoadLibraryW(path.c_str());
}

HMODULE CommonControlsLibrary() {
  if (HMODULE loaded = GetModuleHandleW(L"comctl32.dll")) return loaded;
  return LoadLibraryW(L"comctl32.dll");
}

bool InitCommonControlClasses(DWORD classes) {
  const auto init = SystemFunction<decltype(InitCommonControlsEx)>(CommonControlsLibrary(), "InitCommonControlsEx");
  if (!init) return false;
  INITCOMMONCONTROLSEX request{sizeof request, classes};
  return init(&request) != FALSE;
}

}  // namespace tabulo
