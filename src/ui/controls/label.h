#pragma once
// Label: the engine's static text. One text drawn with GDI+ in the control
// rectangle, over an optional gradient and inside an optional border, with
// word wrapping, alignment, and two effects that keep text readable on the
// pictures behind the layered windows: a soft glow and a thin outline
// (TextEffect). It never takes focus and has no skin; pressing on it drags
// the window like empty area.
#include <cstdint>
#include <optional>
#include <string>

#include "ui/controls/label_layout.h"
#include "ui/controls/text_control.h"

namespace tabulo::ui {

inline constexpr int kNoGradient = -1;

struct LabelOptions {
  std::string text;
  Argb textColour = 0xFF000000;
  int gradientDirection = kNoGradient;  // else a GDI+ LinearGradientMode (0 horizontal, 1 vertical, 2, 3 diagonals)
  Argb gradientColour1 = 0;
  Argb gradientColour2 = 0;
  bool wordWrap = false;
  bool autoContrast = false;
  FontChoice font;                      // nothing given: the engine's default font
  TextAlignment alignment = TextAlignment::kNear;
  int trimming = 0;                     // GDI+ StringTrimming
  TextEffect effect = TextEffect::kNone;
  Argb effectColour = 0;                // 0: automatic
  std::uint32_t border = kFrameNone;    // a DrawFrame style, or the ARGB colour of a line
  bool visible = true;
};

class Label : public TextControl {
 public:
  [[nodiscard]] bool Create(ControlParent parent, const Rect& rect, const LabelOptions& options = {});

  [[nodiscard]] Argb GradientColour1() const { return gradientColour1_; }
  void SetGradientColour1(Argb colour);
  [[nodiscard]] Argb GradientColour2() const { return gradientColour2_; }
  void SetGradientColour2(Argb colour);
  [[nodiscard]] int GradientDirection() const { return gradientDirection_; }
  void SetGradientDirection(int direction);
  [[nodiscard]] std::uint32_t Border() const { return border_; }
  void SetBorder(std::uint32_t border);
  [[nodiscard]] bool AutoContrast() const { return autoContrast_; }
  void SetAutoContrast(bool on);
  // Centred after Create; single lines only.
  [[nodiscard]] VerticalAlignment VerticalAlign() const { return verticalAlign_; }
  void SetVerticalAlign(VerticalAlignment align);
  [[nodiscard]] bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wrap);

  // The string format and its parts.
  [[nodiscard]] TextAlignment Alignment() const;
  void SetAlignment(TextAlignment alignment);
  [[nodiscard]] int Trimming() const;
  void SetTrimming(int trimming);
  [[nodiscard]] int FormatFlags() const;
  void SetFormatFlags(int flags);

 protected:
  LRESULT ClassHandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();
  [[nodiscard]] Argb ContrastColour(const RectF& textRect) const;

  int gradientDirection_ = kNoGradient;
  Argb gradientColour1_ = 0;
  Argb gradientColour2_ = 0;
  bool wordWrap_ = false;
  VerticalAlignment verticalAlign_ = VerticalAlignment::kCentre;
  std::uint32_t border_ = kFrameNone;
  bool autoContrast_ = false;
};

}  // namespace tabulo::ui
