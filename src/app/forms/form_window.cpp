#include "app/forms/form_window.h"

#include <algorithm>
#include <cwchar>
#include <utility>
#include <vector>

#include "app/forms/app_windows.h"
#include "app/forms/dialog_keys.h"
#include "app/forms/native_control.h"
#include "app/resource_ids.h"
#include "base/win/dpi.h"
#include "base/win/geometry_win.h"
#include "base/win/wide_text.h"
#include "ui/engine/font_names.h"

namespace tabulo::app {
namespace {

constexpr wchar_t kFormClassName[] = L"TabuloForm";
constexpr int kFormFontPoints = 9;

bool RegisterFormClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, kFormClassName, &existing)) return true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kFormClassName;
  // Shared icons are owned by the system; nothing to release.
  wc.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_TABULO), IMAGE_ICON,
                                           GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), LR_SHARED));
  wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_TABULO), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  return RegisterClassExW(&wc) != 0;
}

DWORD WindowStyle(const Form& form) {
  // No WS_CLIPCHILDREN: a group box paints only its frame and caption, so
  // the window must paint the background inside it.
  DWORD style = form.border == FormBorder::kFixed ? WS_OVERLAPPED | WS_CAPTION : WS_POPUP;
  if (form.system_menu) style |= WS_SYSMENU;
  if (form.minimise_button) style |= WS_MINIMIZEBOX;
  return style;
}

// A framed native form kept out of the taskbar gets a hidden owner instead of
// the tool-window style: it keeps a normal caption with the program's icon.
// The engine draws the caption of its own windows, so for them the tool-window
// style costs nothing and stays.
bool KeptOutOfTaskbarByOwner(const Form& form) {
  return !form.in_taskbar && form.border == FormBorder::kFixed && form.binding == FormBinding::kNative;
}

// An invisible unowned window: the windows it owns get no taskbar button.
UniqueWindow MakeTaskbarOwner(HINSTANCE instance) {
  return UniqueWindow(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr));
}

DWORD WindowExStyle(const Form& form, bool owned) {
  DWORD ex = form.in_taskbar ? WS_EX_APPWINDOW : (owned ? 0 : WS_EX_TOOLWINDOW);
  if (form.topmost) ex |= WS_EX_TOPMOST;
  if (form.binding == FormBinding::kNative) ex |= WS_EX_CONTROLPARENT;
  return ex;
}

// WM_DPICHANGED, which the Windows 7 SDK headers lack.
constexpr UINT kDpiChangedMessage = 0x02E0;

UniqueFont MakeFormFont(DpiScale scale) {
  LOGFONTW font{};
  font.lfHeight = -scale.FontPixels(kFormFontPoints);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = CLEARTYPE_QUALITY;
  wcsncpy(font.lfFaceName, Wide(ui::kMicrosoftYaHei).c_str(), LF_FACESIZE - 1);
  return UniqueFont(CreateFontIndirectW(&font));
}

Rect ClientRectOfChild(HWND parent, HWND child) {
  RECT r = ToRECT(WindowRectOf(child));
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return FromRECT(r);
}

