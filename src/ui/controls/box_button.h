#pragma once
// The part CheckButton and RadioButton share: a Button that draws no
// "Button" background but a small box from its own theme element
// ("CheckButton" or "RadioButton": the "size" rectangle and the state
// pictures, "_ck" appended while ticked) at its left edge, with the caption
// after the box (check_box_layout.h). The focus rectangle surrounds the
// caption.
#include <optional>
#include <string_view>

#include "ui/controls/button.h"

namespace tabulo::ui {

class BoxButton : public Button {
 public:
  [[nodiscard]] bool Ticked() const { return ticked_; }
  // Screen readers hear the value with the caption.
  [[nodiscard]] AccessibleInfo Accessible() const override {
    AccessibleInfo info = Button::Accessible();
    info.checked = ticked_;
    return info;
  }
  // Repaints when the value changes; raises no click.
  void SetTicked(bool ticked);

  [[nodiscard]] std::optional<RectF> ContentRect() const override { return focusRect_; }

 protected:
  explicit BoxButton(bool radio) : radio_(radio) {}

  [[nodiscard]] bool CreateBox(ControlParent parent, const Rect& rect, const ButtonOptions& options);
  bool PreClassHook(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool BackgroundHook(Gdiplus::Graphics& graphics, const RectF& rect, int state) override;
  void AfterBackgroundHook(Gdiplus::Graphics& graphics, int state, RectF& caption, RectF& picture) override;

 private:
  [[nodiscard]] std::string_view Element() const { return radio_ ? "RadioButton" : "CheckButton"; }
  [[nodiscard]] SizeF BoxSize() const;
  void DrawPlainBox(Gdiplus::Graphics& graphics, const RectF& box, int state) const;

  bool radio_;
  bool ticked_ = false;
  RectF focusRect_;
};

}  // namespace tabulo::ui
