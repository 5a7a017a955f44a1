#pragma once
// Label: the engine's static text. One text drawn with GDI+ in the control
// rectangle, over an optional gradient and inside an optional border, with
// word wrapping, alignment, and two effects that keep text readable on the
// pictures behind the layered windows: a soft glow (kEffectGlow) and a thin
// outline (kEffectOutline). It never takes focus and has no skin; pressing
// on it drags the window like empty area.
#include <cstdint>
#include <optional>
#include <string>

#include "ui/controls/label_layout.h"  // the vertical alignments
#include "ui/controls/text_control.h"

namespace tabulo::ui {

inline constexpr int kLabelClassNumber = 2;
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
  int alignment = 0;                    // GDI+ StringAlignment: 0 near, 1 centre, 2 far
  int trimming = 0;                     // GDI+ StringTrimming
  int effect = kEffectNone;
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
  // kLabelAlignTop, kLabelAlignCentre (after Create) or kLabelAlignBottom;
  // single lines only.
  [[nodiscard]] int VerticalAlign() const { return verticalAlign_; }
  void SetVerticalAlign(int align);
  [[nodiscard]] bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wrap);

  // The string format and its parts.
  [[nodiscard]] int Alignment() const;
  void SetAlignment(int alignment);
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
  int verticalAlign_ = 1;
  std::uint32_t border_ = kFrameNone;
  bool autoContrast_ = false;
};

}  // namespace tabulo::ui
