#pragma once
// Global atoms for names the engine looks up often. A name that cannot be
// added is reported once through the debugger output ("AtomError:") and
// gives 0.
#include <windows.h>

#include <string_view>

namespace tabulo::ui {

[[nodiscard]] ATOM AtomForName(std::string_view name);

}  // namespace tabulo::ui
