// winctl COMMAND ARGS... — looks at top-level windows from inside Wine.
//   wait TITLE [TIMEOUT_MS]   wait until a visible top-level window with this title exists; prints its HWND
//   gone TITLE [TIMEOUT_MS]   wait until no window with this title exists
//   close TITLE               post WM_CLOSE to the window with this title
//   rect TITLE                print "left top right bottom" of the window
//   origin TITLE              print "x y", the screen position of the window's client area
//   paint TITLE               repaint the window and its children now (before a screenshot)
//   text TITLE ID             print the text of the window's child control with this id
//   foreground -              print the title of the foreground window
// Titles are matched exactly. Exit code 0 on success, 1 on failure or timeout.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

void PrintUtf8(const std::wstring& text) {
  int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  std::fwrite(out.data(), 1, out.size(), stdout);
  std::fflush(stdout);
}

struct Search {
  std::wstring title;
  HWND found = nullptr;
};

BOOL CALLBACK MatchTitle(HWND hwnd, LPARAM lparam) {
  auto* search = reinterpret_cast<Search*>(lparam);
  wchar_t buffer[512];
  int n = GetWindowTextW(hwnd, buffer, 512);
  if (search->title == std::wstring(buffer, static_cast<size_t>(n))) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

HWND FindTopLevel(const std::wstring& title) {
  Search search{title};
  EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitFor(const std::wstring& title, DWORD timeout, bool wantVisible) {
  const DWORD start = GetTickCount();
  for (;;) {
    HWND hwnd = FindTopLevel(title);
    if (hwnd && (!wantVisible || IsWindowVisible(hwnd))) return hwnd;
    if (GetTickCount() - start > timeout) return nullptr;
    Sleep(50);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    PrintUtf8(L"usage: winctl wait|gone|close|rect|paint|origin|text TITLE [TIMEOUT_MS|ID]\n");
    return 2;
  }
  const std::wstring command = argv[1];
  if (command == L"foreground") {
    wchar_t title[256] = L"";
    if (HWND active = GetForegroundWindow()) GetWindowTextW(active, title, 256);
    PrintUtf8(std::wstring(title) + L"\n");
    return 0;
  }
  const std::wstring title = argv[2];
  const DWORD timeout = argc > 3 ? static_cast<DWORD>(_wtoi(argv[3])) : 20000;
  if (command == L"wait") {
    HWND hwnd = WaitFor(title, timeout, true);
    if (!hwnd) return 1;
    PrintUtf8(std::to_wstring(reinterpret_cast<uintptr_t>(hwnd)) + L"\n");
    return 0;
  }
  if (command == L"gone") {
    const DWORD start = GetTickCount();
    while (FindTopLevel(title)) {
      if (GetTickCount() - start > timeout) return 1;
      Sleep(50);
    }
    return 0;
  }
  HWND hwnd = FindTopLevel(title);
  if (!hwnd) return 1;
  if (command == L"close") return PostMessageW(hwnd, WM_CLOSE, 0, 0) ? 0 : 1;
  if (command == L"rect") {
    RECT r;
    if (!GetWindowRect(hwnd, &r)) return 1;
    PrintUtf8(std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " + std::to_wstring(r.right) + L" " +
              std::to_wstring(r.bottom) + L"\n");
    return 0;
  }
  if (command == L"paint") {
    // For another thread's window UPDATENOW sends WM_PAINT, so the window has
    // painted when this returns.
    return RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW)
               ? 0
               : 1;
  }
  if (command == L"origin") {
    POINT p{0, 0};
    if (!ClientToScreen(hwnd, &p)) return 1;
    PrintUtf8(std::to_wstring(p.x) + L" " + std::to_wstring(p.y) + L"\n");
    return 0;
  }
  if (command == L"text") {
    HWND control = argc > 3 ? GetDlgItem(hwnd, _wtoi(argv[3])) : nullptr;
    if (!control) return 1;
    // WM_GETTEXT, not GetWindowText: for another process's window the latter
    // returns only the stored caption, never an edit field's content.
    wchar_t buffer[512];
    DWORD_PTR n = 0;
    if (!SendMessageTimeoutW(control, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000, &n)) {
      return 1;
    }
    PrintUtf8(std::wstring(buffer, static_cast<size_t>(n)) + L"\n");
    return 0;
  }
  return 2;
}
