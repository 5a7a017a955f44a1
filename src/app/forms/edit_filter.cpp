#include "app/forms/edit_filter.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <utility>

#include "base/win/system_library.h"
#include "base/win/window_text.h"

namespace tabulo::app {
namespace {

constexpr UINT_PTR kSubclassId = 0x7AB0;

// The subclass functions of the common controls, looked up once: the
// default procedure runs for every message of every filtered field, and the
// library stays loaded for the process's life once it is in.
struct SubclassFunctions {
  decltype(SetWindowSubclass)* set = nullptr;
  decltype(RemoveWindowSubclass)* remove = nullptr;
  decltype(DefSubclassProc)* next = nullptr;
};

const SubclassFunctions& Subclassing() {
  static const SubclassFunctions functions = [] {
    const HMODULE library = CommonControlsLibrary();
    return SubclassFunctions{SystemFunction<decltype(SetWindowSubclass)>(library, "SetWindowSubclass"),
                             SystemFunction<decltype(RemoveWindowSubclass)>(library, "RemoveWindowSubclass"),
                             SystemFunction<decltype(DefSubclassProc)>(library, "DefSubclassProc")};
  }();
  return functions;
}

LRESULT DefaultEditProc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam) {
  const auto next = Subclassing().next;
  return next ? next(edit, message, wparam, lparam) : DefWindowProcW(edit, message, wparam, lparam);
}

// Messages through which the user changes the text.
bool IsUserEdit(UINT message) {
  switch (message) {
    case WM_CHAR:
    case WM_PASTE:
    case WM_IME_CHAR:
    case WM_IME_COMPOSITION:
    case WM_UNDO:
    case EM_UNDO:
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR data) {
  auto* rules = reinterpret_cast<EditRules*>(data);
  if (message == WM_NCDESTROY) {
    if (const auto remove = Subclassing().remove) remove(edit, EditProc, kSubclassId);
    std::unique_ptr<EditRules> owned(rules);  // the field is gone: so are its rules
    return DefaultEditProc(edit, message, wparam, lparam);
  }
  if (message == WM_CHAR && rules->acceptsTyped && !rules->acceptsTyped(static_cast<char32_t>(wparam))) {
    MessageBeep(MB_OK);
    return 0;
  }
  if (message == WM_PASTE && rules->takesPaste) {
    try {
      if (rules->takesPaste()) return 0;
    } catch (...) {
      return 0;  // out of memory: paste nothing rather than let it cross the window procedure
    }
  }
  if (!rules->acceptsText || !IsUserEdit(message)) return DefaultEditProc(edit, message, wparam, lparam);

  try {
    const std::string before = WindowText(edit);
    DWORD selStart = 0, selEnd = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
    const LRESULT result = DefaultEditProc(edit, message, wparam, lparam);
    const std::string after = WindowText(edit);
    if (after != before && !rules->acceptsText(after)) {
      SetWindowTextUtf8(edit, before);
      SendMessageW(edit, EM_SETSEL, selStart, selEnd);
      MessageBeep(MB_OK);
    }
    return result;
  } catch (...) {
    return 0;  // out of memory: drop the edit rather than let it cross the window procedure
  }
}

}  // namespace

bool ApplyEditRules(HWND edit, EditRules rules) {
  const auto subclass = Subclassing().set;
  if (!subclass) return false;
  auto owned = std::make_unique<EditRules>(std::move(rules));
  if (!subclass(edit, EditProc, kSubclassId, reinterpret_cast<DWORD_PTR>(owned.get()))) return false;
  (void)owned.release();  // adopted again at WM_NCDESTROY
  return true;
}

}  // namespace tabulo::app
