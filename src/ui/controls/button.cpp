#include "ui/controls/button.h"

#include "base/text/line_breaks.h"
#include "ui/control/control_host.h"
#include "ui/controls/clip_scope.h"
#include "ui/skin/resource_package.h"
#include "ui/skin/skin_draw.h"

namespace tabulo::ui {
namespace {

// An empty caption still takes a line's height in the layout.
constexpr std::wstring_view kLineSample = L"Ag";
constexpr float kMeasureExtent = 100000;

RectF WholeRect(const UiControl& control) {
  return {0, 0, static_cast<float>(control.Width()), static_cast<float>(control.Height())};
}

}  // namespace

bool Button::Create(ControlParent parent, const Rect& rect, const ButtonOptions& options) {
  return CreateButton(parent, rect, options, kButtonClassNumber, "Button");
}

bool Button::CreateButton(ControlParent parent, const Rect& rect, const ButtonOptions& options, int classNumber,
                          std::string_view className) {
  if (IsCreated()) return false;
  paintState_ = kButtonNormal;
  SetUpText({options.text, options.textColour, options.effect, options.effectColour, options.font,
             MakeStringFormat(Gdiplus::StringFormatFlagsNoWrap, TextAlignment::kNear,
                              Gdiplus::StringTrimmingNone, Gdiplus::HotkeyPrefixShow)});

  ControlOptions base;
  base.classNumber = classNumber;
  base.name = std::string(className);
  base.visible = options.visible;
  base.transitionIntervalMs = kButtonFadeIntervalMs;
  return UiControl::Create(parent, rect, base);
}

void Button::OnClick(std::function<void()> handler) {
  Bind(kMsgClicked, [handler = std::move(handler)](const EventArgs&) {
    if (handler) handler();
    return false;
  });
}

void Button::SetLayoutMode(ButtonLayoutMode mode) { Change(layoutMode_, mode); }
void Button::SetGap(float gap) { Change(gap_, gap); }
void Button::SetOffsetX(float offset) { Change(offsetX_, offset); }
void Button::SetOffsetY(float offset) { Change(offsetY_, offset); }

void Button::SetLayout(ButtonLayoutMode mode, float gap) {
  if (mode == layoutMode_ && gap == gap_) return;
  layoutMode_ = mode;
  gap_ = gap;
  Invalidate();
}

std::vector<std::uint8_t> Button::PictureBytes() const {
  return picture_ ? picture_->Bytes() : std::vector<std::uint8_t>();
}

void Button::SetPicture(std::span<const std::uint8_t> bytes) {
  picture_ = Picture::FromBytes(bytes);
  Invalidate();
}

LRESULT Button::ClassHandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (PreClassHook(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_PAINT:
    case kMsgRepaint:
      Paint(paintState_);
      return 0;
    case WM_KILLFOCUS:
    case kMsgMouseLeft:
      PaintWithFade(kButtonNormal);
      return 0;
    case kMsgMouseEntered:
      PaintWithFade(kButtonHot);
      return 0;
    case WM_LBUTTONDOWN:
      Paint(kButtonPressed);
      return 0;
    case WM_LBUTTONUP:
      Paint(kButtonHot);
      return 0;
    case kMsgTransitionFinished:
      // Repaints other than the state changes above show at once.
      SetTransitionFrameCount(0);
      return 0;
    case WM_SETTEXT:
      return OnSetText(wParam, lParam);
    default:
      return UiControl::ClassHandleMessage(message, wParam, lParam);
  }
}

bool Button::PreClassHook(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

bool Button::BackgroundHook(Gdiplus::Graphics&, const RectF&, int) { return false; }

void Button::AfterBackgroundHook(Gdiplus::Graphics&, int, RectF&, RectF&) {}

bool Button::CaptionHook(Gdiplus::Graphics&, const RectF&, Argb&) { return false; }

void Button::PaintWithFade(int state) {
  SetTransitionFrameCount(kButtonFadeFrames);
  Paint(state);
}

void Button::Paint(int state) {
  paintState_ = state;
  Gdiplus::Graphics* graphics = BeginPaint();
  if (!graphics) return;
  const RectF whole = WholeRect(*this);
  std::optional<ButtonMargin> margin;
  if (!BackgroundHook(*graphics, whole, state)) {
    const ResourcePackage* package = Host() ? Host()->Package() : nullptr;
    if (!DrawSkinElement(package, *graphics, "Button", whole, static_cast<std::uint32_t>(state))) {
      DrawPlainBackground(*graphics, whole, state);
    }
    if (const auto m = package ? package->IntRect("Button", "margin") : std::nullopt) {
      margin = ButtonMargin{static_cast<float>(m->x), static_cast<float>(m->y), static_cast<float>(m->width),
                            static_cast<float>(m->height)};
    }
  }
  const ButtonArea area = ButtonAreaFor(whole, margin);
  contentRect_ = area.contentRect;

  ButtonLayoutInput input;
  input.mode = layoutMode_;
  input.area = area.layout;
  input.picture = picture_ ? picture_->size() : SizeF{};
  input.caption = MeasureCaption(*graphics);
  input.offsetX = offsetX_;
  input.offsetY = offsetY_;
  input.gap = gap_;
  layout_ = LayOutButton(input).value_or(ButtonLayout{});
  if (state == kButtonPressed) layout_ = PressedLayout(layout_);
  AfterBackgroundHook(*graphics, state, layout_.caption, layout_.picture);

  if (picture_ && layout_.picture.width > 0 && layout_.picture.height > 0) {
    DrawPicture(*graphics, *picture_, layout_.picture, FillType::kStretch, std::nullopt);
  }
  if (!WideText().empty() && layout_.caption.width > 0 && layout_.caption.height > 0) {
    const ClipScope clip(*graphics, layout_.caption);
    Argb colour = TextColour();
    if (!CaptionHook(*graphics, layout_.caption, colour)) {
      // Laid out with room to spare on the right, and cut by the clip: GDI+
      // drops a character whose trailing padding does not fit the layout
      // rectangle (Wine's does), and the caption's measured width stops at
      // the last glyph.
      RectF text = layout_.caption;
      text.width += text.height;
      DrawTextIn(*graphics, text, colour);
    }
  }
  EndPaint();
}

// A light face with a grey edge, for windows whose theme has no button
// pictures.
void Button::DrawPlainBackground(Gdiplus::Graphics& graphics, const RectF& rect, int state) const {
  const Argb face = state == kButtonPressed ? 0xFFCCE4F7u : state == kButtonHot ? 0xFFE5F1FBu : 0xFFF0F0F0u;
  const Argb edge = state == kButtonNormal ? 0xFFADADADu : 0xFF0078D7u;
  const RectF inner{rect.x, rect.y, rect.width - 1, rect.height - 1};
  const auto path = RoundRectPath(inner, 3);
  FillPath(&graphics, path.get(), face);
  DrawPath(&graphics, path.get(), edge);
}

// Caption size by its character ranges, the way it is drawn: "&" prefixes
// take no room.
SizeF Button::MeasureCaption(Gdiplus::Graphics& graphics) const {
  const Gdiplus::Font* font = Font();
  if (!font || !StringFormat()) return {};
  const std::wstring text = OneLineFeedPerBreak(WideText().empty() ? kLineSample : std::wstring_view(WideText()));
  auto format = AdoptGdiplus(StringFormat()->Clone());
  if (!format) return {};
  const Gdiplus::CharacterRange range(0, static_cast<INT>(text.size()));
  format->SetMeasurableCharacterRanges(1, &range);
  Gdiplus::Region region;
  const Gdiplus::RectF layout(0, 0, kMeasureExtent, kMeasureExtent);
  if (graphics.MeasureCharacterRanges(text.data(), static_cast<INT>(text.size()), font, layout, format.get(), 1,
                                      &region) != Gdiplus::Ok) {
    return {};
  }
  Gdiplus::RectF bounds;
  region.GetBounds(&bounds, &graphics);
  // The width counts from the layout's left edge: the caption is drawn into
  // a rectangle of this width, and GDI+ puts its leading padding before the
  // first character, so the glyphs alone would not fit.
  return {WideText().empty() ? 0.0f : bounds.X + bounds.Width, bounds.Height};
}

}  // namespace tabulo::ui
