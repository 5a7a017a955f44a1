// Edit: the caret. The text engine says where the caret goes and how tall
// it is; the Edit draws it straight onto the host window's canvas and
// presents only the caret's own rectangle, so blinking neither repaints the
// control nor recomposes the window. caretPhase counts up when the caret is
// drawn and down when it is removed: the blink timer draws it when the
// phase is odd, so it shows on one tick and goes on the next.
//
// The engine places the caret in the canvas's pixels; the caret is drawn
// in the window canvas's pixels, past its scale, so it stays one crisp bar,
// and the area it covers is presented and recomposed in units.
#include <algorithm>

#include "base/win/device_space.h"
#include "ui/control/control_host.h"
#include "ui/controls/edit.h"
#include "ui/controls/text_services.h"

namespace tabulo::ui {

Rect Edit::CaretRect() const {
  const Point origin = CanvasOrigin();
  return {origin.x + caretX_, origin.y + caretY_, Scale().Length(caretWidth_),
          std::min(caretHeight_, textPixels_.height)};
}

void Edit::PlaceCaret(int x, int y) {
  caretX_ = x;
  caretY_ = y;
  CHARRANGE selection{};
  Forward(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  if (selection.cpMin != selection.cpMax) caretX_ += 1;
  // The system caret stays hidden; it only tells an input method where to
  // open its window. Without one, a short-lived caret still moves that spot.
  const Rect caret = CaretRect();
  if (!SetCaretPos(caret.x, caret.y)) {
    CreateCaret(HostWindowHandle(), nullptr, caret.width, Scale().Length(12));
    SetCaretPos(caret.x, caret.y);
    DestroyCaret();
  }
}

void Edit::DrawCaret(bool show, bool restart) {
  ControlHost* host = Host();
  if (!host || !Visible() || !HasFocus() || Width() < 1 || Height() < 1) return;
  const Rect caret = CaretRect();
  if (show && caret.height <= 0) return;
  if (show && !caretSuppressed_) {
    if (restart) caretPhase_ = 1;
    ++caretPhase_;
    // Before the window has been shown its surface is not on the screen yet;
    // a later tick draws the caret.
    Gdiplus::Graphics* graphics = host->WindowCanvas().graphics();
    if (!host->Shown() || !graphics) return;
    const Point origin = CanvasOrigin();
    const Rect text = textPixels_.offset(origin.x, origin.y);
    {
      const DeviceSpace pixels(*graphics);
      graphics->SetClip(Gdiplus::Rect(text.x, text.y, text.width, text.height), Gdiplus::CombineModeReplace);
      Gdiplus::SolidBrush brush{Gdiplus::Color(caretDrawColour_)};
      graphics->FillRectangle(&brush, caret.x, caret.y, caret.width, caret.height);
      graphics->ResetClip();
    }
    host->WindowCanvas().Flush();
    host->Present(Scale().CoveringUnits(caret));
    return;
  }
  --caretPhase_;
  const Rect area{caret.x, caret.y, caret.width, std::max(caret.height, 1)};
  host->Recompose(Scale().CoveringUnits(area));
}

}  // namespace tabulo::ui
