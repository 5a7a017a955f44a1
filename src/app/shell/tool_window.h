#pragma once
// The tool window: the launcher attached to the bar's left side, with six
// picture buttons that open the timetable editor, the random draw, the batch
// file writer, the timer, the settings and the about window, and a narrow
// strip that hides it. It is created on its first toggle (shell_commands.h),
// then only hidden and shown; the exit routine destroys it.
#include "app/forms/app_context.h"

namespace tabulo::app {

// Builds, attaches and shows the tool window and runs its message loop;
// returns when it is gone.
void RunToolWindow(AppContext& context);

}  // namespace tabulo::app
