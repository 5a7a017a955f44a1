#pragma once
// The settings window "程序设置": the form's native controls mapped onto the
// settings logic (settings_form.h), which decides what is shown and saved.
#include <windows.h>

#include "app/forms/app_context.h"

namespace tabulo::app {

// Opens the window (non-modal, no owner) with the stored settings shown, or
// brings the open one forward. Returns its window; nullptr when it could not
// be created.
HWND OpenSettingsWindow(AppContext& context);

}  // namespace tabulo::app
