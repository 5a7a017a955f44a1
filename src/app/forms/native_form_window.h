#pragma once
// The common part of the windows that map a native form onto a logic class's
// view interface: the view's Close destroys the window and its message boxes
// go to the context's presenter (app_context.h). A concrete window derives from
// NativeFormWindow<ItsView>, implements the rest of the view and is opened
// with OpenWindow (open_window.h).
#include <windows.h>

#include "app/forms/app_context.h"
#include "app/forms/form_catalogue.h"
#include "app/forms/form_window.h"
#include "app/forms/message_box_request.h"
#include "app/forms/message_presenter.h"

namespace tabulo::app {

template <class View>
class NativeFormWindow : public FormWindow, protected View {
 protected:
  NativeFormWindow(FormId form, AppContext& context) : FormWindow(GetForm(form), context) {}

  void Close() override { Destroy(); }
  MessageBoxAnswer ShowMessage(const MessageBoxRequest& request) override {
    return context().messages->Show(hwnd(), request);
  }
};

}  // namespace tabulo::app
