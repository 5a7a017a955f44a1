#include "app/shell/bar_window.h"

#include <array>
#include <optional>
#include <string>
#include <utility>

#include "app/forms/app_windows.h"
#include "app/forms/bar_skin.h"
#include "app/forms/bound_form_window.h"
#include "app/forms/open_window.h"
#include "app/forms/message_presenter.h"
#include "app/shell/bar_presenter.h"
#include "app/shell/bar_texts.h"
#include "app/shell/bar_tray.h"
#include "app/shell/clock_label.h"
#include "app/shell/program_hot_keys.h"
#include "app/shell/resource_figures.h"
#include "app/shell/settings_store.h"
#include "app/shell/shell_commands.h"
#include "app/shell/shell_layout.h"
#include "app/shell/single_instance.h"
#include "app/shell/trace_log.h"
#include "app/storage_names.h"
#include "app/timetable/reminder.h"
#include "app/timetable/reminder_popup_host.h"
#include "base/win/geometry_win.h"
#include "base/win/local_time.h"
#include "base/win/resource_bytes.h"
#include "ui/controls/button.h"
#include "ui/controls/label.h"
#include "ui/engine/engine_state.h"
#include "ui/engine/font_names.h"
#include "ui/engine/fonts.h"

namespace tabulo::app {
namespace {

constexpr FormId kForm = FormId::kBar;
constexpr int kClockPeriodMs = FormControlOf(kForm, "北京时钟").period_ms;

constexpr UINT_PTR kClockTimer = 1;     // 北京时钟
constexpr UINT_PTR kReminderTimer = 2;  // 提示时钟
// Posted to the bar to show a calendar problem once its message loop runs:
// a box during the start-up would hold the bar back until it is answered.
constexpr UINT kMsgShowCalendarProblem = WM_APP + 2;

// The bar's background is its skin picture at its natural size.
constexpr ui::FillType kBackgroundFill = ui::FillType::kNatural;
// Font sizes of the bar's labels (the clock's is kClockFontSize).
constexpr float kPeriodFontSize = 32;
constexpr float kWeekdayFontSize = 13;
constexpr float kSeparatorFontSize = 24;

class BarWindow final : public BoundFormWindow, private BarView, private ReminderView {
 public:
  static constexpr FormId kForm = app::kForm;

  BarWindow(AppContext& context, ReminderPopupHost* popups)
      : BoundFormWindow(kForm, context),
        popups_(popups),
        presenter_(static_cast<BarView&>(*this), context.runDirectory) {}
  ~BarWindow() override { context().reloadBar = {}; }

  bool Build() {
    if (!Create()) return false;
    Trace("bar created");
    (void)CheckSingleInstance(context());
    Trace("single-instance check");
    ReadSettings();
    skin_ = ChooseBarSkin(settings_.skin);
    // Nothing of the bar is on the screen before Show, which composes it
    // whole: until then its caption, controls and texts only paint
    // themselves, each composing and pushing the hidden window's picture to
    // the screen for nothing.
    const ui::WindowCompositor::Hold hold = ui_.HoldComposition();
    if (!BindEngine(BarBindOptions())) return false;
    Trace("bar bound");
    ui_.SetAccessibleName(bar_texts::kTrayTip);  // the bar has no title to be read by
    PlaceBar();
    if (!CreateControls()) return false;
    Trace("bar controls");
    toolButton_.OnClick([&context = context()] { ToggleToolWindow(context); });
    presenter_.Open(LocalNow());
    Trace("timetable loaded");
    if (HWND startup = ListedWindow(context(), FormId::kStartupWindow)) DestroyWindow(startup);
    return true;
  }

  void Show() override {
    ShowWithEffect(ui::ShowEffect::kAtOnce);
    Trace("bar shown");
    StartTimers();
    ui_.Bind(ui::kMsgMove, [&context = context()](const ui::EventArgs&) {
      AttachToolWindowToBar(context);
      return false;
    });
    context().reloadBar = [this] { presenter_.ReloadTimetable(); };
    tray_.AddIcon(ui_);
    Trace("tray icon");
    InstallRightClickToggle();
    (void)hotKeys_.Add(ui_, 0, VK_F9, [&context = context()] { OpenRandomDraw(context); });
    if (TraceEnabled()) Trace("bar ready " + DescribeResources());
  }

