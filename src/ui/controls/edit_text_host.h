#pragma once
// EditTextHost: the Edit as the text engine sees it (ITextHost). It lives
// with the engine in an EditTextEngine, which outlives the engine's every
// call, so reference counting is not used for lifetime: AddRef and Release
// only keep the count the interface promises.
//
// The Edit may go while the engine still runs (a handler destroyed or
// deleted it from inside a notification); it detaches the host first, and
// from then on the host answers with neutral values and passes nothing on.
//
// The engine asks for timers, capture, focus and the cursor, but the Edit
// keeps those itself: the blink timer, the host window's capture and focus
// routing and the control's cursor. Those requests are refused or ignored.
#include "ui/controls/text_services.h"

namespace tabulo::ui {

class Edit;

class EditTextHost final : public ITextHost {
 public:
  explicit EditTextHost(Edit& edit);
  EditTextHost(const EditTextHost&) = delete;
  EditTextHost& operator=(const EditTextHost&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // ITextHost, in the interface's order.
  HDC TxGetDC() override;
  INT TxReleaseDC(HDC dc) override;
  WINBOOL TxShowScrollBar(INT bar, WINBOOL show) override;
  WINBOOL TxEnableScrollBar(INT which, INT arrows) override;
  WINBOOL TxSetScrollRange(INT bar, LONG minimum, INT maximum, WINBOOL redraw) override;
  WINBOOL TxSetScrollPos(INT bar, INT position, WINBOOL redraw) override;
  void TxInvalidateRect(LPCRECT rect, WINBOOL mode) override;
  void TxViewChange(WINBOOL update) override;
  WINBOOL TxCreateCaret(HBITMAP bitmap, INT width, INT height) override;
  WINBOOL TxShowCaret(WINBOOL show) override;
  WINBOOL TxSetCaretPos(INT x, INT y) override;
  WINBOOL TxSetTimer(UINT id, UINT timeout) override;
  void TxKillTimer(UINT id) override;
  void TxScrollWindowEx(INT dx, INT dy, LPCRECT scroll, LPCRECT clip, HRGN update, LPRECT updateRect,
                        UINT flags) override;
  void TxSetCapture(WINBOOL capture) override;
  void TxSetFocus() override;
  void TxSetCursor(HCURSOR cursor, WINBOOL text) override;
  WINBOOL TxScreenToClient(LPPOINT point) override;
  WINBOOL TxClientToScreen(LPPOINT point) override;
  HRESULT TxActivate(LONG* oldState) override;
  HRESULT TxDeactivate(LONG newState) override;
  HRESULT TxGetClientRect(LPRECT rect) override;
  HRESULT TxGetViewInset(LPRECT rect) override;
  HRESULT TxGetCharFormat(const CHARFORMATW** format) override;
  HRESULT TxGetParaFormat(const PARAFORMAT** format) override;
  COLORREF TxGetSysColor(int index) override;
  HRESULT TxGetBackStyle(TXTBACKSTYLE* style) override;
  HRESULT TxGetMaxLength(DWORD* length) override;
  HRESULT TxGetScrollBars(DWORD* scrollBars) override;
  HRESULT TxGetPasswordChar(TCHAR* character) override;
  HRESULT TxGetAcceleratorPos(LONG* position) override;
  HRESULT TxGetExtent(LPSIZEL extent) override;
  HRESULT OnTxCharFormatChange(const CHARFORMATW* format) override;
  HRESULT OnTxParaFormatChange(const PARAFORMAT* format) override;
  HRESULT TxGetPropertyBits(DWORD mask, DWORD* bits) override;
  HRESULT TxNotify(DWORD code, void* data) override;
  HIMC TxImmGetContext() override;
  void TxImmReleaseContext(HIMC context) override;
  HRESULT TxGetSelectionBarWidth(LONG* width) override;

  // The Edit is going: nothing reaches it any more.
  void Detach() { edit_ = nullptr; }

  // The formats the engine reads back through TxGetCharFormat and
  // TxGetParaFormat; kept here so the pointers handed out stay valid until
  // the next change.
  void SetCharFormat(const EditCharFormat& format) { charFormat_ = ToCharFormat(format); }
  void SetParaFormat(const EditParaFormat& format) { paraFormat_ = ToParaFormat(format); }

 private:
  Edit* edit_;  // null once detached
  LONG references_ = 1;
  CHARFORMATW charFormat_;
  PARAFORMAT paraFormat_;
};

}  // namespace tabulo::ui
