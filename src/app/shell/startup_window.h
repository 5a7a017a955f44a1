#pragma once
// The start-up window: the first window of the program. Its creation starts
// the engine with the service module, the default package and the layout
// map, shows the animated start-up picture, and 800 ms later loads the bar
// (bar_window.h), whose creation destroys this window.
#include "app/forms/app_context.h"

namespace tabulo::app {

// Returns when the start-up window is gone and the bar's message loop,
// which runs inside its timer tick, has ended.
void RunStartupWindow(AppContext& context);

}  // namespace tabulo::app