bool IsGroupBox(HWND control) {
  wchar_t name[16]{};
  GetClassNameW(control, name, 16);
  return _wcsicmp(name, L"BUTTON") == 0 && (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

}  // namespace

FormWindow::FormWindow(const Form& form, AppContext& context) : form_(form), context_(context) {}

FormWindow::~FormWindow() {
  if (!hwnd_) return;
  // Deleted while its window lives (not adopted): detach first, so that the
  // destruction messages do not reach a half-destroyed object.
  HWND hwnd = std::exchange(hwnd_, nullptr);
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  DialogKeys::Disable(hwnd);
  context_.windows.Forget(form_.id, reinterpret_cast<AppWindowList::Handle>(hwnd));
  DestroyWindow(hwnd);
}

bool FormWindow::Create() {
  if (hwnd_) return false;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterFormClass(instance, WindowProc)) return false;
  const bool native = form_.binding == FormBinding::kNative;
  const DWORD style = WindowStyle(form_);
  if (KeptOutOfTaskbarByOwner(form_)) taskbarOwner_ = MakeTaskbarOwner(instance);
  const DWORD exStyle = WindowExStyle(form_, taskbarOwner_.get() != nullptr);
  // Centred on the primary screen, so made at its DPI. The engine scales
  // the windows it draws itself.
  if (native) scale_ = DpiScale(MonitorDpi(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY)));
  const Size client = scale_.ToPixels(form_.client_size);
  RECT frame = ToRECT({0, 0, client.width, client.height});
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  const Rect outer = FromRECT(frame);
  const int x = (GetSystemMetrics(SM_CXSCREEN) - outer.width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - outer.height) / 2;
  if (native) font_ = MakeFormFont(scale_);
  // WM_NCCREATE sets hwnd_.
  if (!CreateWindowExW(exStyle, kFormClassName, Wide(form_.caption).c_str(), style, x, y, outer.width,
                       outer.height, taskbarOwner_.get(), nullptr, instance, this)) {
    hwnd_ = nullptr;
    return false;
  }
  if (native) {
    CreateControls();
    ArrangeTabOrder();
    dialogKeys_ = DialogKeys::Acquire();
    DialogKeys::Enable(hwnd_);
  }
  context_.windows.Store(form_.id, reinterpret_cast<AppWindowList::Handle>(hwnd_));
  return true;
}

void FormWindow::CreateControls() {
  for (std::size_t row = 0; row < form_.controls.size(); ++row) {
    const FormControl& control = form_.controls[row];
    NativeControlPlacement plan{.parent = hwnd_,
                           .rect = form_.ClientRect(control),
                           .scale = scale_,
                           .id = kFirstFormControlId + static_cast<int>(row),
                           .text = control.text,
                           .visible = control.visible,
                           .font = font_.get()};
    if (HasNativeControl(control.kind)) (void)CreateNativeControl(control, plan);
  }
}

void FormWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  const DpiScale from = scale_;
  scale_ = DpiScale(dpi);
  if (font_) {
    UniqueFont font = MakeFormFont(scale_);
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      RescaleNativeControl(child, from, scale_, font.get());
    }
    font_ = std::move(font);  // the old one only once no control uses it
  }
  const Rect r = FromRECT(suggested);
  SetWindowPos(hwnd_, nullptr, r.x, r.y, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::Show() {
  if (!hwnd_ || !form_.visible_when_created) return;
  ShowWindow(hwnd_, SW_SHOW);
  HWND focus = InitialFocus();
  SetFocus(focus ? focus : hwnd_);
}

void FormWindow::Destroy() {
  if (hwnd_) DestroyWindow(hwnd_);
}

HWND FormWindow::CloneControl(const FormControl& model, const Rect& rect, int id, std::string_view text,
                              DWORD extraStyle) {
  if (!hwnd_) return nullptr;
  return CreateNativeControl(model, {.parent = hwnd_,
                                     .rect = rect,
                                     .scale = scale_,
                                     .id = id,
                                     .text = text,
                                     .visible = true,
                                     .extraStyle = extraStyle,
                                     .font = font_.get()});
}

void FormWindow::ArrangeTabOrder() {
  struct Placed {
    HWND control;
    bool groupBox;
    int row;  // vertical centre
    int left;
  };
  std::vector<Placed> placed;
  for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const Rect r = ClientRectOfChild(hwnd_, child);
    placed.push_back({child, IsGroupBox(child), r.y + r.height / 2, r.x});
  }
  std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
    if (a.groupBox != b.groupBox) return b.groupBox;
    if (a.row != b.row) return a.row < b.row;
    return a.left < b.left;
  });
  // The system's Tab order is the order of the children from the top.
  HWND above = HWND_TOP;
  for (const Placed& p : placed) {
    SetWindowPos(p.control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    above = p.control;
  }
}

