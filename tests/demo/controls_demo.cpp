// controls_demo: one window bound with the shipped theme showing each of
// the engine's simple controls, for looking at them and for the end-to-end
// test that screenshots them. Run it from the run directory (it reads
// "User Interface.ext" and "Default.ext" there).
//
// The window is opaque, so a screenshot shows exactly the composed pixels
// (a screen without a compositor shows translucent pixels unblended).
// It prints "control NAME X Y W H" (client coordinates) for each control,
// then "ready"; then "clicked NAME" for every click, with "ticked 0|1" for
// the check box, and "scrolled POSITION CODE" for every event of the
// scroll bar; a right click on empty window area hides every control
// ("hidden") or shows them again ("shown").
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/resource_ids.h"
#include "base/win/resource_bytes.h"
#include "ui/controls/check_button.h"
#include "ui/controls/image_box.h"
#include "ui/controls/image_button.h"
#include "ui/controls/label.h"
#include "ui/controls/radio_button.h"
#include "ui/controls/scroll_bar.h"
#include "ui/engine/engine_state.h"
#include "ui/engine/font_names.h"
#include "ui/engine/message_loop.h"
#include "ui/window/ui_window.h"

namespace {

using namespace tabulo::ui;
using tabulo::Rect;

constexpr wchar_t kTitle[] = L"Controls Demo";
constexpr int kWidth = 560;
constexpr int kHeight = 360;

std::vector<std::uint8_t> ReadFile(const char* name) {
  std::ifstream in(name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

void Announce(const char* name, const UiControl& control) {
  const Rect r = control.AbsoluteRect();
  Say(std::string("control ") + name + " " + std::to_string(r.x) + " " + std::to_string(r.y) + " " +
      std::to_string(r.width) + " " + std::to_string(r.height));
}

LabelOptions DemoLabel(const char* text, tabulo::Argb colour, TextEffect effect) {
  LabelOptions options;
  options.text = text;
  options.textColour = colour;
  options.effect = effect;
  options.font = {std::string(kMicrosoftYaHei), 30.0f, 0};
  return options;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  EngineStart();
  const std::vector<std::uint8_t> defaultPackage = ReadFile("Default.ext");
  EngineDefaults defaults;
  defaults.defaultPackage = defaultPackage;
  defaults.textRenderingHint = Gdiplus::TextRenderingHintClearTypeGridFit;
  EngineInitialise(std::move(defaults));

  HWND hwnd = CreateWindowExW(0, kDefaultWindowClass, kTitle, WS_POPUP, 200, 150, kWidth, kHeight, nullptr, nullptr,
                              instance, nullptr);
  if (!hwnd) return 1;
  const std::vector<std::uint8_t> theme = ReadFile("User Interface.ext");
  BindOptions options;
  options.theme = theme;
  options.background = tabulo::ResourceBytes(IDR_SKY_JPG);
  options.fillType = FillType::kStretch;
  options.backgroundColour = 0xFFFFFF;
  options.captionButtons = CaptionButton::kTitle | CaptionButton::kClose;
  UiWindow window;
  if (!window.Bind(hwnd, options)) return 2;

  Label glow, outline;
  ImageBox animation;
  Button button;
  ImageButton imageButton;
  CheckButton check;
  RadioButton radio1, radio2;
  ScrollBar scroll;
  ScrollBarOptions scrollOptions;
  scrollOptions.settings.pageSize = 20;
  const bool created =
      glow.Create(hwnd, {24, 44, 250, 52}, DemoLabel("发光 Glow", 0xFF000000, TextEffect::kGlow)) &&
      outline.Create(hwnd, {24, 100, 250, 52}, DemoLabel("描边 Outline", 0xFFFFFFFF, TextEffect::kOutline)) &&
      animation.Create(hwnd, {300, 44, 240, 160}, tabulo::ResourceBytes(IDR_STARTUP_GIF), ImageBoxOptions{.animate = true}) &&
      button.Create(hwnd, {24, 170, 110, 30}, ButtonOptions{.text = "确定(&O)"}) &&
      imageButton.Create(hwnd, {160, 160, 110, 90}, ButtonOptions{.text = "关闭提示", .textColour = 0xFFFFFFFF}) &&
      check.Create(hwnd, {24, 270, 160, 20}, ButtonOptions{.text = "不重复抽号"}) &&
      radio1.Create(hwnd, {24, 300, 110, 20}, ButtonOptions{.text = "倒计时"}) &&
      radio2.Create(hwnd, {150, 300, 110, 20}, ButtonOptions{.text = "计时"}) &&
      scroll.Create(hwnd, {300, 230, 240, 10}, scrollOptions);
  if (!created) return 3;
  imageButton.SetPicture(tabulo::ResourceBytes(IDR_REMINDER_CLOSE_PNG));
  imageButton.SetLayout(tabulo::ui::ButtonLayoutMode::PictureAtTop, 0);
  radio1.SetTicked(true);

  button.OnClick([] { Say("clicked button"); });
  imageButton.OnClick([] { Say("clicked imagebutton"); });
  check.OnClick([&] { Say(std::string("clicked check ticked ") + (check.Ticked() ? "1" : "0")); });
  radio1.OnClick([] { Say("clicked radio1"); });
  radio2.OnClick([] { Say("clicked radio2"); });
  scroll.BindScrolled([](ScrollBar&, int position, ScrollCode code) {
    Say("scrolled " + std::to_string(position) + " " + std::to_string(static_cast<int>(code)));
  });

  UiControl* const all[] = {&glow, &outline, &animation, &button, &imageButton, &check, &radio1, &radio2, &scroll};
  bool hidden = false;
  window.Bind(WM_RBUTTONUP, [&](const EventArgs&) {
    hidden = !hidden;
    for (UiControl* control : all) control->SetVisible(!hidden);
    Say(hidden ? "hidden" : "shown");
    return true;
  });

  window.Show();
  Announce("glow", glow);
  Announce("outline", outline);
  Announce("animation", animation);
  Announce("button", button);
  Announce("imagebutton", imageButton);
  Announce("check", check);
  Announce("radio1", radio1);
  Announce("radio2", radio2);
  Announce("scroll", scroll);
  Say("ready");
  RunMessageLoop(hwnd);
  return 0;
}
