#pragma once
// Shared pieces of the classroom tools' window tests (the draw, the timer
// and the writer): the engine started once, a context whose presenter
// records message boxes instead of showing them and whose run directory is a
// temporary folder, and a click on a windowless control as the mouse makes
// it.
#include <windows.h>

#include <gtest/gtest.h>

#include "../forms/native_form_fixture.h"
#include "ui/control/ui_control.h"
#include "ui/engine/engine_state.h"

namespace tabulo::app::testing {

class ClassroomToolTest : public ::testing::Test {
 protected:
  ClassroomToolTest() {
    context_.runDirectory = folder_.path();
    context_.messages = &messages_;
  }
  void SetUp() override {
    ui::EngineStart();
    if (!ui::Engine().initialised) ui::EngineInitialise({});
  }
  void TearDown() override { DestroyFormWindows(); }

  RecordingPresenter messages_;
  test::TempDirectory folder_;
  AppContext context_;  // outlives the windows, which TearDown destroys
};

// Moves onto the control's centre, presses and releases there.
inline void ClickControl(const ui::UiControl& control) {
  const Rect r = control.AbsoluteRect();
  const LPARAM at = MAKELPARAM(r.x + r.width / 2, r.y + r.height / 2);
  HWND host = control.HostWindowHandle();
  SendMessageW(host, WM_MOUSEMOVE, 0, at);
  SendMessageW(host, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(host, WM_LBUTTONUP, 0, at);
}

}  // namespace tabulo::app::testing
