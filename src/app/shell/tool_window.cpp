#include "app/shell/tool_window.h"

#include <array>
#include <functional>
#include <string_view>

#include "app/forms/app_windows.h"
#include "app/forms/bound_form_window.h"
#include "app/resource_ids.h"
#include "app/shell/about_window.h"
#include "app/shell/settings_window.h"
#include "app/shell/shell_commands.h"
#include "app/shell/shell_layout.h"
#include "app/timetable/timetable_editor_window.h"
#include "app/tools/batch_writer_window.h"
#include "app/tools/random_draw_window.h"
#include "app/tools/timer_window.h"
#include "base/win/resource_bytes.h"
#include "ui/controls/image_button.h"

namespace tabulo::app {
namespace {

constexpr char kFontFace[] = "微软雅黑";
constexpr int kBoldUnderlined = 1 | 4;  // Gdiplus::FontStyleBold | FontStyleUnderline
constexpr char kHideStripText[] = "单\r\n击\r\n此\r\n处\r\n以\r\n隐\r\n藏\r\n工\r\n具\r\n窗\r\n口";

struct ToolButton {
  std::string_view text;
  std::string_view placeholder;  // left and top
  int column;
  std::string_view sizeFrom;
  int icon;
  std::function<void(AppContext&)> open;
};

const std::array<ToolButton, 6>& ToolButtons() {
  static const std::array<ToolButton, 6> buttons{{
      {"设置课表", "按钮1", 1, "按钮1", IDR_TOOL_TIMETABLE_PNG, [](AppContext& c) { (void)OpenTimetableEditor(c); }},
      {"随机抽号", "按钮1", 2, "按钮1", IDR_TOOL_DRAW_PNG, [](AppContext& c) { RunRandomDrawWindow(c); }},
      {"文件写入器", "按钮2", 1, "按钮2", IDR_TOOL_WRITER_PNG, [](AppContext& c) { RunBatchWriterWindow(c); }},
      {"计时器", "按钮2", 2, "按钮2", IDR_TOOL_TIMER_PNG, [](AppContext& c) { RunTimerWindow(c); }},
      {"设置", "按钮3", 1, "按钮2", IDR_TOOL_SETTINGS_PNG, [](AppContext& c) { (void)OpenSettingsWindow(c); }},
      {"关于", "按钮3", 2, "按钮2", IDR_TOOL_ABOUT_PNG, [](AppContext& c) { RunAboutWindow(c); }},
  }};
  return buttons;
}

Rect Placeholder(std::string_view name) { return GetForm(FormId::kToolWindow).Find(name)->rect; }

class ToolWindow final : public BoundFormWindow {
 public:
  explicit ToolWindow(AppContext& context) : BoundFormWindow(FormId::kToolWindow, context) {}

  bool Build() {
    ui::BindOptions options = PictureWindowOptions(IDR_TOOL_WINDOW_PNG, ui::kCaptionTitle);
    options.backgroundColour = 0xFFFFFF;
    options.glass = true;
    if (!CreateAndBind(options)) return false;
    AttachToBar();
    return CreateButtons() && CreateHideStrip();
  }

  void ShowBound() { ShowWithEffect(ui::ShowEffect::kFade); }

 private:
  // Attached while still hidden, so it appears in its place.
  void AttachToBar() {
    RECT bar{};
    if (!GetWindowRect(ListedWindow(context(), AppWindow::kBar), &bar)) return;
    ui_.SetPlacement(bar.left - form().client_size.width, bar.top, std::nullopt, std::nullopt);
  }

  bool CreateButtons() {
    HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
      const ToolButton& plan = ToolButtons()[i];
      ui::ImageButton& button = buttons_[i];
      ui::ButtonOptions options;
      options.text = std::string(plan.text);
      options.font.face = kFontFace;
      options.effect = ui::kEffectGlow;
      const Rect rect = ToolButtonRect(Placeholder(plan.placeholder), Placeholder(plan.sizeFrom), plan.column);
      if (!button.Create(ui_, rect, options)) return false;
      button.SetPicture(ResourceBytes(plan.icon));
      button.OnClick([&context = context(), open = plan.open] {
        ToggleToolWindow(context);  // never stays in front of the window asked for
        open(context);
      });
      if (i + 1 < buttons_.size()) {
        button.SetLayout(ui::ButtonLayoutMode::PictureAboveCaption, 5);
      } else {
        button.SetFontStyle(kBoldUnderlined);
      }
    }
    for (ui::ImageButton& button : buttons_) button.SetCursor(hand);
    return true;
  }

  bool CreateHideStrip() {
    ui::ButtonOptions options;
    options.text = kHideStripText;
    if (!hideStrip_.Create(ui_, Placeholder("按钮4"), options)) return false;
    hideStrip_.SetPicture(ResourceBytes(IDR_HIDE_STRIP_PNG));
    hideStrip_.SetLayoutMode(ui::ButtonLayoutMode::PictureAtTop);
    hideStrip_.OnClick([&context = context()] { ToggleToolWindow(context); });
    return true;
  }

  std::array<ui::ImageButton, 6> buttons_;
  ui::ImageButton hideStrip_;
};

}  // namespace

void RunToolWindow(AppContext& context) { RunBoundWindow<ToolWindow>(FormId::kToolWindow, context); }

}  // namespace tabulo::app
