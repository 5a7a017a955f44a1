#include "ui/accessibility/accessible_node.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/win/geometry_win.h"
#include "base/win/system_library.h"
#include "base/win/wide_text.h"
#include "base/win/window_text.h"
#include "ui/accessibility/spoken_language.h"
#include "ui/accessibility/window_accessible.h"
#include "ui/control/accessible_events.h"
#include "ui/control/accessible_info.h"
#include "ui/control/control_host.h"
#include "ui/control/engine_messages.h"
#include "ui/control/ui_control.h"

namespace tabulo::ui {
namespace {

bool IsSelf(const VARIANT& child) {
  return child.vt == VT_EMPTY || (child.vt == VT_I4 && child.lVal == CHILDID_SELF);
}

HRESULT Text(const std::string& utf8, BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (utf8.empty()) return S_FALSE;
  const std::wstring wide = Wide(utf8);
  *out = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

void SetEmpty(VARIANT* v) {
  VariantInit(v);
  v->vt = VT_EMPTY;
}

void SetSelf(VARIANT* v) {
  VariantInit(v);
  v->vt = VT_I4;
  v->lVal = CHILDID_SELF;
}

HRESULT SetNode(VARIANT* v, UiControl* control) {
  SetEmpty(v);
  if (!control) return S_FALSE;
  const ComPtr<IAccessible> node = AccessibleNode::ForControl(*control);
  if (!node) return S_FALSE;
  void* dispatch = nullptr;
  if (FAILED(node->QueryInterface(__uuidof(IDispatch), &dispatch))) return E_FAIL;
  v->vt = VT_DISPATCH;
  v->pdispVal = static_cast<IDispatch*>(dispatch);
  return S_OK;
}

const std::vector<UiControl*>& ChildrenOf(const ControlHost& window, const UiControl* control) {
  return control ? control->Children() : window.Children();
}

const std::vector<UiControl*>& SiblingsOf(const UiControl& control) {
  return ChildrenOf(*control.Host(), control.Parent());
}

// Siblings are asked together: an edit field may take its name from the
// label before it.
AccessibleInfo InfoOf(const UiControl& control) {
  const std::vector<UiControl*>& siblings = SiblingsOf(control);
  std::vector<AccessibleInfo> infos;
  infos.reserve(siblings.size());
  for (const UiControl* sibling : siblings) infos.push_back(sibling->Accessible());
  NameFieldsByTheirLabels(infos);
  const auto at = std::find(siblings.begin(), siblings.end(), &control);
  return at == siblings.end() ? control.Accessible() : infos[static_cast<std::size_t>(at - siblings.begin())];
}

bool ShownWithAncestors(const UiControl& control) {
  for (const UiControl* c = &control; c; c = c->Parent()) {
    if (!c->Visible()) return false;
  }
  return true;
}

// Input never reaches the children of a disabled control either.
bool EnabledWithAncestors(const UiControl& control) {
  for (const UiControl* c = &control; c; c = c->Parent()) {
    if (c->Disabled()) return false;
  }
  return true;
}

long RoleNumber(AccessibleRole role) {
  switch (role) {
    case AccessibleRole::kStaticText:
      return ROLE_SYSTEM_STATICTEXT;
    case AccessibleRole::kPushButton:
      return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleRole::kCheckButton:
      return ROLE_SYSTEM_CHECKBUTTON;
    case AccessibleRole::kRadioButton:
      return ROLE_SYSTEM_RADIOBUTTON;
    case AccessibleRole::kGraphic:
      return ROLE_SYSTEM_GRAPHIC;
    case AccessibleRole::kEditableText:
      return ROLE_SYSTEM_TEXT;
    case AccessibleRole::kScrollBar:
      return ROLE_SYSTEM_SCROLLBAR;
    case AccessibleRole::kMenuPopup:
      return ROLE_SYSTEM_MENUPOPUP;
    case AccessibleRole::kMenuItem:
      return ROLE_SYSTEM_MENUITEM;
    case AccessibleRole::kSeparator:
      return ROLE_SYSTEM_SEPARATOR;
    case AccessibleRole::kGrouping:
      break;
  }
  return ROLE_SYSTEM_GROUPING;
}

long ControlState(const ControlHost& window, UiControl& control) {
  long state = 0;
  const bool enabled = EnabledWithAncestors(control);
  if (!enabled) state |= STATE_SYSTEM_UNAVAILABLE;
  if (!ShownWithAncestors(control) || !IsWindowVisible(window.WindowHandle())) state |= STATE_SYSTEM_INVISIBLE;
  if (enabled && control.MayTakeFocus()) state |= STATE_SYSTEM_FOCUSABLE;
  if (control.HasFocus()) state |= STATE_SYSTEM_FOCUSED;
  // The window's hot control, not the control's flag: a press moves the hot
  // control without telling the one left.
  if (window.HotControl() == &control) state |= STATE_SYSTEM_HOTTRACKED;
  if (control.StateFlags() & kStatePressed) state |= STATE_SYSTEM_PRESSED;
  const AccessibleInfo info = InfoOf(control);
  // A label without words (a window's title band when it has no title) has
  // nothing to read: screen readers pass over it.
  if (info.role == AccessibleRole::kStaticText && info.name.empty()) state |= STATE_SYSTEM_INVISIBLE;
  if (info.checked) state |= STATE_SYSTEM_CHECKED;
  if (info.opensSubMenu) state |= STATE_SYSTEM_HASPOPUP;
  // A menu's highlighted item holds the keyboard's place in the menu, while
  // the window keeps the focus: the system's menus call it focused and hot.
  if (info.highlighted) state |= STATE_SYSTEM_FOCUSED | STATE_SYSTEM_HOTTRACKED;
  return state;
}

long WindowState(const ControlHost& window) {
  HWND hwnd = window.WindowHandle();
  long state = STATE_SYSTEM_FOCUSABLE;
  if (!IsWindowVisible(hwnd)) state |= STATE_SYSTEM_INVISIBLE;
  if (!IsWindowEnabled(hwnd)) state |= STATE_SYSTEM_UNAVAILABLE;
  if (GetFocus() == hwnd && !window.FocusedControl()) state |= STATE_SYSTEM_FOCUSED;
  return state;
}

// A control's rectangle in client pixels: screen readers and Windows speak
// pixels, the controls are placed in the window's units.
Rect ClientPixelsOf(const ControlHost& window, const UiControl& control) {
  return window.Scale().ToPixels(control.AbsoluteRect());
}

// The target's rectangle in client pixels.
Rect ClientRectOf(const ControlHost& window, const UiControl* control) {
  if (control) return ClientPixelsOf(window, *control);
  RECT r{};
  GetClientRect(window.WindowHandle(), &r);
  return FromRECT(r);
}

// The words of the system's own controls: a menu item is executed, or opened
// when it opens a sub-menu.
const wchar_t* DefaultActionName(const AccessibleInfo& info) {
  const bool chinese = SpeaksChinese();
  if (info.role == AccessibleRole::kMenuItem) {
    if (info.opensSubMenu) return chinese ? L"打开" : L"Open";
    return chinese ? L"执行" : L"Execute";
  }
  return chinese ? L"按下" : L"click";
}

long ClientRoleNumber(HWND window) {
  const std::optional<AccessibleRole> role = ClientRole(window);
  return role ? RoleNumber(*role) : ROLE_SYSTEM_CLIENT;
}

}  // namespace

ComPtr<IAccessible> AccessibleNode::ForWindow(HWND window) {
  return MakeComObject<AccessibleNode>(window, std::weak_ptr<UiControl* const>{}, false);
}

ComPtr<IAccessible> AccessibleNode::ForControl(UiControl& control) {
  std::weak_ptr<UiControl* const> token = control.LifeToken();
  if (token.expired()) return {};
  return MakeComObject<AccessibleNode>(control.HostWindowHandle(), std::move(token), true);
}

AccessibleNode::AccessibleNode(HWND window, std::weak_ptr<UiControl* const> control, bool isControl)
    : window_(window), control_(std::move(control)), isControl_(isControl) {}

HRESULT AccessibleNode::Resolve(Target& target) const {
  ControlHost* window = IsWindow(window_) ? ControlHost::OfWindow(window_) : nullptr;
  if (!window || !window->IsBound()) return RPC_E_DISCONNECTED;
  target.window = window;
  target.control = nullptr;
  if (!isControl_) return S_OK;
  const std::shared_ptr<UiControl* const> token = control_.lock();
  if (!token) return CO_E_OBJNOTCONNECTED;
  UiControl* control = *token;
  if (!control->Alive() || control->Host() != window) return CO_E_OBJNOTCONNECTED;
  target.control = control;
  return S_OK;
}

HRESULT AccessibleNode::Resolve(const VARIANT& child, Target& target) const {
  if (const HRESULT hr = Resolve(target); FAILED(hr)) return hr;
  return IsSelf(child) ? S_OK : E_INVALIDARG;
}

HRESULT AccessibleNode::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT AccessibleNode::get_accParent(IDispatch** parent) {
  if (!parent) return E_POINTER;
  *parent = nullptr;
  Target t;
  if (const HRESULT hr = Resolve(t); FAILED(hr)) return hr;
  if (!t.control) {
    // Above the client area is the window itself, which the system describes.
    const auto fromWindow =
        SystemFunction<decltype(AccessibleObjectFromWindow)>(SystemLibrary(L"oleacc.dll"), "AccessibleObjectFromWindow");
    if (!fromWindow) return E_FAIL;
    return fromWindow(window_, static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch), reinterpret_cast<void**>(parent));
  }
  const ComPtr<IAccessible> node = t.control->Parent() ? ForControl(*t.control->Parent()) : ForWindow(window_);
  if (!node) return S_FALSE;
  return node->QueryInterface(__uuidof(IDispatch), reinterpret_cast<void**>(parent));
}

HRESULT AccessibleNode::get_accChildCount(long* count) {
  if (!count) return E_POINTER;
  *count = 0;
  Target t;
  if (const HRESULT hr = Resolve(t); FAILED(hr)) return hr;
  *count = static_cast<long>(ChildrenOf(*t.window, t.control).size());
  return S_OK;
}

HRESULT AccessibleNode::get_accChild(VARIANT child, IDispatch** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  Target t;
  if (const HRESULT hr = Resolve(t); FAILED(hr)) return hr;
  if (child.vt != VT_I4) return E_INVALIDARG;
  UiControl* control = nullptr;
  if (child.lVal < 0 && !t.control) {
    control = ControlOfEventChildId(*t.window, child.lVal);  // a control named by a WinEvent
  } else if (const std::vector<UiControl*>& children = ChildrenOf(*t.window, t.control);
             child.lVal >= 1 && static_cast<std::size_t>(child.lVal) <= children.size()) {
    control = children[static_cast<std::size_t>(child.lVal) - 1];
  }
  if (!control) return E_INVALIDARG;
  const ComPtr<IAccessible> node = ForControl(*control);
  if (!node) return E_INVALIDARG;
  return node->QueryInterface(__uuidof(IDispatch), reinterpret_cast<void**>(object));
}

HRESULT AccessibleNode::get_accName(VARIANT child, BSTR* name) {
  if (name) *name = nullptr;
  Target t;
  if (const HRESULT hr = Resolve(child, t); FAILED(hr)) return hr;
  if (t.control) return Text(InfoOf(*t.control).name, name);
  const std::string title = WindowText(window_);
  return Text(title.empty() ? t.window->AccessibleName() : title, name);
}

HRESULT AccessibleNode::get_accValue(VARIANT child, BSTR* value) {
  if (value) *value = nullptr;
  Target t;
  if (const HRESULT hr = Resolve(child, t); FAILED(hr)) return hr;
  if (!t.control) return DISP_E_MEMBERNOTFOUND;
  const AccessibleInfo info = t.control->Accessible();
  if (!info.value) return DISP_E_MEMBERNOTFOUND;
  if (const HRESULT hr = Text(*info.value, value); hr != S_FALSE) return hr;
  *value = SysAllocString(L"");  // an empty field still has a value
  return *value ? S_OK : E_OUTOFMEMORY;
}

HRESULT AccessibleNode::get_accDescription(VARIANT child, BSTR* description) {
  if (description) *description = nullptr;
  Target t;
  if (const HRESULT hr = Resolve(child, t); FAILED(hr)) return hr;
  // A tooltip that is not already the name says more about the control.
  if (!t.control || t.control->TooltipText() == InfoOf(*t.control).name) return S_FALSE;
  return Text(t.control->TooltipText(), description);
}

HRESULT AccessibleNode::get_accRole(VARIANT child, VARIANT* role) {
  if (!role) return E_POINTER;
  SetEmpty(role);
  Target t;
  if (const HRESULT hr = Resolve(child, t); FAILED(hr)) return hr;
  role->vt = VT_I4;
  role->lVal = t.control ? RoleNumber(t.control->Accessible().role) : ClientRoleNumber(window_);
  return S_OK;
}

HRESULT AccessibleNode::get_accState(VARIANT child, VARIANT* state) {
  if (!state) return E_POINTER;
  SetEmpty(state);
  Target t;
  if (const HRESULT hr = Resolve(child, t); FAILED(hr)) return hr;
  state->vt = VT_I4;
  state->lVal = t.control ? ControlState(*t.window, *t.control) : WindowState(*t.window);
  return S_OK;
}

HRESULT AccessibleNode::get_accHelp(VARIANT child, BSTR* help) {
  if (help) *help = nullptr;
  Target t;
  if (const HRESULT hr = Resolve(child, t); FAILED(hr)) return hr;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleNode::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
  if (file) *file = nullptr;
  if (topic) *topic = 0;
  Target t;
  if (const HRESULT hr = Resolve(child, t); FAILED(hr)) return hr;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleNode::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
  if (shortcut) *shortcut = nullptr;
  Target t;
  if (const HRESULT hr = Resolve(child, t); FAILED(hr)) return hr;
  if (!t.control) return DISP_E_MEMBERNOTFOUND;
  const std::string key = InfoOf(*t.control).shortcut;
  return key.empty() ? DISP_E_MEMBERNOTFOUND : Text(key, shortcut);
}

HRESULT AccessibleNode::get_accFocus(VARIANT* focus) {
  if (!focus) return E_POINTER;
  SetEmpty(focus);
  Target t;
  if (const HRESULT hr = Resolve(t); FAILED(hr)) return hr;
  UiControl* focused = t.window->FocusedControl();
  if (!focused || !t.window->OwnsControl(focused)) {
    if (!t.control && GetFocus() == window_) SetSelf(focus);
    return focus->vt == VT_EMPTY ? S_FALSE : S_OK;
  }
  if (focused == t.control) {
    SetSelf(focus);
    return S_OK;
  }
  // A container answers for the focused control anywhere below it.
  for (const UiControl* c = focused->Parent(); t.control && c != t.control; c = c->Parent()) {
    if (!c) return S_FALSE;
  }
  return SetNode(focus, focused);
}

HRESULT AccessibleNode::get_accSelection(VARIANT* selection) {
  if (!selection) return E_POINTER;
  SetEmpty(selection);
  Target t;
  if (const HRESULT hr = Resolve(t); FAILED(hr)) return hr;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleNode::get_accDefaultAction(VARIANT child, BSTR* action) {
  if (!action) return E_POINTER;
  *action = nullptr;
  Target t;
  if (const HRESULT hr = Resolve(child, t); FAILED(hr)) return hr;
  if (!t.control) return DISP_E_MEMBERNOTFOUND;
  const AccessibleInfo info = t.control->Accessible();
  if (!info.clickable) return DISP_E_MEMBERNOTFOUND;
  *action = SysAllocString(DefaultActionName(info));
  return *action ? S_OK : E_OUTOFMEMORY;
}

HRESULT AccessibleNode::accSelect(long flags, VARIANT child) {
  Target t;
  if (const HRESULT hr = Resolve(child, t); FAILED(hr)) return hr;
  if (flags != SELFLAG_TAKEFOCUS) return DISP_E_MEMBERNOTFOUND;
  if (!t.control) return ::SetFocus(window_) ? S_OK : S_FALSE;
  if (!t.control->MayTakeFocus() || !EnabledWithAncestors(*t.control)) return S_FALSE;
  t.control->SetFocus();
  return S_OK;
}

HRESULT AccessibleNode::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
  if (!left || !top || !width || !height) return E_POINTER;
  *left = *top = *width = *height = 0;
  Target t;
  if (const HRESULT hr = Resolve(child, t); FAILED(hr)) return hr;
  const Rect r = ClientRectOf(*t.window, t.control);
  POINT origin = ToPOINT({r.x, r.y});
  ClientToScreen(window_, &origin);
  *left = origin.x;
  *top = origin.y;
  *width = r.width;
  *height = r.height;
  return S_OK;
}

HRESULT AccessibleNode::accNavigate(long direction, VARIANT start, VARIANT* end) {
  if (!end) return E_POINTER;
  SetEmpty(end);
  Target t;
  if (const HRESULT hr = Resolve(start, t); FAILED(hr)) return hr;
  switch (direction) {
    case NAVDIR_FIRSTCHILD:
    case NAVDIR_LASTCHILD: {
      const std::vector<UiControl*>& children = ChildrenOf(*t.window, t.control);
      if (children.empty()) return S_FALSE;
      return SetNode(end, direction == NAVDIR_FIRSTCHILD ? children.front() : children.back());
    }
    case NAVDIR_NEXT:
    case NAVDIR_PREVIOUS: {
      // The client area's siblings are the window's business.
      if (!t.control) return S_FALSE;
      const std::vector<UiControl*>& siblings = SiblingsOf(*t.control);
      const auto at = std::find(siblings.begin(), siblings.end(), t.control);
      if (at == siblings.end()) return S_FALSE;
      if (direction == NAVDIR_NEXT) return at + 1 == siblings.end() ? S_FALSE : SetNode(end, *(at + 1));
      return at == siblings.begin() ? S_FALSE : SetNode(end, *(at - 1));
    }
    default:
      return DISP_E_MEMBERNOTFOUND;  // no spatial navigation
  }
}

HRESULT AccessibleNode::accHitTest(long left, long top, VARIANT* child) {
  if (!child) return E_POINTER;
  SetEmpty(child);
  Target t;
  if (const HRESULT hr = Resolve(t); FAILED(hr)) return hr;
  POINT p{left, top};
  ScreenToClient(window_, &p);
  if (!ClientRectOf(*t.window, t.control).contains(FromPOINT(p))) return S_FALSE;
  // Topmost first: the last child is drawn on top. Disabled controls are
  // still found, so a screen reader can say what lies under the pointer.
  const std::vector<UiControl*>& children = ChildrenOf(*t.window, t.control);
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    if (!(*it)->Visible()) continue;
    if (ClientPixelsOf(*t.window, **it).contains({p.x, p.y})) return SetNode(child, *it);
  }
  SetSelf(child);
  return S_OK;
}

HRESULT AccessibleNode::accDoDefaultAction(VARIANT child) {
  Target t;
  if (const HRESULT hr = Resolve(child, t); FAILED(hr)) return hr;
  if (!t.control || !t.control->Accessible().clickable) return DISP_E_MEMBERNOTFOUND;
  // The mouse cannot click what is disabled or not shown, so neither can this.
  if (!EnabledWithAncestors(*t.control) || !ShownWithAncestors(*t.control)) return E_FAIL;
  // Posted, not run here: the click handler may open a modal window, and the
  // caller (often another process) must not wait for it to close.
  const Rect r = t.control->LocalRect();
  const LPARAM centre = MAKELPARAM(r.width / 2, r.height / 2);
  return t.control->PostToControl(kMsgClicked, 0, centre) ? S_OK : E_FAIL;
}

}  // namespace tabulo::ui
