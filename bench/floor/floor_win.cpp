// The floor: the least a GDI+ program with one layered window pays on this
// system. It shows a window of the bar's size at the bar's place, with a
// clock that ticks like the bar's (a 500 ms timer, repainted when the shown
// second changes), drawn with GDI+ into a DIB and put on the screen with
// UpdateLayeredWindow, and nothing else: no theme, no pictures, no tray icon.
// The benchmarks start it beside Tabulo.exe in the same run, so that every
// figure of Tabulo can be read as a ratio to it (bench/bar_start_bench.sh,
// bench/window_memory_bench.sh). It ends when its window is closed.
#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>
#include <gdiplus.h>

#include <cwchar>
#include <memory>

namespace {

constexpr int kWidth = 146;
constexpr int kHeight = 702;
constexpr UINT_PTR kClockTimer = 1;
constexpr UINT kClockPeriodMs = 500;

// The window's picture: a top-down 32-bit premultiplied DIB that GDI+ draws
// into and UpdateLayeredWindow reads.
struct Surface {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
  void* bits = nullptr;

  Surface() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc = CreateCompatibleDC(nullptr);
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    previous = SelectObject(dc, bitmap);
  }
  ~Surface() {
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;
};

struct Clock {
  std::unique_ptr<Surface> surface;
  std::unique_ptr<Gdiplus::FontFamily> family;
  std::unique_ptr<Gdiplus::Font> font;
  wchar_t shown[64] = L"";
};

void Paint(HWND window, Clock& clock) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  wchar_t text[64];
  std::swprintf(text, 64, L"%d年%d月%d日%d时%d分%d秒", now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute,
                now.wSecond);
  if (std::wcscmp(text, clock.shown) == 0) return;
  std::wcscpy(clock.shown, text);

  Surface& surface = *clock.surface;
  Gdiplus::Bitmap canvas(kWidth, kHeight, kWidth * 4, PixelFormat32bppPARGB, static_cast<BYTE*>(surface.bits));
  Gdiplus::Graphics graphics(&canvas);
  graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintClearTypeGridFit);
  graphics.Clear(Gdiplus::Color(210, 24, 40, 72));
  Gdiplus::SolidBrush ink(Gdiplus::Color(255, 255, 255, 255));
  Gdiplus::StringFormat centred;
  centred.SetAlignment(Gdiplus::StringAlignmentCenter);
  const Gdiplus::RectF box(4, 560, kWidth - 8, 60);
  graphics.DrawString(text, -1, clock.font.get(), box, &centred, &ink);
  graphics.Flush(Gdiplus::FlushIntentionSync);

  POINT origin{0, 0};
  SIZE size{kWidth, kHeight};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  UpdateLayeredWindow(window, nullptr, nullptr, &size, surface.dc, &origin, 0, &blend, ULW_ALPHA);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* clock = reinterpret_cast<Clock*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE:
      SetWindowLongPtrW(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams));
      break;
    case WM_TIMER:
      if (wparam == kClockTimer && clock) Paint(window, *clock);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return 1;
  int code = 0;
  {
    Clock clock;
    clock.surface = std::make_unique<Surface>();
    clock.family = std::make_unique<Gdiplus::FontFamily>(L"微软雅黑");
    clock.font = std::make_unique<Gdiplus::Font>(clock.family.get(), 13.0f, Gdiplus::FontStyleRegular,
                                                 Gdiplus::UnitPoint);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = L"TabuloFloorWindow";
    RegisterClassExW(&windowClass);
    const int left = GetSystemMetrics(SM_CXSCREEN) - kWidth - 10;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    HWND window = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW, windowClass.lpszClassName,
                                  L"floor", WS_POPUP, left, top, kWidth, kHeight, nullptr, nullptr, instance, &clock);
    if (!window) return 1;
    Paint(window, clock);
    ShowWindow(window, SW_SHOW);
    SetTimer(window, kClockTimer, kClockPeriodMs, nullptr);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    code = static_cast<int>(message.wParam);
  }
  Gdiplus::GdiplusShutdown(token);
  return code;
}
