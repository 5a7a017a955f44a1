// Edit: the caret. The text engine says where the caret goes and how tall
// it is; the Edit draws it straight onto the host window's canvas and
// presents only the caret's own rectangle, so blinking neither repaints the
// control nor recomposes the window. caretPhase counts up when the caret is
// drawn and down when it is removed: the blink timer draws it when the
// phase is odd, so it shows on one tick and goes on the next.
#include <algorithm>

#include "ui/control/control_host.h"
#include "ui/controls/edit.h"
#include "ui/controls/text_services.h"

namespace tabulo::ui {

Rect Edit::CaretRect() const {
  return {caretX_, caretY_, caretWidth_, std::min(caretHeight_, layout_.textRect.height)};
}

void Edit::PlaceCaret(int x, int y) {
  const Rect abs = AbsoluteRect();
  caretX_ = x + abs.x;
  caretY_ = y + abs.y;
  CHARRANGE selection{};
  Forward(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  if (selection.cpMin != selection.cpMax) caretX_ += 1;
  // The system caret stays hidden; it only tells an input method where to
  // open its window. Without one, a short-lived caret still moves that spot.
  if (!SetCaretPos(caretX_, caretY_)) {
    CreateCaret(HostWindowHandle(), nullptr, caretWidth_, 12);
    SetCaretPos(caretX_, caretY_);
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
    const Rect text = layout_.textRect.offset(AbsoluteRect().x, AbsoluteRect().y);
    graphics->SetClip(Gdiplus::Rect(text.x, text.y, text.width, text.height), Gdiplus::CombineModeReplace);
    Gdiplus::SolidBrush brush{Gdiplus::Color(caretDrawColour_)};
    graphics->FillRectangle(&brush, caret.x, caret.y, caret.width, caret.height);
    graphics->ResetClip();
    host->WindowCanvas().Flush();
    host->Present(caret);
    return;
  }
  --caretPhase_;
  const Rect area{caret.x, caret.y, caret.width, std::max(caret.height, 1)};
  host->Recompose(area);
}

}  // namespace tabulo::ui
