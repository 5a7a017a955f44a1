// EditTextHost: each ITextHost method answers from the Edit's fields or
// passes the request on to the Edit; once detached, it answers with neutral
// values (an empty rectangle, no bars, no caret) and passes nothing on.
// The text engine calls these from inside its own message handling; the
// notifications run application handlers, which may take the Edit away.
#include "ui/controls/edit_text_host.h"

#include <type_traits>

#include "base/win/geometry_win.h"
#include "ui/controls/edit.h"
#include "ui/controls/scroll_bar.h"

namespace tabulo::ui {

#if defined(__i386__)
// On 32-bit Windows the text engine calls the host's ITextHost methods, and
// takes calls of its own ITextServices methods, as C++ member functions of
// Microsoft's compiler: thiscall (the object in ECX, the callee pops the
// arguments). Only the IUnknown methods are COM's stdcall. MinGW's
// textserv.h declares the Tx methods without a calling convention, which
// GCC and Clang make thiscall on this target, and the overrides follow the
// base. Were the header to declare them stdcall, every call between the
// engine and the Edit would take the object from the wrong place and crash;
// these lines keep the 32-bit build from compiling that.
static_assert(std::is_same_v<decltype(&EditTextHost::TxGetDC), HDC (__thiscall EditTextHost::*)()>);
static_assert(std::is_same_v<decltype(&EditTextHost::TxNotify), HRESULT (__thiscall EditTextHost::*)(DWORD, void*)>);
static_assert(std::is_same_v<decltype(&ITextServices::TxSendMessage),
                             HRESULT (__thiscall ITextServices::*)(UINT, WPARAM, LPARAM, LRESULT*)>);
static_assert(std::is_same_v<decltype(&EditTextHost::AddRef), ULONG (__stdcall EditTextHost::*)()>);
#endif

namespace {

// TxActivate, TxDeactivate and the format-change notices: "not done".
constexpr HRESULT kRefused = static_cast<HRESULT>(0x80000008);

}  // namespace

EditTextHost::EditTextHost(Edit& edit)
    : edit_(&edit), charFormat_(ToCharFormat(edit.SurfaceCharFormat())), paraFormat_(ToParaFormat(edit.paraFormat_)) {}

HRESULT EditTextHost::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, kIidTextHost)) {
    *object = static_cast<ITextHost*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG EditTextHost::AddRef() { return static_cast<ULONG>(++references_); }

ULONG EditTextHost::Release() { return static_cast<ULONG>(references_ > 0 ? --references_ : 0); }

HDC EditTextHost::TxGetDC() {
  // Detached, the screen's DC stands in for the Edit's surface; the release
  // below gives it back.
  return edit_ ? edit_->drawSurface_.dc() : GetDC(nullptr);
}

INT EditTextHost::TxReleaseDC(HDC dc) {
  // The surface stays the Edit's; releasing a memory DC this way is a no-op.
  return ReleaseDC(nullptr, dc);
}

WINBOOL EditTextHost::TxShowScrollBar(INT bar, WINBOOL show) {
  if (show || !edit_) return TRUE;
  if (ScrollBar* scrollBar = edit_->Bar(bar)) scrollBar->SetMaximum(0, true, false);
  return TRUE;
}

WINBOOL EditTextHost::TxEnableScrollBar(INT which, INT arrows) {
  if (arrows != ESB_DISABLE_BOTH || !edit_) return TRUE;
  const int bars = edit_->scrollBars_;
  const bool horizontal = bars == kEditHorizontalBar || bars == kEditBothBars;
  const bool vertical = bars == kEditVerticalBar || bars == kEditBothBars;
  if ((which == SB_HORZ || which == SB_BOTH) && horizontal && edit_->horizontalBar_) {
    edit_->horizontalBar_->SetMaximum(0, true, false);
  }
  if ((which == SB_VERT || which == SB_BOTH) && vertical && edit_->verticalBar_) {
    edit_->verticalBar_->SetMaximum(0, true, false);
  }
  return TRUE;
}

WINBOOL EditTextHost::TxSetScrollRange(INT bar, LONG minimum, INT maximum, WINBOOL redraw) {
  if (ScrollBar* scrollBar = edit_ ? edit_->Bar(bar) : nullptr) {
    scrollBar->SetMinimum(static_cast<int>(minimum), false, false);
    scrollBar->SetMaximum(maximum, redraw != FALSE, false);
  }
  return TRUE;
}

WINBOOL EditTextHost::TxSetScrollPos(INT bar, INT position, WINBOOL redraw) {
  if (!edit_ || edit_->scrollSync_) return TRUE;
  if (ScrollBar* scrollBar = edit_->Bar(bar)) {
    edit_->scrollSync_ = true;
    scrollBar->SetPosition(position, redraw != FALSE, false);
    edit_->scrollSync_ = false;
  }
  return TRUE;
}

void EditTextHost::TxInvalidateRect(LPCRECT rect, WINBOOL /*mode*/) {
  if (!edit_) return;
  if (!rect) {
    edit_->HandleMessage(WM_PAINT, 0, 0);
    return;
  }
  // The engine's pixels; the control invalidates units.
  const Rect area = edit_->LocalUnitsCovering(FromRECT(*rect));
  edit_->InvalidateRect(RectF{static_cast<float>(area.x), static_cast<float>(area.y), static_cast<float>(area.width),
                              static_cast<float>(area.height)});
}

void EditTextHost::TxViewChange(WINBOOL update) {
  if (update && edit_) edit_->HandleMessage(WM_PAINT, 1, 0);
}

WINBOOL EditTextHost::TxCreateCaret(HBITMAP /*bitmap*/, INT /*width*/, INT height) {
  // The Edit draws its own caret: only the height asked for is kept, in
  // the colour set for the caret now.
  if (!edit_) return FALSE;
  edit_->caretHeight_ = height;
  edit_->caretDrawColour_ = edit_->caretColour_;
  return TRUE;
}

WINBOOL EditTextHost::TxShowCaret(WINBOOL show) {
  if (edit_ && !edit_->caretSuppressed_) edit_->DrawCaret(show != FALSE, true);
  return TRUE;
}

WINBOOL EditTextHost::TxSetCaretPos(INT x, INT y) {
  if (edit_) edit_->PlaceCaret(x, y);
  return TRUE;
}

// The engine gets no timers: the Edit's blink timer and the host window's
// capture, focus and cursor handling cover what it would use them for.
WINBOOL EditTextHost::TxSetTimer(UINT /*id*/, UINT /*timeout*/) { return FALSE; }
void EditTextHost::TxKillTimer(UINT /*id*/) {}
void EditTextHost::TxScrollWindowEx(INT, INT, LPCRECT, LPCRECT, HRGN, LPRECT, UINT) {}
void EditTextHost::TxSetCapture(WINBOOL /*capture*/) {}
void EditTextHost::TxSetFocus() {}
void EditTextHost::TxSetCursor(HCURSOR /*cursor*/, WINBOOL /*text*/) {}
WINBOOL EditTextHost::TxScreenToClient(LPPOINT /*point*/) { return FALSE; }
WINBOOL EditTextHost::TxClientToScreen(LPPOINT /*point*/) { return FALSE; }

HRESULT EditTextHost::TxActivate(LONG* /*oldState*/) { return kRefused; }
HRESULT EditTextHost::TxDeactivate(LONG /*newState*/) { return kRefused; }

HRESULT EditTextHost::TxGetClientRect(LPRECT rect) {
  if (!rect) return E_INVALIDARG;
  *rect = edit_ ? ToRECT(edit_->textPixels_) : RECT{};
  return S_OK;
}

HRESULT EditTextHost::TxGetViewInset(LPRECT rect) {
  if (!rect) return E_INVALIDARG;
  const HimetricInset inset = edit_ ? edit_->layout_.viewInset : HimetricInset{};
  *rect = {inset.left, inset.top, inset.right, inset.bottom};
  return S_OK;
}

HRESULT EditTextHost::TxGetCharFormat(const CHARFORMATW** format) {
  if (!format) return E_INVALIDARG;
  *format = &charFormat_;
  return S_OK;
}

HRESULT EditTextHost::TxGetParaFormat(const PARAFORMAT** format) {
  if (!format) return E_INVALIDARG;
  *format = &paraFormat_;
  return S_OK;
}

COLORREF EditTextHost::TxGetSysColor(int index) {
  if (!edit_) return GetSysColor(index);
  switch (index) {
    case COLOR_WINDOW:
      return ToRgb(edit_->windowColour_);
    case COLOR_WINDOWTEXT:
      return ToRgb(edit_->textColour_);
    case COLOR_HIGHLIGHT:
      return ToRgb(edit_->selectionColour_);
    case COLOR_HIGHLIGHTTEXT:
      return ToRgb(edit_->selectionTextColour_);
    default:
      return GetSysColor(index);
  }
}

HRESULT EditTextHost::TxGetBackStyle(TXTBACKSTYLE* style) {
  if (!style) return E_INVALIDARG;
  *style = TXTBACK_TRANSPARENT;
  return S_OK;
}

HRESULT EditTextHost::TxGetMaxLength(DWORD* length) {
  if (!length) return E_INVALIDARG;
  // The limit the Edit gave the engine with EM_LIMITTEXT, as the engine
  // reads it.
  *length = EditLengthLimit(edit_ ? edit_->maxLength_ : 0);
  return S_OK;
}

HRESULT EditTextHost::TxGetScrollBars(DWORD* scrollBars) {
  if (!scrollBars) return E_INVALIDARG;
  *scrollBars = EditScrollBarStyle(edit_ ? edit_->scrollBars_ : kEditNoBars);
  return S_OK;
}

HRESULT EditTextHost::TxGetPasswordChar(TCHAR* character) {
  if (!character) return E_INVALIDARG;
  *character = static_cast<TCHAR>(edit_ ? edit_->passwordChar_ : 0);
  return S_OK;
}

HRESULT EditTextHost::TxGetAcceleratorPos(LONG* position) {
  if (!position) return E_INVALIDARG;
  *position = -1;
  return S_OK;
}

HRESULT EditTextHost::TxGetExtent(LPSIZEL extent) {
  if (!extent) return E_INVALIDARG;
  const Size size = edit_ ? edit_->layout_.extent : Size{};
  *extent = {size.width, size.height};
  return S_OK;
}

HRESULT EditTextHost::OnTxCharFormatChange(const CHARFORMATW* /*format*/) { return kRefused; }
HRESULT EditTextHost::OnTxParaFormatChange(const PARAFORMAT* /*format*/) { return kRefused; }

HRESULT EditTextHost::TxGetPropertyBits(DWORD mask, DWORD* bits) {
  if (!bits) return E_INVALIDARG;
  *bits = edit_ ? EditPropertyBits(edit_->Properties(), mask) : 0;
  return S_OK;
}

HRESULT EditTextHost::TxNotify(DWORD code, void* data) {
  if (edit_) edit_->Notify(code, data);
  return S_OK;
}

HIMC EditTextHost::TxImmGetContext() { return nullptr; }
void EditTextHost::TxImmReleaseContext(HIMC /*context*/) {}

HRESULT EditTextHost::TxGetSelectionBarWidth(LONG* width) {
  if (!width) return E_INVALIDARG;
  *width = 0;
  return S_OK;
}

}  // namespace tabulo::ui
