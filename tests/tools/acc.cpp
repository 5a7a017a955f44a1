// acc COMMAND TITLE [NAME] — reads a window's accessible tree from another
// process, the way a screen reader does (AccessibleObjectFromWindow on the
// client area, then AccessibleChildren down the tree).
//   list TITLE         print every object depth-first, the client area first,
//                      one line each: "name|role|state|x y w h" (screen coordinates;
//                      line breaks in a name written as \n)
//   do TITLE NAME      do the default action of the first object with this name
//   value TITLE NAME   print the value of the first object with this name
//   keys TITLE NAME    print "shortcut|default action" of the first object
//                      with this name
// TITLE is a window title, matched exactly, a window handle in decimal (as
// `winctl wait` prints it), or "size:WxH" for the visible top-level window of
// that size; the window is waited for up to 10 s. Roles are
// client, text, button, checkbox, radio, graphic, edit, scrollbar, grouping,
// menupopup, menuitem, separator (else the role number); states are a comma
// list of focused, hot, pressed, unavailable, invisible, checked, haspopup,
// or "normal".
// Exit code 0 on success, 1 when the window or the name is not found or the
// call fails, 2 on a usage error.
#include <windows.h>
#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <cwctype>
#include <functional>
#include <string>
#include <vector>

namespace {

void PrintUtf8(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  std::fwrite(out.data(), 1, out.size(), stdout);
  std::fflush(stdout);
}

// One reference to an IAccessible, with the child id it is asked about
// (CHILDID_SELF unless the object is a simple element of its parent).
struct Node {
  IAccessible* object = nullptr;
  long child = CHILDID_SELF;
};

VARIANT Id(long child) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = child;
  return v;
}

std::wstring Take(BSTR text) {
  std::wstring out = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
  SysFreeString(text);
  return out;
}

std::wstring NameOf(const Node& n) {
  BSTR name = nullptr;
  n.object->get_accName(Id(n.child), &name);
  return Take(name);
}

// One line per object: line breaks in a name (vertical captions have one
// after every character) are written as \n and \r.
std::wstring OnOneLine(const std::wstring& text) {
  std::wstring out;
  for (const wchar_t c : text) {
    if (c == L'\n') {
      out += L"\\n";
    } else if (c == L'\r') {
      out += L"\\r";
    } else {
      out += c;
    }
  }
  return out;
}

std::wstring RoleOf(const Node& n) {
  VARIANT role;
  VariantInit(&role);
  if (FAILED(n.object->get_accRole(Id(n.child), &role)) || role.vt != VT_I4) return L"?";
  switch (role.lVal) {
    case ROLE_SYSTEM_CLIENT: return L"client";
    case ROLE_SYSTEM_STATICTEXT: return L"text";
    case ROLE_SYSTEM_PUSHBUTTON: return L"button";
    case ROLE_SYSTEM_CHECKBUTTON: return L"checkbox";
    case ROLE_SYSTEM_RADIOBUTTON: return L"radio";
    case ROLE_SYSTEM_GRAPHIC: return L"graphic";
    case ROLE_SYSTEM_TEXT: return L"edit";
    case ROLE_SYSTEM_SCROLLBAR: return L"scrollbar";
    case ROLE_SYSTEM_GROUPING: return L"grouping";
    case ROLE_SYSTEM_MENUPOPUP: return L"menupopup";
    case ROLE_SYSTEM_MENUITEM: return L"menuitem";
    case ROLE_SYSTEM_SEPARATOR: return L"separator";
    default: return std::to_wstring(role.lVal);
  }
}

std::wstring StateOf(const Node& n) {
  VARIANT state;
  VariantInit(&state);
  if (FAILED(n.object->get_accState(Id(n.child), &state)) || state.vt != VT_I4) return L"?";
  const struct {
    long bit;
    const wchar_t* word;
  } kWords[] = {{STATE_SYSTEM_FOCUSED, L"focused"},         {STATE_SYSTEM_HOTTRACKED, L"hot"},
                {STATE_SYSTEM_PRESSED, L"pressed"},         {STATE_SYSTEM_UNAVAILABLE, L"unavailable"},
                {STATE_SYSTEM_INVISIBLE, L"invisible"},     {STATE_SYSTEM_CHECKED, L"checked"},
                {STATE_SYSTEM_HASPOPUP, L"haspopup"}};
  std::wstring out;
  for (const auto& w : kWords) {
    if (!(state.lVal & w.bit)) continue;
    if (!out.empty()) out += L",";
    out += w.word;
  }
  return out.empty() ? L"normal" : out;
}

std::wstring PlaceOf(const Node& n) {
  long x = 0, y = 0, w = 0, h = 0;
  n.object->accLocation(&x, &y, &w, &h, Id(n.child));
  return std::to_wstring(x) + L" " + std::to_wstring(y) + L" " + std::to_wstring(w) + L" " + std::to_wstring(h);
}