 protected:
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wparam, LPARAM) override {
    if (message == kMsgToggleToolWindow) {
      ToggleToolWindow(context());
      return 0;
    }
    if (message == kMsgShowCalendarProblem) {
      const MessageBoxRequest request{.text = std::exchange(calendarProblem_, {}), .flags = kMbIconExclamation};
      (void)context().messages->Show(hwnd(), request);
      return 0;
    }
    if (message != WM_TIMER) return std::nullopt;
    if (wparam == kClockTimer) {
      presenter_.OnClockTick(LocalNow());
      return 0;
    }
    if (wparam == kReminderTimer) {
      presenter_.OnReminderTick(LocalNow());
      return 0;
    }
    return std::nullopt;
  }

 private:
  // At the right edge of its monitor, centred from top to bottom, at the
  // size BindEngine gave it (the form's, scaled).
  void PlaceBar() {
    const DpiScale scale = ui_.Scale();
    const Rect monitor = MonitorRectOf(hwnd());
    const Size size = form().client_size;
    ui_.SetPlacement(monitor.x + BarLeftEdge(monitor.width, size.width, scale),
                     monitor.y + CentredTop(monitor.height, scale.Length(size.height)), std::nullopt, std::nullopt);
  }

  void ReadSettings() {
    const SettingsStore store(context().runDirectory);
    settings_.skin = store.Read(kSkinKey, kSkinDefault);
    settings_.clock_offset = store.Read(kClockOffsetKey, kClockOffsetDefault);
    settings_.reminders_off = store.Read(kRemindersOffKey, kRemindersOffDefault);
  }

  ui::BindOptions BarBindOptions() const {
    ui::BindOptions options;
    options.background = ResourceBytes(skin_.pictureResource);
    options.backgroundColour = 0xFFFFFF;
    options.captionButtons = ui::CaptionButton::kTitle;
    options.alpha = 210;
    options.fillType = kBackgroundFill;
    options.glass = true;
    return options;
  }

  ui::LabelOptions LabelLook(std::string text, float size, bool wrap) const {
    ui::LabelOptions options;
    options.text = std::move(text);
    options.textColour = skin_.textColour;
    options.font.face = ui::kMicrosoftYaHei;
    options.font.size = size;
    options.alignment = ui::TextAlignment::kCentre;
    options.wordWrap = wrap;
    return options;
  }

  bool CreateControls() {
    const BarLayout layout = MakeBarLayout();
    ui::ButtonOptions tool;
    tool.text = bar_texts::kToolButton;
    tool.effect = ui::TextEffect::kGlow;
    if (!toolButton_.Create(ui_, layout.toolButton, tool)) return false;
    for (int row = 0; row < kPeriods; ++row) {
      if (!periods_[row].Create(ui_, layout.periodRow[row], LabelLook("", kPeriodFontSize, false))) return false;
    }
    if (!weekday_.Create(ui_, layout.weekday, LabelLook("", kWeekdayFontSize, true)) ||
        !separator_.Create(ui_, layout.separator, LabelLook(bar_texts::kSeparator, kSeparatorFontSize, false)) ||
        !clock_.Create(ui_, layout.clock, LabelLook("", kClockFontSize, true))) {
      return false;
    }
    tray_.FillMenu(context());
    return true;
  }

  void StartTimers() {
    presenter_.StartReminder(static_cast<ReminderView&>(*this), settings_.clock_offset, settings_.reminders_off,
                             skin_.textColour);
    SetTimer(hwnd(), kClockTimer, kClockPeriodMs, nullptr);
    if (const int period = ReminderTimerPeriod(settings_.reminders_off); period != 0) {
      SetTimer(hwnd(), kReminderTimer, static_cast<UINT>(period), nullptr);
    }
  }

