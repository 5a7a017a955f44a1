// engine_demo: a window bound to the engine with the shipped theme, for
// looking at the engine and for the end-to-end test that screenshots it.
// Run it from the run directory (it reads "User Interface.ext" and
// "Default.ext" there). It shows a layered window with a background picture,
// the theme's shadow and caption buttons, and one tile that draws the
// theme's "Button" pictures for normal, hover and press.
//
// It prints "tile X Y" and "close X Y" (window coordinates of the tile's and
// the close button's centres), "ready", "state normal|hot|pressed" and
// "clicked" lines, and
// saves the composed window canvas (with its alpha) as
// engine_demo_<state>.png in the current directory whenever the tile's
// state changes, because a screen without a compositor cannot show
// translucent pixels.
#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ui/controls/picture.h"
#include "ui/window/sys_button.h"
#include "ui/control/ui_control.h"
#include "ui/engine/engine_state.h"
#include "ui/engine/message_loop.h"
#include "ui/skin/skin_draw.h"
#include "ui/window/ui_window.h"

namespace {

using namespace tabulo::ui;

constexpr wchar_t kTitle[] = L"Engine Demo";
constexpr int kWidth = 420;
constexpr int kHeight = 300;
constexpr tabulo::Rect kTile{150, 130, 120, 40};

std::vector<std::uint8_t> ReadFile(const char* name) {
  std::ifstream in(name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

CLSID PngEncoder() {
  return {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
}

// A sky-like diagonal gradient with a sun, as picture file bytes.
std::vector<std::uint8_t> BackgroundPicture() {
  Gdiplus::Bitmap picture(kWidth, kHeight, PixelFormat32bppARGB);
  Gdiplus::Graphics g(&picture);
  Gdiplus::LinearGradientBrush sky(Gdiplus::Point(0, 0), Gdiplus::Point(kWidth, kHeight),
                                   Gdiplus::Color(255, 40, 90, 170), Gdiplus::Color(255, 150, 210, 240));
  g.FillRectangle(&sky, 0, 0, kWidth, kHeight);
  Gdiplus::SolidBrush sun(Gdiplus::Color(255, 255, 214, 90));
  g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  g.FillEllipse(&sun, 300, 60, 60, 60);
  return tabulo::ui::EncodeImage(picture);  // drawn in memory: PNG
}

void SaveCanvas(const UiWindow& window, const std::string& state) {
  const tabulo::ui::Canvas& canvas = window.WindowCanvas();
  canvas.Flush();
  Gdiplus::Bitmap view(canvas.width(), canvas.height(), canvas.width() * 4, PixelFormat32bppPARGB,
                       reinterpret_cast<BYTE*>(canvas.pixels().data()));
  const std::wstring name = L"engine_demo_" + std::wstring(state.begin(), state.end()) + L".png";
  const CLSID png = PngEncoder();
  view.Save(name.c_str(), &png, nullptr);
}

// Draws the theme's "Button" pictures by its own state: pressed shows
// "down" even while the mouse is over it.
class DemoTile : public UiControl {
 public:
  explicit DemoTile(UiWindow& window) : window_(window) {}

  bool Create(HWND host) {
    ControlOptions options;
    options.classNumber = kButtonClassNumber;
    options.name = "DemoTile";
    return UiControl::Create(host, kTile, options);
  }

 protected:
  LRESULT ClassHandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_PAINT:
        Paint();
        return 0;
      case kMsgMouseEntered:
        return Show(kStateHot, "hot");
      case kMsgMouseLeft:
        return Show(0, "normal");
      case WM_LBUTTONDOWN:
        return Show(kStatePressed, "pressed");
      case WM_LBUTTONUP:
        return Show(StateFlags() & kStateHot ? kStateHot : 0, StateFlags() & kStateHot ? "hot" : "normal");
      default:
        return UiControl::ClassHandleMessage(message, wParam, lParam);
    }
  }

 private:
  LRESULT Show(std::uint32_t state, const char* name) {
    state_ = state;
    Invalidate();
    Say(std::string("state ") + name);
    SaveCanvas(window_, name);
    return 0;
  }

  void Paint() {
    Gdiplus::Graphics* g = BeginPaint();
    if (!g) return;
    const tabulo::RectF rect{0, 0, static_cast<float>(Width()), static_cast<float>(Height())};
    if (!DrawSkinElement(window_.Package(), *g, "Button", rect, state_)) {
      const Gdiplus::Color plain = state_ & kStatePressed ? Gdiplus::Color(255, 200, 40, 60)
                                   : state_ & kStateHot   ? Gdiplus::Color(255, 240, 160, 40)
                                                          : Gdiplus::Color(255, 40, 120, 200);
      Gdiplus::SolidBrush brush(plain);
      g->FillRectangle(&brush, 0, 0, Width(), Height());
    }
    EndPaint();
  }

  UiWindow& window_;
  std::uint32_t state_ = 0;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  EngineStart();
  const std::vector<std::uint8_t> defaultPackage = ReadFile("Default.ext");
  EngineDefaults defaults;
  defaults.defaultPackage = defaultPackage;
  defaults.textRenderingHint = Gdiplus::TextRenderingHintClearTypeGridFit;
  EngineInitialise(std::move(defaults));

  HWND hwnd = CreateWindowExW(0, kDefaultWindowClass, kTitle, WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 200, 150,
                              kWidth, kHeight, nullptr, nullptr, instance, nullptr);
  if (!hwnd) return 1;
  const std::vector<std::uint8_t> theme = ReadFile("User Interface.ext");
  const std::vector<std::uint8_t> background = BackgroundPicture();
  BindOptions options;
  options.theme = theme;
  options.background = background;
  options.fillType = FillType::kStretch;
  options.backgroundColour = 0xFFFFFF;
  options.alpha = 230;
  UiWindow window;
  if (!window.Bind(hwnd, options)) return 2;
  window.SetIcon(Engine().smallIcon.get(), false);

  DemoTile tile(window);
  if (!tile.Create(hwnd)) return 3;
  tile.Bind(kMsgClicked, [](const EventArgs&) {
    Say("clicked");
    return false;
  });

  window.Show();
  SaveCanvas(window, "shown");
  Say("tile " + std::to_string(kTile.x + kTile.width / 2) + " " + std::to_string(kTile.y + kTile.height / 2));
  for (const UiControl* control : window.CaptionControls()) {
    const auto* button = dynamic_cast<const SysButton*>(control);
    if (!button || button->Kind() != CaptionButton::kClose) continue;
    const tabulo::Rect r = button->Bounds();
    Say("close " + std::to_string(r.x + r.width / 2) + " " + std::to_string(r.y + r.height / 2));
  }
  Say("ready");
  RunMessageLoop(hwnd);
  return 0;
}
