#include "ui/controls/control_text.h"

#include "base/win/wide_text.h"
#include "ui/engine/engine_state.h"
#include "ui/engine/fonts.h"

namespace tabulo::ui {
namespace {

constexpr float kDefaultFontSize = 12;

}  // namespace

GdiplusPtr<Gdiplus::Font> MakeControlFont(const FontChoice& choice) {
  if (!choice.any()) return nullptr;
  std::string face = choice.face.value_or(std::string());
  if (!choice.face) {
    if (const Gdiplus::Font* font = Engine().defaultFont.get()) face = FontFamilyName(*font);
  }
  return CreateFontFromName(face, choice.size.value_or(kDefaultFontSize), choice.style.value_or(0));
}

GdiplusPtr<Gdiplus::StringFormat> MakeStringFormat(int flags, TextAlignment alignment, int trimming,
                                                  Gdiplus::HotkeyPrefix prefix) {
  auto format = MakeGdiplus<Gdiplus::StringFormat>(flags);
  if (!format) return format;
  format->SetAlignment(ToStringAlignment(alignment));
  format->SetTrimming(static_cast<Gdiplus::StringTrimming>(trimming));
  format->SetHotkeyPrefix(prefix);
  return format;
}

std::optional<std::string> TextOfSetText(WPARAM wParam, LPARAM lParam, const std::string& stored,
                                         const std::wstring& storedWide) {
  if (wParam != 0) {
    const auto* text = reinterpret_cast<const char*>(lParam);
    if (text && text == stored.c_str()) return std::nullopt;
    return std::string(text ? text : "");
  }
  const auto* text = reinterpret_cast<const wchar_t*>(lParam);
  if (text && text == storedWide.c_str()) return std::nullopt;
  return text ? Narrow(text) : std::string();
}

}  // namespace tabulo::ui
