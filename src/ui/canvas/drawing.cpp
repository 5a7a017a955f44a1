#include "ui/canvas/drawing.h"

#include <cmath>

#include "base/color/text_colours.h"
#include "base/text/line_breaks.h"
#include "ui/engine/engine_state.h"
#include "ui/engine/plain_text.h"
#include "ui/engine/service_module.h"

namespace tabulo::ui {
namespace {

bool Drawable(Gdiplus::Graphics* graphics, const RectF& rect) {
  return graphics && rect.width > 0 && rect.height > 0;
}

void Line(Gdiplus::Graphics& g, Argb colour, float x1, float y1, float x2, float y2) {
  Gdiplus::Pen pen(Gdiplus::Color(colour), 1.0f);
  g.DrawLine(&pen, x1, y1, x2, y2);
}

// The halo behind glowing or outlined text: the text drawn five times around
// its place, then shrunk by `scale` and stretched back, which blurs it.
void DrawTextEffect(Gdiplus::Graphics& target, const RectF& rect, std::wstring_view text, const Gdiplus::Font& font,
                    const Gdiplus::StringFormat* format, Argb colour, int scale) {
  const int width = static_cast<int>(rect.width) + 7;
  const int height = static_cast<int>(rect.height) + 7;
  const auto spread = MakeGdiplus<Gdiplus::Bitmap>(width, height, PixelFormat32bppPARGB);
  if (!spread) return;
  {
    Gdiplus::Graphics g(spread.get());
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    g.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
    Gdiplus::SolidBrush brush{Gdiplus::Color(colour)};
    constexpr float kOffsets[5][2] = {{5, 4}, {3, 4}, {4, 3}, {4, 5}, {4, 4}};
    for (const auto& o : kOffsets) {
      const Gdiplus::RectF layout(o[0], o[1], rect.width, rect.height);
      g.DrawString(text.data(), static_cast<INT>(text.size()), &font, layout, format, &brush);
    }
  }
  const int smallWidth = std::max(1, width / scale);
  const int smallHeight = std::max(1, height / scale);
  const auto shrunk = MakeGdiplus<Gdiplus::Bitmap>(smallWidth, smallHeight, PixelFormat32bppPARGB);
  if (!shrunk) return;
  {
    Gdiplus::Graphics g(shrunk.get());
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    g.SetCompositingQuality(Gdiplus::CompositingQualityGammaCorrected);
    g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBilinear);
    g.DrawImage(spread.get(), Gdiplus::RectF(0, 0, static_cast<float>(smallWidth), static_cast<float>(smallHeight)));
  }
  target.DrawImage(shrunk.get(), Gdiplus::RectF(rect.x - 4, rect.y - 4, rect.width + 7, rect.height + 7));
}

}  // namespace

void DrawFrame(Gdiplus::Graphics* graphics, const RectF& rect, std::uint32_t style, std::optional<Argb> colour,
               float penWidth) {
  if (!Drawable(graphics, rect) || style == kFrameNone) return;
  if (style == kFrameSunken || style == kFrameRaised) {
    const Argb dark = 0x6E000000;   // black at alpha 110
    const Argb light = 0xF5FFFFFF;  // white at alpha 245
    const Argb topLeft = style == kFrameSunken ? dark : light;
    const Argb bottomRight = style == kFrameSunken ? light : dark;
    const float l = rect.x, t = rect.y, r = rect.x + rect.width - 1, b = rect.y + rect.height - 1;
    Line(*graphics, topLeft, l, t, r, t);
    Line(*graphics, topLeft, l, t, l, b);
    Line(*graphics, bottomRight, l, b, r, b);
    Line(*graphics, bottomRight, r, t, r, b);
    return;
  }
  Argb penColour = style;
  if (style == kFrameSolid) penColour = colour.value_or(ToArgb(0x646464));
  if (style == kFrameFocus) penColour = colour.value_or(0x51000000);
  Gdiplus::Pen pen(Gdiplus::Color(penColour), penWidth);
  if (style == kFrameFocus) pen.SetDashStyle(Gdiplus::DashStyleDash);
  graphics->DrawRectangle(&pen, rect.x, rect.y, rect.width - 1, rect.height - 1);
}

