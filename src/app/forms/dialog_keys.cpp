#include "app/forms/dialog_keys.h"

namespace tabulo::app {
namespace {

constexpr wchar_t kDialogKeysProperty[] = L"Tabulo_DialogKeys";

LRESULT CALLBACK OnMessageRetrieved(int code, WPARAM removal, LPARAM data) {
  // Only messages taken off the queue: a peek that leaves the message there
  // would otherwise handle the same key twice.
  if (code == HC_ACTION && removal == PM_REMOVE) {
    MSG* msg = reinterpret_cast<MSG*>(data);
    if (msg->hwnd && msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) {
      HWND root = GetAncestor(msg->hwnd, GA_ROOT);
      if (root && GetPropW(root, kDialogKeysProperty) && IsDialogMessageW(root, msg)) {
        // Handled (IsDialogMessage also dispatches what it does not
        // consume): the loop that retrieved it must do nothing more.
        msg->message = WM_NULL;
      }
    }
  }
  return CallNextHookEx(nullptr, code, removal, data);
}

std::weak_ptr<DialogKeys>& CurrentHook() {
  static std::weak_ptr<DialogKeys> current;
  return current;
}

}  // namespace

std::shared_ptr<DialogKeys> DialogKeys::Acquire() {
  if (std::shared_ptr<DialogKeys> existing = CurrentHook().lock()) return existing;
  HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, OnMessageRetrieved, nullptr, GetCurrentThreadId());
  if (!hook) return nullptr;
  auto created = std::make_shared<DialogKeys>(Key{}, hook);
  CurrentHook() = created;
  return created;
}

void DialogKeys::Enable(HWND window) { SetPropW(window, kDialogKeysProperty, reinterpret_cast<HANDLE>(1)); }

void DialogKeys::Disable(HWND window) { RemovePropW(window, kDialogKeysProperty); }

DialogKeys::~DialogKeys() { UnhookWindowsHookEx(hook_); }

}  // namespace tabulo::app
