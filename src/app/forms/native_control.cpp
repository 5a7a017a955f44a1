#include "app/forms/native_control.h"

#include "base/win/geometry_win.h"
#include "base/win/wide_text.h"

namespace tabulo::app {
namespace {

// A label this tall holds two lines of the forms' 9-point font, so its text
// wraps at word boundaries; a shorter one keeps one line and clips instead of
// wrapping into a line nobody can see.
constexpr int kTwoLineLabelHeight = 32;

// The closed height of a drop-down list is the height of its selection
// field plus the frame around it (96-DPI units).
constexpr int kDropDownFrame = 6;
constexpr int kDropDownRows = 8;

bool IsDropDownList(HWND control) {
  wchar_t name[16]{};
  GetClassNameW(control, name, 16);
  return _wcsicmp(name, L"COMBOBOX") == 0;
}

// A drop-down list's window height includes its opened list; its selection
// field is the closed height less the frame.
int WindowHeight(int closedHeight, bool dropDown) { return dropDown ? closedHeight * (1 + kDropDownRows) : closedHeight; }
void SetSelectionFieldHeight(HWND control, int closedHeight, DpiScale scale) {
  SendMessageW(control, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), closedHeight - scale.Length(kDropDownFrame));
}

struct ClassAndStyle {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

ClassAndStyle NativeClass(const FormControl& model) {
  switch (model.kind) {
    case ControlKind::kPushButton: return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::kCheckBox: return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ControlKind::kGroupBox: return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::kEditField: return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::kDropDownList: return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::kLabel:
      return {L"STATIC", static_cast<DWORD>(model.rect.height >= kTwoLineLabelHeight ? SS_LEFT : SS_LEFTNOWORDWRAP), 0};
    default: return {nullptr, 0, 0};
  }
}

}  // namespace

bool HasNativeControl(ControlKind kind) {
  switch (kind) {
    case ControlKind::kPushButton:
    case ControlKind::kCheckBox:
    case ControlKind::kGroupBox:
    case ControlKind::kEditField:
    case ControlKind::kDropDownList:
    case ControlKind::kLabel:
      return true;
    default:
      return false;
  }
}

HWND CreateNativeControl(const FormControl& model, const NativeControlPlacement& plan) {
  const ClassAndStyle cls = NativeClass(model);
  if (!cls.className) return nullptr;
  const bool dropDown = model.kind == ControlKind::kDropDownList;
  const Rect rect = plan.scale.ToPixels(plan.rect);
  const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | cls.style | plan.extraStyle | (plan.visible ? WS_VISIBLE : 0);
  HWND control = CreateWindowExW(cls.exStyle, cls.className, Wide(plan.text).c_str(), style, rect.x, rect.y,
                                 rect.width, WindowHeight(rect.height, dropDown), plan.parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(plan.id)), GetModuleHandleW(nullptr),
                                 nullptr);
  if (!control) return nullptr;
  if (plan.font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(plan.font), FALSE);
  if (dropDown) {
    SetSelectionFieldHeight(control, rect.height, plan.scale);
    for (std::string_view item : model.items) {
      SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
    }
  }
  return control;
}

int ChosenNumber(HWND list) { return static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0)) + 1; }

void ChooseNumber(HWND list, int number) { SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(number - 1), 0); }

void RescaleNativeControl(HWND control, DpiScale from, DpiScale to, HFONT font) {
  HWND parent = GetParent(control);
  RECT r = ToRECT(WindowRectOf(control));  // a drop-down list's: closed
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  const Rect rect = to.ToPixels(from.ToUnits(FromRECT(r)));
  const bool dropDown = IsDropDownList(control);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SetWindowPos(control, nullptr, rect.x, rect.y, rect.width, WindowHeight(rect.height, dropDown),
               SWP_NOZORDER | SWP_NOACTIVATE);
  if (dropDown) SetSelectionFieldHeight(control, rect.height, to);
  InvalidateRect(control, nullptr, TRUE);
}

}  // namespace tabulo::app