void FillGradient(Gdiplus::Graphics* graphics, const RectF& rect, Argb colour1, Argb colour2, int mode) {
  if (!Drawable(graphics, rect)) return;
  Gdiplus::LinearGradientBrush brush(ToGdiplus(rect), Gdiplus::Color(colour1), Gdiplus::Color(colour2),
                                     static_cast<Gdiplus::LinearGradientMode>(mode));
  brush.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
  graphics->FillRectangle(&brush, ToGdiplus(rect));
}

GdiplusPtr<Gdiplus::GraphicsPath> RoundRectPath(const RectF& rect, float radius) {
  auto path = MakeGdiplus<Gdiplus::GraphicsPath>();
  if (!path) return path;
  const float d = std::max(1.0f, std::min({radius * 2, rect.width, rect.height}));
  const float r = rect.x + rect.width, b = rect.y + rect.height;
  path->AddArc(rect.x, rect.y, d, d, 180, 90);
  path->AddArc(r - d, rect.y, d, d, 270, 90);
  path->AddArc(r - d, b - d, d, d, 0, 90);
  path->AddArc(rect.x, b - d, d, d, 90, 90);
  path->CloseFigure();
  return path;
}

void FillPath(Gdiplus::Graphics* graphics, const Gdiplus::GraphicsPath* path, Argb colour) {
  if (!graphics || !path) return;
  Gdiplus::SolidBrush brush{Gdiplus::Color(colour)};
  graphics->FillPath(&brush, path);
}

void DrawPath(Gdiplus::Graphics* graphics, const Gdiplus::GraphicsPath* path, Argb colour, float penWidth,
              std::optional<Gdiplus::DashStyle> dash) {
  if (!graphics || !path) return;
  Gdiplus::Pen pen(Gdiplus::Color(colour), penWidth);
  if (dash) pen.SetDashStyle(*dash);
  graphics->DrawPath(&pen, path);
}

void SetClipRect(Gdiplus::Graphics* graphics, const RectF& rect) {
  if (graphics) graphics->SetClip(ToGdiplus(rect), Gdiplus::CombineModeReplace);
}

void SetClipRegion(Gdiplus::Graphics* graphics, HRGN region) {
  if (!graphics || !region) return;
  Gdiplus::Region clip(region);
  graphics->SetClip(&clip, Gdiplus::CombineModeReplace);
}

void ResetClip(Gdiplus::Graphics* graphics) {
  if (graphics) graphics->ResetClip();
}

void Clear(Gdiplus::Graphics* graphics, Argb colour) {
  if (graphics) graphics->Clear(Gdiplus::Color(colour));
}

RectF MeasureText(Gdiplus::Graphics* graphics, std::wstring_view text, const Gdiplus::Font* font,
                  const RectF& layout, const Gdiplus::StringFormat* format) {
  if (!graphics || !font || text.empty()) return {};
  const std::wstring lines = OneLineFeedPerBreak(text);
  Gdiplus::RectF box;
  graphics->MeasureString(lines.data(), static_cast<INT>(lines.size()), font, ToGdiplus(layout), format, &box);
  return FromGdiplus(box);
}

float FontHeight(const Gdiplus::Font* font, const Gdiplus::Graphics* graphics) {
  if (!font) return 0;
  return font->GetHeight(graphics);
}

void DrawText(Gdiplus::Graphics* graphics, const RectF& rect, std::wstring_view text, const Gdiplus::Font* font,
              Argb colour, const Gdiplus::StringFormat* format, TextEffect effect, std::optional<Argb> effectColour) {
  if (!Drawable(graphics, rect) || !font || text.empty()) return;
  const std::wstring lines = OneLineFeedPerBreak(text);
  text = lines;
  if (effect == TextEffect::kGlow || effect == TextEffect::kOutline) {
    const Argb halo = effectColour.value_or(AutomaticEffectColour(colour));
    DrawTextEffect(*graphics, rect, text, *font, format, halo, effect == TextEffect::kGlow ? 3 : 1);
  }
  if (graphics->GetTextRenderingHint() == Gdiplus::TextRenderingHintClearTypeGridFit) {
    if (ServiceModule* service = Engine().service.get()) {
      // The service takes whole pixels, cut toward zero.
      const Rect pixels{static_cast<int>(rect.x), static_cast<int>(rect.y), static_cast<int>(rect.width),
                        static_cast<int>(rect.height)};
      service->DrawClearTypeText(*graphics, text, pixels, *font, colour, format);
    }
    return;
  }
  DrawPlainText(*graphics, rect, text, *font, colour, format);
}

}  // namespace tabulo::ui
