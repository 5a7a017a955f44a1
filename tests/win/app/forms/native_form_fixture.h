#pragma once
// Shared pieces of the app's window tests: a presenter that records the
// message boxes instead of showing them, a context with a temporary run
// directory, and helpers that drive controls with the messages a user's
// actions produce.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "app/forms/app_context.h"
#include "app/forms/form_window.h"
#include "app/forms/message_presenter.h"
#include "base/geometry/rect.h"
#include "base/win/geometry_win.h"
#include "base/win/window_text.h"
#include "support/fake_run_key_value.h"
#include "support/message_pump.h"
#include "support/temp_directory.h"

namespace tabulo::app::testing {

class RecordingPresenter final : public MessagePresenter {
 public:
  MessageBoxAnswer Show(HWND, const MessageBoxRequest& request) override {
    shown.push_back(request);
    if (onShow) onShow();
    return answer;
  }
  std::vector<MessageBoxRequest> shown;
  MessageBoxAnswer answer = MessageBoxAnswer::kOk;  // to every box
  std::function<void()> onShow;  // runs while the box would be up
};

using test::PumpUntil;

// Destroys every form window of this thread, e.g. what a failed test left.
inline void DestroyFormWindows() {
  std::vector<HWND> open;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM list) -> BOOL {
        if (FormWindow::FromHandle(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&open));
  for (HWND window : open) {
    if (IsWindow(window)) DestroyWindow(window);
  }
  PumpUntil([] { return true; });
}

inline void Click(HWND window, int id) { SendMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0); }

// WM_CHAR per UTF-16 unit, as typing delivers them.
inline void Type(HWND field, std::wstring_view typed) {
  for (wchar_t c : typed) SendMessageW(field, WM_CHAR, c, 1);
}

inline std::string TextOf(HWND window, int id) { return WindowText(GetDlgItem(window, id)); }

inline Rect PlacedAt(HWND window, int id) {
  RECT r = ToRECT(WindowRectOf(GetDlgItem(window, id)));
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
  return FromRECT(r);
}

// Posts a key to the focused control and lets the message loop handle it,
// so it goes the way of a real key press (through the dialog-key hook).
inline void PressKey(UINT virtualKey) {
  HWND focus = GetFocus();
  PostMessageW(focus, WM_KEYDOWN, virtualKey, 1);
  PostMessageW(focus, WM_KEYUP, virtualKey, 0xC0000001);
  PumpUntil([] { return GetQueueStatus(QS_ALLINPUT) == 0; });
}

class NativeFormTest : public ::testing::Test {
 protected:
  NativeFormTest() {
    context_.runDirectory = run_.path();
    context_.messages = &messages_;
    context_.runKey = runKey_;
    context_.reloadBar = [this] { ++barReloads_; };
  }
  void TearDown() override { DestroyFormWindows(); }

  test::TempDirectory run_;
  RecordingPresenter messages_;
  std::shared_ptr<test::FakeRunKeyValue> runKey_ = std::make_shared<test::FakeRunKeyValue>();
  int barReloads_ = 0;
  AppContext context_;  // outlives the windows, which TearDown destroys
};

}  // namespace tabulo::app::testing
