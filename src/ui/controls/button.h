#pragma once
// Button: the engine's push button. A background from the theme's "Button"
// element for the paint state, and an optional picture and a caption laid
// out together inside the element's "margin" by one of seven layout modes
// (button_layout.h). The click itself is the control base's event: a press
// and a release on the button.
//
// Hovering, leaving and losing the focus fade to the new picture over 8
// frames of 25 ms; pressing and other repaints show at once. A pressed
// button draws picture and caption 1 px lower and to the right. An "&" in
// the caption underlines the next character ("&&" is a plain "&").
//
// Classes built on Button (ImageButton, CheckButton, RadioButton) change
// its look through the hooks below instead of repainting themselves.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/controls/button_layout.h"
#include "ui/controls/picture.h"
#include "ui/controls/text_control.h"

namespace tabulo::ui {

struct ButtonOptions {
  std::string text;
  Argb textColour = 0xFF000000;
  FontChoice font;       // nothing given: the engine's default font
  TextEffect effect = TextEffect::kNone;
  Argb effectColour = 0;  // 0: automatic
  bool visible = true;
};

class Button : public TextControl {
 public:
  [[nodiscard]] bool Create(ControlParent parent, const Rect& rect, const ButtonOptions& options = {});

  // Binds the click event (replacing an earlier click handler).
  void OnClick(std::function<void()> handler);

  // The picture drawn with the caption, from picture file bytes (empty
  // bytes remove it).
  [[nodiscard]] std::vector<std::uint8_t> PictureBytes() const;
  void SetPicture(std::span<const std::uint8_t> bytes);

  // Layout of picture and caption, the gap between them and an offset added
  // to both.
  [[nodiscard]] ButtonLayoutMode LayoutMode() const { return layoutMode_; }
  void SetLayoutMode(ButtonLayoutMode mode);
  void SetLayout(ButtonLayoutMode mode, float gap);
  [[nodiscard]] float Gap() const { return gap_; }
  void SetGap(float gap);
  [[nodiscard]] float OffsetX() const { return offsetX_; }
  void SetOffsetX(float offset);
  [[nodiscard]] float OffsetY() const { return offsetY_; }
  void SetOffsetY(float offset);

  // The paint state last drawn: kButtonNormal, kButtonPressed or kButtonHot.
  [[nodiscard]] int PaintState() const { return paintState_; }
  // Where the last paint put picture and caption (local coordinates).
  [[nodiscard]] const ButtonLayout& LastLayout() const { return layout_; }
  // The area inside the skin margins, kept from the last paint.
  [[nodiscard]] std::optional<RectF> ContentRect() const override { return contentRect_; }

  void Paint(int state);

 protected:
  [[nodiscard]] bool CreateButton(ControlParent parent, const Rect& rect, const ButtonOptions& options,
                                  int classNumber, std::string_view className);
  LRESULT ClassHandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Runs first in the class handler; true ends handling with `result`.
  virtual bool PreClassHook(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // True when the class drew its own background: the theme's "Button"
  // element (and its margin) is then not used.
  virtual bool BackgroundHook(Gdiplus::Graphics& graphics, const RectF& rect, int state);
  // After the layout, before picture and caption are drawn; may move them.
  virtual void AfterBackgroundHook(Gdiplus::Graphics& graphics, int state, RectF& caption, RectF& picture);
  // Before the caption is drawn; may change its colour. True when the class
  // drew the caption itself.
  virtual bool CaptionHook(Gdiplus::Graphics& graphics, const RectF& caption, Argb& colour);

  [[nodiscard]] const Picture* ButtonPicture() const { return picture_.get(); }

 private:
  void DrawPlainBackground(Gdiplus::Graphics& graphics, const RectF& rect, int state) const;
  [[nodiscard]] SizeF MeasureCaption(Gdiplus::Graphics& graphics) const;
  void PaintWithFade(int state);

  int paintState_ = kButtonNormal;
  std::unique_ptr<Picture> picture_;
  ButtonLayoutMode layoutMode_ = ButtonLayoutMode::PictureLeftOfCaption;
  float offsetX_ = 0;
  float offsetY_ = 0;
  float gap_ = 0;
  RectF contentRect_;
  ButtonLayout layout_;
};

}  // namespace tabulo::ui
