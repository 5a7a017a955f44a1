#pragma once
// A stand-in for a window of the program that is not built yet (the random
// draw, the timer, the batch file writer): the form's bare window with its
// caption, opened, registered and closed like the real one, so the commands
// that open it (tool window buttons, F9) already work end to end.
#include <windows.h>

#include "app/shell/form.h"

namespace tabulo::app {

// Opens the window of `form` (non-modal, no owner), or brings the open one
// forward. Returns it; nullptr when it could not be created.
HWND OpenPlaceholderWindow(FormId form);

}  // namespace tabulo::app
