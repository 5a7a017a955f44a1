#include "ui/controls/label.h"

#include <array>

#include "base/color/text_colours.h"
#include "ui/controls/clip_scope.h"
#include "ui/controls/label_layout.h"

namespace tabulo::ui {
namespace {

// A premultiplied canvas pixel as a straight colour; nothing when it is
// transparent, which says nothing about how dark the background is.
std::optional<Argb> StraightColour(std::uint32_t premultiplied) {
  const std::uint32_t alpha = premultiplied >> 24;
  if (alpha == 0) return std::nullopt;
  const auto channel = [&](int shift) { return std::min<std::uint32_t>(255, ((premultiplied >> shift) & 0xFF) * 255 / alpha); };
  return (alpha << 24) | (channel(16) << 16) | (channel(8) << 8) | channel(0);
}

}  // namespace

bool Label::Create(ControlParent parent, const Rect& rect, const LabelOptions& options) {
  if (IsCreated()) return false;
  SetUpText({options.text, options.textColour, options.effect, options.effectColour, options.font,
             MakeStringFormat(LabelFormatFlags(options.wordWrap, true), options.alignment, options.trimming,
                              Gdiplus::HotkeyPrefixNone)});
  gradientDirection_ = options.gradientDirection;
  gradientColour1_ = options.gradientColour1;
  gradientColour2_ = options.gradientColour2;
  wordWrap_ = options.wordWrap;
  verticalAlign_ = VerticalAlignment::kCentre;
  border_ = options.border;
  autoContrast_ = options.autoContrast;

  ControlOptions base;
  base.classNumber = kLabelClassNumber;
  base.name = "Label";
  base.visible = options.visible;
  base.mayTakeFocus = false;
  base.mouseTrack = false;
  base.tabStop = false;
  base.drawTabStop = false;
  return UiControl::Create(parent, rect, base);
}

void Label::SetGradientColour1(Argb colour) { Change(gradientColour1_, colour); }
void Label::SetGradientColour2(Argb colour) { Change(gradientColour2_, colour); }
void Label::SetGradientDirection(int direction) { Change(gradientDirection_, direction); }
void Label::SetBorder(std::uint32_t border) { Change(border_, border); }
void Label::SetAutoContrast(bool on) { Change(autoContrast_, on); }
void Label::SetVerticalAlign(VerticalAlignment align) { Change(verticalAlign_, align); }

void Label::SetWordWrap(bool wrap) {
  if (wrap == wordWrap_) return;
  wordWrap_ = wrap;
  SetFormatFlags(LabelFormatFlags(wrap, false));
}

TextAlignment Label::Alignment() const {
  return StringFormat() ? FromStringAlignment(StringFormat()->GetAlignment()) : TextAlignment::kNear;
}

void Label::SetAlignment(TextAlignment alignment) {
  if (!MutableFormat() || Alignment() == alignment) return;
  MutableFormat()->SetAlignment(ToStringAlignment(alignment));
  Invalidate();
}

int Label::Trimming() const { return StringFormat() ? StringFormat()->GetTrimming() : 0; }

void Label::SetTrimming(int trimming) {
  if (!MutableFormat() || Trimming() == trimming) return;
  MutableFormat()->SetTrimming(static_cast<Gdiplus::StringTrimming>(trimming));
  Invalidate();
}

int Label::FormatFlags() const { return StringFormat() ? StringFormat()->GetFormatFlags() : 0; }

void Label::SetFormatFlags(int flags) {
  if (!MutableFormat() || FormatFlags() == flags) return;
  MutableFormat()->SetFormatFlags(flags);
  Invalidate();
}

LRESULT Label::ClassHandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  UiControl::ClassHandleMessage(message, wParam, lParam);
  switch (message) {
    case WM_PAINT:
    case kMsgRepaint:
      Paint();
      return 0;
    case WM_SETTEXT:
      return OnSetText(wParam, lParam);
    default:
      return 0;
  }
}

namespace {
constexpr float kUnboundedHeight = 1.0e6F;

// A single line is laid out one em wider on the side(s) it may run over,
// keeping where it starts (near), its centre or where it ends (far); the
// clip to the text rectangle still cuts what runs over. Some GDI+ versions
// (Wine's) leave out a character that does not fit the layout rectangle
// with its padding, so a "00" that just fits would show as "0".
RectF RoomToOverflow(RectF rect, TextAlignment alignment, float emSize) {
  if (alignment == TextAlignment::kCentre) {
    rect.x -= emSize / 2;
  } else if (alignment == TextAlignment::kFar) {
    rect.x -= emSize;
  }
  rect.width += emSize;
  return rect;
}
}  // namespace

void Label::Paint() {
  Gdiplus::Graphics* graphics = BeginPaint();
  if (!graphics) return;
  const RectF whole{0, 0, static_cast<float>(Width()), static_cast<float>(Height())};
  // The gradient goes first so that it cannot cover the border.
  if (gradientDirection_ != kNoGradient) {
    FillGradient(graphics, whole, gradientColour1_, gradientColour2_, gradientDirection_);
  }
  DrawFrame(graphics, whole, border_);
  if (!WideText().empty()) {
    const RectF textRect = LabelTextRect(whole);
    const ClipScope clip(*graphics, textRect);
    const Argb colour = autoContrast_ ? ContrastColour(textRect) : TextColour();
    LabelTextMeasure measure;
    measure.nonAscii = HasNonAsciiText(Text());
    if (wordWrap_) {
      measure.lineHeight = FontHeight(Font(), graphics);
    } else {
      // Measured without a height limit: a line taller than the label is
      // still one line (GDI+ would measure nothing), centred and clipped.
      const RectF unbounded{textRect.x, textRect.y, textRect.width, kUnboundedHeight};
      measure.measuredHeight = MeasureText(graphics, WideText(), Font(), unbounded, StringFormat()).height;
    }
    RectF drawRect = LabelDrawRect(textRect, wordWrap_, verticalAlign_, measure);
    if (!wordWrap_ && Font()) drawRect = RoomToOverflow(drawRect, Alignment(), Font()->GetSize());
    if (wordWrap_ && !Scale().IsIdentity()) drawRect = WithScaledWrapSlack(drawRect, Alignment());
    DrawTextIn(*graphics, drawRect, colour);
  }
  EndPaint();
}

Argb Label::ContrastColour(const RectF& textRect) const {
  const Canvas& canvas = GetCanvas();
  canvas.Flush();
  int dark = 0;
  for (const Point unit : AutoContrastSamplePoints(textRect)) {
    // The sample points are units; the canvas is read in its pixels.
    const Rect pixel = CanvasPixels({unit.x, unit.y, 1, 1});
    const Point p{pixel.x, pixel.y};
    if (p.x < 0 || p.y < 0 || p.x >= canvas.width() || p.y >= canvas.height()) continue;
    const std::optional<Argb> sample = StraightColour(canvas.Pixel(p.x, p.y));
    if (sample && IsDarkColour(*sample)) ++dark;
  }
  return AutoContrastColour(TextColour(), dark, ClassNumber());
}

}  // namespace tabulo::ui
