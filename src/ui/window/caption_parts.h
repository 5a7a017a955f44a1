#pragma once
// The two passive pieces of a window's caption band: the window's small
// icon and its title in white. Neither takes focus or tracks the mouse, so
// pressing on them drags the window like the empty caption.
#include <string>

#include "ui/control/ui_control.h"

namespace tabulo::ui {

// Repaints itself on every paint, repaint or skin change request.
class CaptionPart : public UiControl {
 protected:
  [[nodiscard]] bool CreatePart(ControlHost& host, const Rect& rect, int classNumber, std::string_view name);
  LRESULT ClassHandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  virtual void Paint() = 0;
};

// At a display scale the icon is drawn at its canvas's pixels, from the
// window's large image when the small one would be stretched up.
class CaptionIcon : public CaptionPart {
 public:
  [[nodiscard]] bool Create(ControlHost& host, const Rect& rect, HICON icon);
  void SetIcon(HICON icon);
  // The icon stands for its window: it reads as the window's title.
  [[nodiscard]] AccessibleInfo Accessible() const override;

 private:
  void Paint() override;
  [[nodiscard]] HICON IconFor(Size pixels) const;
  HICON icon_ = nullptr;  // not owned: the window's or the engine's icon
};

class CaptionTitle : public CaptionPart {
 public:
  [[nodiscard]] bool Create(ControlHost& host, const Rect& rect, std::string text);
  void SetTitle(std::string text);

 private:
  void Paint() override;
};

// Draws an icon onto a canvas with correct alpha: icons with an alpha
// channel keep it, older icons take their opacity from their mask.
void DrawIconOnCanvas(Canvas& canvas, HICON icon, const Rect& rect);

}  // namespace tabulo::ui
