// winctl COMMAND ARGS... — looks at top-level windows from inside Wine.
//   wait TITLE [TIMEOUT_MS]   wait until a visible top-level window with this title exists; prints its HWND
//   gone TITLE [TIMEOUT_MS]   wait until no window with this title exists
//   close TITLE               post WM_CLOSE to the window with this title
//   rect TITLE                print "left top right bottom" of the window
//   origin TITLE              print "x y", the screen position of the window's client area
//   paint TITLE               repaint the window and its children now (before a screenshot)
//   text TITLE ID             print the text of the window's child control with this id
//   foreground -              print the title of the foreground window
//   active -                  print "W H", the client size of the foreground window (for caption-less ones)
//   above TITLE OTHER         succeed when TITLE's window lies above OTHER's in the z-order
//   pointer -                 print "X Y", where Wine has the mouse pointer on the screen
//   items TITLE               print the number of items in the window's list view
//   running EXE               print how many processes run the program EXE (a bare file name); succeed when any
// Titles are matched exactly. Exit code 0 on success, 1 on failure or timeout.
#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>

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

int CountProcesses(const std::wstring& exe) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  int count = 0;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (_wcsicmp(entry.szExeFile, exe.c_str()) == 0) ++count;
  }
  CloseHandle(snapshot);
  return count;
}

BOOL CALLBACK MatchListView(HWND hwnd, LPARAM lparam) {
  wchar_t name[64];
  if (GetClassNameW(hwnd, name, 64) && _wcsicmp(name, L"SysListView32") == 0) {
    *reinterpret_cast<HWND*>(lparam) = hwnd;
    return FALSE;
  }
  return TRUE;
}

// Walks the z-order from the top; the first of the two found lies above.
bool IsAbove(HWND upper, HWND lower) {
  for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (w == upper) return true;
    if (w == lower) return false;
  }
  return false;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    PrintUtf8(L"usage: winctl wait|gone|close|rect|paint|origin|text|above|running|foreground|active ...\n");
    return 2;
  }
  const std::wstring command = argv[1];
  if (command == L"foreground") {
    wchar_t title[256] = L"";
    if (HWND active = GetForegroundWindow()) GetWindowTextW(active, title, 256);
    PrintUtf8(std::wstring(title) + L"\n");
    return 0;
  }
  if (command == L"active") {
    HWND active = GetForegroundWindow();
    RECT r{};
    if (!active || !GetClientRect(active, &r)) return 1;
    PrintUtf8(std::to_wstring(r.right) + L" " + std::to_wstring(r.bottom) + L"\n");
    return 0;
  }
  if (command == L"pointer") {
    POINT p{};
    if (!GetCursorPos(&p)) return 1;
    PrintUtf8(std::to_wstring(p.x) + L" " + std::to_wstring(p.y) + L"\n");
    return 0;
  }
  if (command == L"running") {
    const int count = CountProcesses(argv[2]);
    PrintUtf8(std::to_wstring(count) + L"\n");
    return count > 0 ? 0 : 1;
  }
  if (command == L"above") {
    HWND upper = argc > 3 ? FindTopLevel(argv[2]) : nullptr;
    HWND lower = argc > 3 ? FindTopLevel(argv[3]) : nullptr;
    return upper && lower && IsAbove(upper, lower) ? 0 : 1;
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
  if (command == L"items") {
    HWND list = nullptr;
    EnumChildWindows(hwnd, MatchListView, reinterpret_cast<LPARAM>(&list));
    DWORD_PTR count = 0;
    if (!list || !SendMessageTimeoutW(list, LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &count)) return 1;
    PrintUtf8(std::to_wstring(count) + L"\n");
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
