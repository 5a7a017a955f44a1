#pragma once
// The part Label and Button (with the classes built on Button) share: the
// text, kept as the control's base text and in UTF-16 for GDI+; the font
// chosen by face, size and style; the text colour, the text effect (a glow
// or an outline) with its colour, and the
// GDI+ string format. Every setter that changes a value repaints.
//
// Colours are ARGB. A text colour with alpha 0 draws no text, so with an
// effect only the effect shows; an effect colour of 0 is the automatic one
// (text_colours.h).
#include <string>
#include <string_view>

#include "base/color/color.h"
#include "ui/canvas/drawing.h"
#include "ui/control/ui_control.h"
#include "ui/controls/control_text.h"

namespace tabulo::ui {

class TextControl : public UiControl {
 public:
  // The text is the control's base text (UiControl::Text()).
  void SetText(std::string_view text);
  // Keeps the current font when the asked one cannot be made.
  void SetFont(const FontChoice& choice);
  void SetFont(std::string_view face, float size, int style = 0) { SetFont(FontChoice{std::string(face), size, style}); }
  using UiControl::SetFont;

  [[nodiscard]] Argb TextColour() const { return textColour_; }
  void SetTextColour(Argb colour) { Change(textColour_, colour); }
  [[nodiscard]] TextEffect Effect() const { return effect_; }
  void SetEffect(TextEffect effect) { Change(effect_, effect); }
  [[nodiscard]] Argb EffectColour() const { return effectColour_; }
  void SetEffectColour(Argb colour) { Change(effectColour_, colour); }
  [[nodiscard]] const Gdiplus::StringFormat* StringFormat() const { return format_.get(); }
  // A null format is ignored.
  void SetStringFormat(GdiplusPtr<Gdiplus::StringFormat> format);

 protected:
  struct TextSetup {
    std::string text;
    Argb colour = 0xFF000000;
    TextEffect effect = TextEffect::kNone;
    Argb effectColour = 0;
    FontChoice font;
    GdiplusPtr<Gdiplus::StringFormat> format;
  };
  // Before the base Create: stores without repainting.
  void SetUpText(TextSetup setup);
  // WM_SETTEXT (see TextOfSetText); the result of the message.
  LRESULT OnSetText(WPARAM wParam, LPARAM lParam);

  [[nodiscard]] const std::wstring& WideText() const { return wide_; }
  [[nodiscard]] Gdiplus::StringFormat* MutableFormat() { return format_.get(); }
  // Draws the text into rect with the font, the format and the effect.
  void DrawTextIn(Gdiplus::Graphics& graphics, const RectF& rect, Argb colour) const;

  template <class T>
  void Change(T& field, T value) {
    if (field == value) return;
    field = value;
    Invalidate();
  }

 private:
  std::wstring wide_;
  Argb textColour_ = 0xFF000000;
  TextEffect effect_ = TextEffect::kNone;
  Argb effectColour_ = 0;
  GdiplusPtr<Gdiplus::StringFormat> format_;
};

}  // namespace tabulo::ui
