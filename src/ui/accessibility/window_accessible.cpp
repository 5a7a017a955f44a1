#include "ui/accessibility/window_accessible.h"

#include <cstdint>

#include "base/win/system_library.h"
#include "ui/accessibility/accessible_node.h"

namespace tabulo::ui {
namespace {

constexpr wchar_t kClientRoleProperty[] = L"Tabulo_ClientRole";

}  // namespace

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

// The property holds the role plus one, so that no property and a property
// of 0 both mean a plain client area.
void SetClientRole(HWND window, std::optional<AccessibleRole> role) {
  if (!role) {
    RemovePropW(window, kClientRoleProperty);
    return;
  }
  const auto value = static_cast<std::uintptr_t>(*role) + 1;
  SetPropW(window, kClientRoleProperty, reinterpret_cast<HANDLE>(value));
}

std::optional<AccessibleRole> ClientRole(HWND window) {
  const auto value = reinterpret_cast<std::uintptr_t>(GetPropW(window, kClientRoleProperty));
  if (value == 0) return std::nullopt;
  return static_cast<AccessibleRole>(value - 1);
}

}  // namespace tabulo::ui
