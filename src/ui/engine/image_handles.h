#pragma once
// Icons, cursors and bitmaps made from file images held in memory, and the
// program's own icon from its resources.
#include <windows.h>

#include <cstdint>
#include <span>

#include "base/win/unique_handle.h"

namespace tabulo::ui {

// One image of an icon (cursor = false) or cursor file; index counts from 1.
[[nodiscard]] UniqueIcon LoadIconFromBytes(std::span<const std::uint8_t> bytes, bool cursor, int index = 1);

// Any picture GDI+ decodes, as a DIB section bitmap.
[[nodiscard]] UniqueBitmap LoadBitmapFromFileBytes(std::span<const std::uint8_t> bytes);

// The 16 and 32 pixel images of the program icon (group 129, else the group
// named "DEFAULT_ICON") of the executable.
struct ProgramIcons {
  UniqueIcon small;
  UniqueIcon large;
};
[[nodiscard]] ProgramIcons LoadProgramIcons();

}  // namespace tabulo::ui