  // A right-button release anywhere on the bar does what "工 具" does.
  void InstallRightClickToggle() {
    ui_.Bind(ui::kMsgRButtonUp, [&context = context()](const ui::EventArgs&) {
      ToggleToolWindow(context);
      return true;
    });
  }

  // BarView: the labels.
  void ShowClock(std::string_view text) override { clock_.SetText(ClockLabelText(clock_, text)); }
  void ShowWeekday(std::string_view text) override { weekday_.SetText(text); }
  void ShowSubject(int period, std::string_view subject) override { periods_[period - 1].SetText(subject); }
  void NewDayStarted(std::string_view today) override {
    if (TraceEnabled()) Trace("new day " + std::string(today) + " " + DescribeResources());
  }
  void ReportCalendarProblem(std::string_view diagnosis) override {
    if (calendarProblem_.empty()) PostMessageW(hwnd(), kMsgShowCalendarProblem, 0, 0);
    calendarProblem_ = diagnosis;
  }

  // ReminderView: the period rows are the bar's labels.
  std::string PeriodText(int period) const override { return periods_[period - 1].Text(); }
  void SetPeriodColour(int period, Argb colour) override { periods_[period - 1].SetTextColour(colour); }
  bool PopupExists() const override { return popups_ && popups_->Exists(); }
  void OpenPopup(std::string_view subject) override {
    Trace("reminder open " + std::string(subject));
    if (Reminder* reminder = presenter_.reminder(); popups_ && reminder) popups_->Open(subject, skin_, *reminder);
  }
  void DestroyPopup() override {
    Trace("reminder destroyed");
    if (popups_) popups_->Destroy();
  }
  void ClosePopup() override {
    Trace("reminder closed");
    if (popups_) popups_->Close();
  }

  ReminderPopupHost* popups_;
  Settings settings_;
  BarSkin skin_;
  BarPresenter presenter_;
  std::string calendarProblem_;  // reported, not shown yet
  ui::Button toolButton_;
  std::array<ui::Label, kPeriods> periods_;
  ui::Label weekday_;
  ui::Label separator_;
  ui::Label clock_;
  BarTray tray_;
  ProgramHotKeys hotKeys_;
};

// Lays out and draws, off screen, the characters the bar's labels show in
// their face at their sizes: the first text in a face makes Wine load the
// font file and render its glyphs, some tens of milliseconds the labels
// would otherwise spend while the bar is built. Wine keeps the fonts it made
// for a while after they are released.
void WarmLabelFonts() {
  constexpr wchar_t kBarCharacters[] = L"暂无星期一二三四五六日年月时分秒0123456789-";
  Gdiplus::Bitmap scratch(64, 64, PixelFormat32bppPARGB);
  Gdiplus::Graphics graphics(&scratch);
  for (const float size : {kPeriodFontSize, kSeparatorFontSize, kWeekdayFontSize, kClockFontSize}) {
    const auto font = ui::CreateFontFromName(ui::kMicrosoftYaHei, size, Gdiplus::FontStyleRegular);
    if (!font) continue;
    Gdiplus::RectF box;
    graphics.MeasureString(kBarCharacters, -1, font.get(), Gdiplus::PointF(0, 0), &box);
    graphics.DrawString(kBarCharacters, -1, font.get(), Gdiplus::PointF(0, 0), nullptr);
  }
}

}  // namespace

std::shared_ptr<void> PrepareBar(const AppContext& context) {
  // The skin as the bar will read it; the bar still reads its settings
  // itself, in its own order.
  const BarSkin skin = ChooseBarSkin(SettingsStore(context.runDirectory).Read(kSkinKey, kSkinDefault));
  std::shared_ptr<Gdiplus::Bitmap> picture =
      ui::Engine().decodes.BackgroundPicture(ResourceBytes(skin.pictureResource), kBackgroundFill, {});
  WarmLabelFonts();
  return picture;
}

void RunBar(AppContext& context, ReminderPopupHost* popups) { (void)OpenWindow<BarWindow>(context, popups); }

}  // namespace tabulo::app