// Visits the node and everything below it, depth-first; stops when the
// visitor returns true (and returns true then). References handed to the
// visitor are released after it returns.
bool Walk(const Node& node, const std::function<bool(const Node&)>& visit) {
  if (visit(node)) return true;
  if (node.child != CHILDID_SELF) return false;
  long count = 0;
  if (FAILED(node.object->get_accChildCount(&count)) || count <= 0) return false;
  std::vector<VARIANT> children(static_cast<size_t>(count));
  long obtained = 0;
  if (FAILED(AccessibleChildren(node.object, 0, count, children.data(), &obtained))) return false;
  bool stop = false;
  for (long i = 0; i < obtained; ++i) {
    VARIANT& v = children[static_cast<size_t>(i)];
    if (!stop && v.vt == VT_DISPATCH && v.pdispVal) {
      IAccessible* child = nullptr;
      if (SUCCEEDED(v.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&child)))) {
        stop = Walk({child, CHILDID_SELF}, visit);
        child->Release();
      }
    } else if (!stop && v.vt == VT_I4) {
      stop = Walk({node.object, v.lVal}, visit);
    }
    VariantClear(&v);
  }
  return stop;
}

struct SizeSearch {
  long width = 0;
  long height = 0;
  HWND found = nullptr;
};

BOOL CALLBACK MatchSize(HWND hwnd, LPARAM lparam) {
  auto* search = reinterpret_cast<SizeSearch*>(lparam);
  RECT r{};
  if (!IsWindowVisible(hwnd) || !GetWindowRect(hwnd, &r)) return TRUE;
  if (r.right - r.left != search->width || r.bottom - r.top != search->height) return TRUE;
  search->found = hwnd;
  return FALSE;
}

// "size:WxH" (a visible window of that size: the program's caption-less
// windows have no title), a handle in decimal, or an exact title.
HWND FindWindowOnce(const std::wstring& which) {
  if (which.rfind(L"size:", 0) == 0) {
    SizeSearch search;
    if (swscanf(which.c_str() + 5, L"%ldx%ld", &search.width, &search.height) != 2) return nullptr;
    EnumWindows(MatchSize, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }
  const bool number = !which.empty() && std::all_of(which.begin(), which.end(), [](wchar_t c) { return std::iswdigit(c); });
  if (number) return reinterpret_cast<HWND>(static_cast<uintptr_t>(std::wcstoull(which.c_str(), nullptr, 10)));
  return FindWindowW(nullptr, which.c_str());
}

HWND WaitForWindow(const std::wstring& which) {
  for (int i = 0; i < 200; ++i) {
    HWND hwnd = FindWindowOnce(which);
    if (hwnd && IsWindow(hwnd)) return hwnd;
    Sleep(50);
  }
  return nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3 || (std::wstring(argv[1]) != L"list" && argc < 4)) {
    PrintUtf8(L"usage: acc list TITLE | acc do TITLE NAME | acc value TITLE NAME | acc keys TITLE NAME\n");
    return 2;
  }
  const std::wstring command = argv[1];
  if (command != L"list" && command != L"do" && command != L"value" && command != L"keys") return 2;
  HWND hwnd = WaitForWindow(argv[2]);
  if (!hwnd) return 1;
  CoInitialize(nullptr);
  IAccessible* root = nullptr;
  if (FAILED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&root)))) {
    return 1;
  }
  int status = 1;
  if (command == L"list") {
    Walk({root, CHILDID_SELF}, [](const Node& n) {
      PrintUtf8(OnOneLine(NameOf(n)) + L"|" + RoleOf(n) + L"|" + StateOf(n) + L"|" + PlaceOf(n) + L"\n");
      return false;
    });
    status = 0;
  } else {
    const std::wstring wanted = argv[3];
    Walk({root, CHILDID_SELF}, [&](const Node& n) {
      if (NameOf(n) != wanted) return false;
      if (command == L"do") {
        status = SUCCEEDED(n.object->accDoDefaultAction(Id(n.child))) ? 0 : 1;
      } else if (command == L"keys") {
        BSTR shortcut = nullptr;
        BSTR action = nullptr;
        n.object->get_accKeyboardShortcut(Id(n.child), &shortcut);
        n.object->get_accDefaultAction(Id(n.child), &action);
        PrintUtf8(Take(shortcut) + L"|" + Take(action) + L"\n");
        status = 0;
      } else {
        BSTR value = nullptr;
        if (SUCCEEDED(n.object->get_accValue(Id(n.child), &value))) {
          PrintUtf8(Take(value) + L"\n");
          status = 0;
        }
      }
      return true;
    });
  }
  root->Release();
  CoUninitialize();
  return status;
}
