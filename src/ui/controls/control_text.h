#pragma once
// What the text controls (Label, Button and the classes built on Button)
// share when they set up their text: the font made from the options a
// caller gave, the GDI+ string format, and the argument of WM_SETTEXT.
#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <optional>
#include <string>

#include "base/win/unique_handle.h"
#include "ui/controls/text_alignment.h"

namespace tabulo::ui {

// A font asked for by face, size and style; any part left out is the
// default font's face, 12 units and regular.
struct FontChoice {
  std::optional<std::string> face;  // UTF-8
  std::optional<float> size;
  std::optional<int> style;         // Gdiplus::FontStyle bits (4 underline)

  [[nodiscard]] bool any() const { return face || size || style; }
};

// Null when nothing was asked for (the control keeps the engine's default
// font) or when the face does not exist.
[[nodiscard]] GdiplusPtr<Gdiplus::Font> MakeControlFont(const FontChoice& choice);

// A string format with the given flags (Gdiplus::StringFormatFlags),
// alignment, trimming and hotkey prefix handling.
[[nodiscard]] GdiplusPtr<Gdiplus::StringFormat> MakeStringFormat(int flags, TextAlignment alignment, int trimming,
                                                               Gdiplus::HotkeyPrefix prefix);

// GDI+ numbers its string alignments as TextAlignment does.
[[nodiscard]] inline Gdiplus::StringAlignment ToStringAlignment(TextAlignment alignment) {
  return static_cast<Gdiplus::StringAlignment>(alignment);
}
[[nodiscard]] inline TextAlignment FromStringAlignment(Gdiplus::StringAlignment alignment) {
  return static_cast<TextAlignment>(alignment);
}

// The text a control receives with WM_SETTEXT: a non-zero wParam means
// lParam points to UTF-8 text, zero to UTF-16 text; null is empty. Nothing
// when lParam is the control's own stored text, which is already in place.
[[nodiscard]] std::optional<std::string> TextOfSetText(WPARAM wParam, LPARAM lParam, const std::string& stored,
                                                       const std::wstring& storedWide);

}  // namespace tabulo::ui
