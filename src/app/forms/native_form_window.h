#pragma once
// The common part of the windows that map a native form onto a logic class's
// view interface: the view's Close destroys the window and its message boxes
// go to the context's presenter. A concrete window derives from
// NativeFormWindow<ItsView>, implements the rest of the view and is opened
// with OpenFormWindow (form_window.h).
#include <windows.h>

#include "app/forms/form_catalogue.h"
#include "app/forms/form_window.h"
#include "app/forms/message_box_request.h"
#include "app/forms/native_window_context.h"

namespace tabulo::app {

template <class View>
class NativeFormWindow : public FormWindow, protected View {
 protected:
  NativeFormWindow(FormId form, const NativeWindowContext& context) : FormWindow(GetForm(form)), context_(context) {}

  void Close() override { Destroy(); }
  MessageBoxAnswer ShowMessage(const MessageBoxRequest& request) override {
    return context_.messages->Show(hwnd(), request);
  }

  [[nodiscard]] const NativeWindowContext& context() const { return context_; }

 private:
  NativeWindowContext context_;
};

}  // namespace tabulo::app