void FormWindow::SetBackground(COLORREF colour) {
  background_.reset(CreateSolidBrush(colour));
  backgroundColour_ = colour;
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

HWND FormWindow::InitialFocus() const { return hwnd_ ? GetNextDlgTabItem(hwnd_, nullptr, FALSE) : nullptr; }

HWND FormWindow::Adopt(std::unique_ptr<FormWindow> window) {
  if (!window || !window->hwnd_) return nullptr;
  FormWindow* raw = window.get();
  raw->self_ = std::move(window);
  return raw->hwnd_;
}

FormWindow* FormWindow::FromHandle(HWND window) {
  if (!window) return nullptr;
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) return nullptr;
  wchar_t name[32]{};
  if (!GetClassNameW(window, name, 32) || std::wcscmp(name, kFormClassName) != 0) return nullptr;
  return reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void FormWindow::BringForward(HWND window) {
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  // Raised first: activating a window that the system still counts as the
  // active one (another window was only put above it, as the engine-drawn
  // windows are) changes nothing, so it would stay behind.
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(window);
}

void FormWindow::RememberFocus() {
  HWND focus = GetFocus();
  if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
}

bool FormWindow::RestoreFocus() {
  if (!lastFocus_ || !IsChild(hwnd_, lastFocus_) || !IsWindowVisible(lastFocus_)) return false;
  SetFocus(lastFocus_);
  return true;
}

LRESULT CALLBACK FormWindow::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  FormWindow* window = nullptr;
  if (message == WM_NCCREATE) {
    window = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    window->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  } else {
    window = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (!window) return DefWindowProcW(hwnd, message, wparam, lparam);

  LRESULT result = 0;
  ++window->handlersRunning_;
  try {
    result = window->HandleMessage(message, wparam, lparam);
  } catch (...) {
    // Nothing may cross the window procedure; the message counts as handled.
  }
  --window->handlersRunning_;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    window->hwnd_ = nullptr;
  }
  // An adopted object goes with its window, once no handler of it runs.
  if (!window->hwnd_ && window->handlersRunning_ == 0 && window->self_) {
    std::unique_ptr<FormWindow> self = std::move(window->self_);
  }
  return result;
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (std::optional<LRESULT> handled = EngineHandling(message, wparam, lparam)) return *handled;
  return OwnHandling(message, wparam, lparam);
}

LRESULT FormWindow::OwnHandling(UINT message, WPARAM wparam, LPARAM lparam) {
  if (std::optional<LRESULT> handled = OnMessage(message, wparam, lparam)) return *handled;
  switch (message) {
    case WM_COMMAND:
      // IsDialogMessage turns Esc into IDCANCEL (and Enter into IDOK, which
      // no control uses).
      if (lparam == 0 && (LOWORD(wparam) == IDCANCEL || LOWORD(wparam) == IDOK)) {
        if (LOWORD(wparam) == IDCANCEL && form_.esc_closes) OnClose();
        return 0;
      }
      OnCommand(LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HWND>(lparam));
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_ACTIVATE:
      // As a dialog does: the control that had the focus gets it back when
      // the window is activated again (after a message box, say).
      if (LOWORD(wparam) == WA_INACTIVE) {
        RememberFocus();
      } else if (!HIWORD(wparam) && RestoreFocus()) {
        return 0;
      }
      break;
    case kDpiChangedMessage:
      if (form_.binding != FormBinding::kNative) break;
      OnDpiChanged(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
      return 0;
    case WM_SYSCOMMAND:
      if (!form_.movable && (wparam & 0xFFF0) == SC_MOVE) return 0;
      break;
    case WM_ERASEBKGND:
      if (background_) {
        RECT client{};
        GetClientRect(hwnd_, &client);
        FillRect(reinterpret_cast<HDC>(wparam), &client, background_.get());
        return 1;
      }
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (background_) {
        SetBkColor(reinterpret_cast<HDC>(wparam), backgroundColour_);
        return reinterpret_cast<LRESULT>(background_.get());
      }
      break;
    case WM_DESTROY:
      OnDestroying();
      DialogKeys::Disable(hwnd_);
      // From here on the window is no longer found: a window opened now is a
      // new one.
      context_.windows.Forget(form_.id, reinterpret_cast<AppWindowList::Handle>(hwnd_));
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

}  // namespace tabulo::app
