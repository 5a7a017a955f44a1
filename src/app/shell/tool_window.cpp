#include "app/shell/tool_window.h"

#include <array>
#include <functional>
#include <string_view>

#include "app/calendar/timetable_editor_window.h"
#include "app/forms/app_windows.h"
#include "app/forms/bound_form_window.h"
#include "app/forms/open_window.h"
#include "app/resource_ids.h"
#include "app/shell/about_window.h"
#include "app/shell/settings_window.h"
#include "app/shell/shell_commands.h"
#include "app/shell/shell_layout.h"
#include "app/shell/tool_window_texts.h"
#include "app/tools/batch_writer_window.h"
#include "app/tools/random_draw_window.h"
#include "app/tools/timer_window.h"
#include "base/win/resource_bytes.h"
#include "ui/control/engine_messages.h"
#include "ui/controls/image_button.h"
#include "ui/engine/font_names.h"

namespace tabulo::app {
namespace {

namespace texts = tool_window_texts;

constexpr FormId kForm = FormId::kToolWindow;
// The buttons' rows: each row's left and top, and the two sizes.
constexpr Rect kFirstRow = FormControlOf(kForm, "按钮1").rect;
constexpr Rect kSecondRow = FormControlOf(kForm, "按钮2").rect;
constexpr Rect kThirdRow = FormControlOf(kForm, "按钮3").rect;
constexpr Rect kHideStripPlace = FormControlOf(kForm, "按钮4").rect;

constexpr int kBoldUnderlined = 1 | 4;  // Gdiplus::FontStyleBold | FontStyleUnderline

struct ToolButton {
  std::string_view text;
  Rect row;  // left and top
  int column;
  Rect sizeFrom;
  int icon;
  std::function<void(AppContext&)> open;
};

const std::array<ToolButton, 6>& ToolButtons() {
  static const std::array<ToolButton, 6> buttons{{
      {texts::kTimetableButton, kFirstRow, 1, kFirstRow, IDR_TOOL_TIMETABLE_PNG,
       [](AppContext& c) { (void)OpenTimetableEditor(c); }},
      {texts::kDrawButton, kFirstRow, 2, kFirstRow, IDR_TOOL_DRAW_PNG, [](AppContext& c) { RunRandomDrawWindow(c); }},
      {texts::kWriterButton, kSecondRow, 1, kSecondRow, IDR_TOOL_WRITER_PNG,
       [](AppContext& c) { RunBatchWriterWindow(c); }},
      {texts::kTimerButton, kSecondRow, 2, kSecondRow, IDR_TOOL_TIMER_PNG, [](AppContext& c) { RunTimerWindow(c); }},
      {texts::kSettingsButton, kThirdRow, 1, kSecondRow, IDR_TOOL_SETTINGS_PNG,
       [](AppContext& c) { (void)OpenSettingsWindow(c); }},
      {texts::kAboutButton, kThirdRow, 2, kSecondRow, IDR_TOOL_ABOUT_PNG, [](AppContext& c) { RunAboutWindow(c); }},
  }};
  return buttons;
}

class ToolWindow final : public BoundFormWindow {
 public:
  static constexpr FormId kForm = app::kForm;

  explicit ToolWindow(AppContext& context) : BoundFormWindow(kForm, context) {}

  bool Build() {
    ui::BindOptions options = PictureWindowOptions(IDR_TOOL_WINDOW_PNG, ui::CaptionButton::kTitle);
    options.backgroundColour = 0xFFFFFF;
    options.glass = true;
    if (!CreateAndBind(options)) return false;
    ui_.SetAccessibleName(tool_window_texts::kWindowName);
    AttachToBar(context(), hwnd());  // while still hidden, so it appears in its place
    // Dragged with the bar onto a monitor of another DPI, the window takes
    // that monitor's scale and with it another width: its right edge must
    // meet the bar again.
    ui_.Bind(ui::kMsgScaleChanged, [&context = context()](const ui::EventArgs&) {
      AttachToolWindowToBar(context);
      return false;
    });
    return CreateButtons() && CreateHideStrip();
  }

  void Show() override { ShowWithEffect(ui::ShowEffect::kFade); }

 private:
  bool CreateButtons() {
    HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
      const ToolButton& plan = ToolButtons()[i];
      ui::ImageButton& button = buttons_[i];
      ui::ButtonOptions options;
      options.text = std::string(plan.text);
      options.font.face = ui::kMicrosoftYaHei;
      options.effect = ui::TextEffect::kGlow;
      const Rect rect = ToolButtonRect(plan.row, plan.sizeFrom, plan.column);
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
    options.text = texts::kHideStrip;
    if (!hideStrip_.Create(ui_, kHideStripPlace, options)) return false;
    hideStrip_.SetPicture(ResourceBytes(IDR_HIDE_STRIP_PNG));
    hideStrip_.SetLayoutMode(ui::ButtonLayoutMode::PictureAtTop);
    hideStrip_.OnClick([&context = context()] { ToggleToolWindow(context); });
    return true;
  }

  std::array<ui::ImageButton, 6> buttons_;
  ui::ImageButton hideStrip_;
};

}  // namespace

void RunToolWindow(AppContext& context) { (void)OpenWindow<ToolWindow>(context); }

}  // namespace tabulo::app
