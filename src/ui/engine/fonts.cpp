#include "ui/engine/fonts.h"

#include "base/win/wide_text.h"
#include "ui/engine/font_names.h"

namespace tabulo::ui {

GdiplusPtr<Gdiplus::Font> CreateFontFromName(std::string_view face, float size, int style, Gdiplus::Unit unit) {
  const std::wstring wide = Wide(face);
  const Gdiplus::FontFamily family(wide.c_str());
  if (family.GetLastStatus() != Gdiplus::Ok) return nullptr;
  return MakeGdiplus<Gdiplus::Font>(&family, size, style, unit);
}

std::string FontFamilyName(const Gdiplus::Font& font) {
  Gdiplus::FontFamily family;
  if (font.GetFamily(&family) != Gdiplus::Ok) return {};
  wchar_t name[LF_FACESIZE] = {};
  if (family.GetFamilyName(name) != Gdiplus::Ok) return {};
  return Narrow(name);
}

float FontSize(const Gdiplus::Font& font) { return font.GetSize(); }

int FontStyle(const Gdiplus::Font& font) { return font.GetStyle(); }

std::string SystemCaptionFontName() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return {};
  return Narrow(metrics.lfCaptionFont.lfFaceName);
}

GdiplusPtr<Gdiplus::Font> MakeDefaultFont() {
  constexpr float kDefaultSize = 12.0f;
  std::string caption = CaptionFontCandidate(SystemCaptionFontName());
  if (!CreateFontFromName(caption, kDefaultSize, Gdiplus::FontStyleRegular)) caption = std::string(kSongTi);
  for (const std::string& face : {std::string(kSongTi), caption}) {
    if (auto font = CreateFontFromName(face, kDefaultSize, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel)) {
      return font;
    }
  }
  return nullptr;
}

}  // namespace tabulo::ui
