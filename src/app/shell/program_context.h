#pragma once
// The program's own AppContext (app_context.h): the executable's run
// directory, real message boxes, the program's Run value, the one random
// generator, the system's input box, file dialogs and chime.
#include "app/forms/app_context.h"

namespace tabulo::app {

// Returned in place (the context is neither copied nor moved).
[[nodiscard]] AppContext ProgramContext();

}  // namespace tabulo::app
