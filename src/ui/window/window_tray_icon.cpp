#include "ui/window/window_tray_icon.h"

#include <algorithm>

#include "ui/control/engine_messages.h"

namespace tabulo::ui {
namespace {

void WriteTip(NOTIFYICONDATAW& record, const std::u16string& tip) {
  std::fill(std::begin(record.szTip), std::end(record.szTip), L'\0');
  const std::size_t units = std::min(tip.size(), std::size(record.szTip) - 1);
  std::copy_n(tip.begin(), units, record.szTip);
}

}  // namespace

bool WindowTrayIcon::Set(HWND window, std::optional<HICON> icon, std::optional<std::u16string> tip) {
  if (!window) return false;
  if (!record_) {
    NOTIFYICONDATAW record{};
    record.cbSize = sizeof record;
    record.hWnd = window;
    record.uID = kTrayIconId;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = kMsgTrayNotify;
    record.hIcon = icon.value_or(nullptr);
    WriteTip(record, tip.value_or(u""));
    record_ = record;
    return Shell_NotifyIconW(NIM_ADD, &*record_) != FALSE;
  }
  if (icon) record_->hIcon = *icon;
  if (tip) WriteTip(*record_, *tip);
  return Shell_NotifyIconW(NIM_MODIFY, &*record_) != FALSE;
}

void WindowTrayIcon::Remove() {
  if (!record_) return;
  Shell_NotifyIconW(NIM_DELETE, &*record_);
  record_.reset();
}

void WindowTrayIcon::OnTaskbarCreated() {
  if (record_) Shell_NotifyIconW(NIM_ADD, &*record_);
}

std::u16string WindowTrayIcon::Tip() const {
  if (!record_) return {};
  const wchar_t* tip = record_->szTip;
  return std::u16string(reinterpret_cast<const char16_t*>(tip), std::wcslen(tip));
}

UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

}  // namespace tabulo::ui
