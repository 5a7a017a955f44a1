#pragma once
// AccessibleNode: the IAccessible object of a bound window's client area or
// of one of its windowless controls, so screen readers and UI automation
// see the controls the window draws itself. Every control is an object of
// its own (none is a "simple element" by child id), which keeps nested
// controls a tree.
//
// A node holds no pointer it has not checked: it keeps the window handle
// and, for a control, the control's life token, and finds both again on
// every call. Once the window is gone (or no longer bound) calls answer
// RPC_E_DISCONNECTED; once the control is destroyed, CO_E_OBJNOTCONNECTED.
// Nodes are made on demand and not cached: two nodes of the same control
// are interchangeable.
//
// Calls arrive on the window's thread (the engine's thread joins a
// single-threaded apartment, so calls from other processes are delivered
// through its message loop).
#include <windows.h>
#include <oleacc.h>

#include <memory>

#include "base/win/com_object.h"
#include "base/win/com_ptr.h"

namespace tabulo::ui {

class UiControl;
class ControlHost;

class AccessibleNode final : public ComObject<IAccessible, IDispatch> {
 public:
  [[nodiscard]] static ComPtr<IAccessible> ForWindow(HWND window);
  [[nodiscard]] static ComPtr<IAccessible> ForControl(UiControl& control);

  // Through MakeComObject only.
  AccessibleNode(HWND window, std::weak_ptr<UiControl* const> control, bool isControl);

  // IDispatch: not offered; clients use the IAccessible methods directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  // The live window and control (null for the client area) this node
  // stands for.
  struct Target {
    ControlHost* window = nullptr;
    UiControl* control = nullptr;
  };
  // S_OK with the target; the disconnected errors when it is gone;
  // E_INVALIDARG for a child id other than CHILDID_SELF.
  [[nodiscard]] HRESULT Resolve(Target& target) const;
  [[nodiscard]] HRESULT Resolve(const VARIANT& child, Target& target) const;

  HWND window_;
  std::weak_ptr<UiControl* const> control_;
  bool isControl_;
};

}  // namespace tabulo::ui
