#pragma once
// GDI+ font helpers: fonts by face name (UTF-8), reading a font back, and
// the engine's default font ("宋体", else the system caption font).
#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <string>
#include <string_view>

#include "base/win/unique_handle.h"

namespace tabulo::ui {

// Null when the face is not installed (GDI+ has no fall-back of its own).
[[nodiscard]] GdiplusPtr<Gdiplus::Font> CreateFontFromName(std::string_view face, float size, int style,
                                                         Gdiplus::Unit unit = Gdiplus::UnitWorld);

[[nodiscard]] std::string FontFamilyName(const Gdiplus::Font& font);
[[nodiscard]] float FontSize(const Gdiplus::Font& font);
[[nodiscard]] int FontStyle(const Gdiplus::Font& font);

// The face of the system caption font (UTF-8), or empty when it cannot be
// read.
[[nodiscard]] std::string SystemCaptionFontName();

// 12 pixels, regular, from the first candidate face that exists.
[[nodiscard]] GdiplusPtr<Gdiplus::Font> MakeDefaultFont();

}  // namespace tabulo::ui
