#pragma once
// Text drawn as it is, with a solid brush: the plain path of the canvas's
// text drawing, and what the service module draws ClearType text with once
// it has chosen a hint that keeps the alpha right. Fully opaque text goes
// down with alpha 254 (text_colours.h); transparent or empty text draws
// nothing.
#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <string_view>

#include "base/color/color.h"
#include "base/geometry/rect.h"

namespace tabulo::ui {

void DrawPlainText(Gdiplus::Graphics& graphics, const RectF& rect, std::wstring_view text, const Gdiplus::Font& font,
                   Argb colour, const Gdiplus::StringFormat* format);

}  // namespace tabulo::ui
