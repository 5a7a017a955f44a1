#pragma once
// The drawing helpers every control uses, on a GDI+ graphics: frames,
// gradients, rounded paths, clipping, and text with an optional glow or
// outline. A null graphics or an empty rectangle draws nothing.
#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <optional>
#include <string_view>

#include "base/color/color.h"
#include "base/geometry/rect.h"
#include "base/win/unique_handle.h"

namespace tabulo::ui {

// Frame styles: 0 none, 1 sunken, 2 raised, 3 solid (default grey 0x646464),
// 4 dashed focus rectangle (default black at alpha 81); any other value is
// the ARGB colour of a solid frame.
inline constexpr int kFrameNone = 0;
inline constexpr int kFrameSunken = 1;
inline constexpr int kFrameRaised = 2;
inline constexpr int kFrameSolid = 3;
inline constexpr int kFrameFocus = 4;

void DrawFrame(Gdiplus::Graphics* graphics, const RectF& rect, std::uint32_t style,
               std::optional<Argb> colour = std::nullopt, float penWidth = 1.0f);

// A linear gradient (mode 0 horizontal, 1 vertical, 2/3 diagonals) tiled
// with flipping, so a rectangle larger than the brush shows no seams.
void FillGradient(Gdiplus::Graphics* graphics, const RectF& rect, Argb colour1, Argb colour2, int mode = 1);

[[nodiscard]] GdiplusPtr<Gdiplus::GraphicsPath> RoundRectPath(const RectF& rect, float radius);
void FillPath(Gdiplus::Graphics* graphics, const Gdiplus::GraphicsPath* path, Argb colour);
void DrawPath(Gdiplus::Graphics* graphics, const Gdiplus::GraphicsPath* path, Argb colour, float penWidth = 1.0f,
              std::optional<Gdiplus::DashStyle> dash = std::nullopt);

void SetClipRect(Gdiplus::Graphics* graphics, const RectF& rect);
void SetClipRegion(Gdiplus::Graphics* graphics, HRGN region);
void ResetClip(Gdiplus::Graphics* graphics);
void Clear(Gdiplus::Graphics* graphics, Argb colour);

// Text is measured and drawn with each CR LF pair or lone CR as one line
// break (base/text/line_breaks.h), alike on Windows and under Wine.

// Bounding box of the text laid out in the rectangle; empty for no text.
[[nodiscard]] RectF MeasureText(Gdiplus::Graphics* graphics, std::wstring_view text, const Gdiplus::Font* font,
                                const RectF& layout, const Gdiplus::StringFormat* format);
[[nodiscard]] float FontHeight(const Gdiplus::Font* font, const Gdiplus::Graphics* graphics);

// Text effects: a soft glow or a thin outline, in the effect colour (the
// automatic one when none is given). With the ClearType hint the text itself
// goes to the service module, which knows how to put it on an alpha surface.
enum class TextEffect {
  kNone = 0,
  kGlow = 3,
  kOutline = 4,
};

void DrawText(Gdiplus::Graphics* graphics, const RectF& rect, std::wstring_view text, const Gdiplus::Font* font,
              Argb colour, const Gdiplus::StringFormat* format, TextEffect effect = TextEffect::kNone,
              std::optional<Argb> effectColour = std::nullopt);

[[nodiscard]] inline Gdiplus::RectF ToGdiplus(const RectF& r) { return {r.x, r.y, r.width, r.height}; }
[[nodiscard]] inline RectF FromGdiplus(const Gdiplus::RectF& r) { return {r.X, r.Y, r.Width, r.Height}; }

}  // namespace tabulo::ui
