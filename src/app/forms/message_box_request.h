#pragma once
// A message box as the window logic asks for it. The logic classes never show
// one themselves: they hand this request to their view, which calls
// MessageBoxW and returns the button the user pressed. Flag values are the
// Win32 MB_* values, so a view passes `flags` through unchanged.
#include <string>

namespace tabulo::app {

inline constexpr unsigned kMbOk = 0x0;
inline constexpr unsigned kMbOkCancel = 0x1;
inline constexpr unsigned kMbIconExclamation = 0x30;
inline constexpr unsigned kMbIconInformation = 0x40;

// The caption of every message box whose text has no caption of its own.
inline constexpr const char* kDefaultMessageCaption = "信息：";

enum class MessageBoxOwner {
  kTaskModal,  // no owner; the program's other windows are disabled meanwhile (MB_TASKMODAL)
  kWindow,     // owned by the window that asks
};

struct MessageBoxRequest {
  std::string text;
  std::string caption = kDefaultMessageCaption;
  unsigned flags = kMbOk;
  MessageBoxOwner owner = MessageBoxOwner::kTaskModal;
  friend bool operator==(const MessageBoxRequest&, const MessageBoxRequest&) = default;
};

enum class MessageBoxAnswer { kOk = 1, kCancel = 2 };  // IDOK, IDCANCEL

}  // namespace tabulo::app
