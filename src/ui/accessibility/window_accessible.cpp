#include "ui/accessibility/window_accessible.h"

#include "base/win/system_library.h"
#include "ui/accessibility/accessible_node.h"

namespace tabulo::ui {

std::optional<LRESULT> AnswerGetObject(HWND window, WPARAM flags, LPARAM objectId) {
  // The object id arrives as a DWORD; on 64-bit Windows it may or may not be
  // sign-extended into the LPARAM.
  if (static_cast<LONG>(static_cast<DWORD>(objectId)) != OBJID_CLIENT) return std::nullopt;
  const ComPtr<IAccessible> root = AccessibleNode::ForWindow(window);
  // LresultFromObject takes its own reference for the caller; ours goes
  // with `root`.
  const auto toResult = SystemFunction<decltype(LresultFromObject)>(SystemLibrary(L"oleacc.dll"), "LresultFromObject");
  if (!toResult) return std::nullopt;
  const LRESULT result = toResult(__uuidof(IAccessible), flags, root.get());
  if (FAILED(static_cast<HRESULT>(result))) return std::nullopt;  // the system's default object then
  return result;
}

}  // namespace tabulo::ui
