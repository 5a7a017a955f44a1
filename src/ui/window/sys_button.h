#pragma once
// SysButton: a caption button of a host window (close, maximise/restore,
// minimise, menu, skin, report, setting). It draws the theme element
// "SysButton." + its kind's name for its state, fading between state
// pictures on hover, and acts on a click: close posts WM_CLOSE, maximise
// toggles maximised/restored, minimise minimises or restores; the other
// kinds only raise the click for the application. Without a theme picture
// it draws a plain glyph instead.
#include <string>

#include "ui/control/ui_control.h"
#include "ui/window/caption_buttons.h"

namespace tabulo::ui {

// The element name of a caption button kind ("SysButton.Close" …); the
// maximise button while maximised and the minimise button while minimised
// use "SysButton.Restore". Empty for the icon and the title.
[[nodiscard]] std::string SysButtonElement(CaptionButton kind, bool zoomed, bool iconic);

class SysButton : public UiControl {
 public:
  // The size comes from the host's theme ("size" of the element) or the
  // plain default.
  [[nodiscard]] bool Create(ControlHost& host, CaptionButton kind);
  [[nodiscard]] CaptionButton Kind() const { return kind_; }
  [[nodiscard]] Size SkinSize() const;
  // A caption button shows only a glyph; screen readers hear what it does.
  [[nodiscard]] AccessibleInfo Accessible() const override;

 protected:
  LRESULT ClassHandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();
  void PaintPlain(Gdiplus::Graphics& graphics, const RectF& rect);
  void Act();
  [[nodiscard]] std::string Element() const;

  CaptionButton kind_ = CaptionButton::kClose;
};

}  // namespace tabulo::ui
