#pragma once
// The about window: one picture with the program's logo, name, version and
// credits, and a "确定" button that closes it.
#include "app/forms/app_context.h"

namespace tabulo::app {

// Builds and shows the about window and runs its message loop (returns when
// it is gone); brings the open one forward instead when it exists.
void RunAboutWindow(AppContext& context);

}  // namespace tabulo::app
