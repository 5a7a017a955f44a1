#include "app/tools/timer_window.h"

#include "app/forms/open_window.h"
#include "app/resource_ids.h"
#include "app/tools/timer_texts.h"
#include "app/tools/window_timer.h"
#include "base/win/resource_bytes.h"
#include "ui/engine/font_names.h"

namespace tabulo::app {
namespace {

constexpr FormId kForm = TimerWindow::kForm;
constexpr float kDigitSize = 65;
constexpr float kSeparatorSize = 40;
constexpr int kUnderline = 4;         // Gdiplus::FontStyleUnderline

// Window timer ids of the two clocks (时钟1 and 时钟2).
constexpr UINT_PTR kCountdownTimerId = 1;
constexpr UINT_PTR kStopwatchTimerId = 2;

// The form's places.
constexpr Rect kFieldPlaces[] = {FormControlOf(kForm, "编辑框1").rect, FormControlOf(kForm, "编辑框2").rect,
                                 FormControlOf(kForm, "编辑框3").rect};  // hours, minutes, seconds
constexpr Rect kSeparatorPlaces[] = {FormControlOf(kForm, "标签1").rect, FormControlOf(kForm, "标签2").rect};
constexpr Rect kPreviewPlace = FormControlOf(kForm, "标签3").rect;
constexpr Rect kDashLinePlace = FormControlOf(kForm, "标签4").rect;
// The plus buttons of hours, minutes and seconds, then their minus buttons.
constexpr Rect kPlusMinusPlaces[] = {FormControlOf(kForm, "图片框1").rect, FormControlOf(kForm, "图片框2").rect,
                                     FormControlOf(kForm, "图片框3").rect, FormControlOf(kForm, "图片框4").rect,
                                     FormControlOf(kForm, "图片框5").rect, FormControlOf(kForm, "图片框6").rect};
constexpr Rect kClearPlace = FormControlOf(kForm, "按钮1").rect;
constexpr Rect kStartPlace = FormControlOf(kForm, "按钮2").rect;
constexpr Rect kStopPlace = FormControlOf(kForm, "按钮3").rect;
constexpr Rect kChimeBoxPlace = FormControlOf(kForm, "选择框1").rect;
constexpr Rect kTopmostBoxPlace = FormControlOf(kForm, "选择框2").rect;
constexpr Rect kCountdownBoxPlace = FormControlOf(kForm, "选择框3").rect;
constexpr Rect kStopwatchBoxPlace = FormControlOf(kForm, "选择框4").rect;

// The three fields all take their top and size from the first one.
Rect FieldRect(TimeField field) {
  const Rect& first = kFieldPlaces[0];
  return {kFieldPlaces[static_cast<int>(field)].x, first.y, first.width, first.height};
}

constexpr TimeField kFields[] = {TimeField::kHours, TimeField::kMinutes, TimeField::kSeconds};

}  // namespace

TimerWindow::TimerWindow(AppContext& context) : BoundFormWindow(kForm, context) {}

bool TimerWindow::Build() {
  ui::BindOptions options;
  options.background = ResourceBytes(IDR_TOOL_BACKGROUND_PNG);
  options.captionButtons =
      ui::CaptionButton::kIcon | ui::CaptionButton::kTitle | ui::CaptionButton::kClose | ui::CaptionButton::kMin;
  options.alpha = 254;
  options.fillType = ui::FillType::kStretch;
  options.glass = true;
  options.cornerRadius = 2;
  if (!CreateAndBind(options)) return false;
  if (!CreateFields() || !CreateLabels() || !CreatePlusMinus() || !CreateButtons() || !CreateBoxes()) return false;
  logic_.Open();
  return true;
}

bool TimerWindow::CreateFields() {
  for (TimeField field : kFields) {
    ui::EditOptions options;
    options.text = timer_texts::kZero;
    options.fontFace = ui::kMicrosoftYaHei;
    options.fontSize = kDigitSize;
    options.multiLine = true;
    options.maxLength = 2;
    options.alignment = ui::TextAlignment::kCentre;
    options.editStyle = ui::kEditNumber;
    if (!fields_[Index(field)].Create(ui_, FieldRect(field), options)) return false;
    fields_[Index(field)].SetAccessibleName(timer_texts::kFieldNames[Index(field)]);
  }
  return true;
}

bool TimerWindow::CreateLabels() {
  for (std::size_t i = 0; i < separators_.size(); ++i) {
    ui::LabelOptions options;
    options.text = timer_texts::kSeparator;
    options.font.face = ui::kMicrosoftYaHei;
    options.font.size = kSeparatorSize;
    options.alignment = ui::TextAlignment::kCentre;
    if (!separators_[i].Create(ui_, kSeparatorPlaces[i], options)) return false;
  }
  for (TimeField field : kFields) {
    Rect rect = FieldRect(field);
    rect.x -= 3;
    rect.y += 3;
    ui::LabelOptions options;
    options.font.face = ui::kMicrosoftYaHei;
    options.font.size = kDigitSize;
    options.alignment = ui::TextAlignment::kCentre;
    options.visible = false;
    if (!displays_[Index(field)].Create(ui_, rect, options)) return false;
    displays_[Index(field)].SetVerticalAlign(ui::VerticalAlignment::kCentre);
  }
  ui::LabelOptions dash;
  dash.text = timer_texts::kDashLine;
  dash.font.face = ui::kMicrosoftYaHei;
  dash.alignment = ui::TextAlignment::kCentre;
  dash.visible = false;
  return dashLine_.Create(ui_, kDashLinePlace, dash);
}

bool TimerWindow::CreatePlusMinus() {
  for (std::size_t i = 0; i < plusMinus_.size(); ++i) {
    ui::ImageButton& button = plusMinus_[i];
    if (!button.Create(ui_, kPlusMinusPlaces[i])) return false;
    const bool plus = i < 3;
    button.SetPicture(ResourceBytes(plus ? IDR_TIMER_PLUS_PNG : IDR_TIMER_MINUS_PNG));
    button.SetLayoutMode(ui::ButtonLayoutMode::Centred);
    const TimeField field = kFields[i % 3];
    button.SetAccessibleName(plus ? timer_texts::kPlusNames[Index(field)] : timer_texts::kMinusNames[Index(field)]);
    button.OnClick([this, field, plus] { plus ? logic_.OnPlus(field) : logic_.OnMinus(field); });
  }
  return true;
}

bool TimerWindow::CreateButtons() {
  struct Plan {
    Rect place;
    const char* text;
    void (TimerTool::*action)();
  };
  const Plan plans[] = {
      {kClearPlace, timer_texts::kClear, &TimerTool::OnClear},
      {kStartPlace, timer_texts::kStart, &TimerTool::OnStartPauseContinue},
      {kStopPlace, timer_texts::kStop, &TimerTool::OnStop},
  };
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    ui::ButtonOptions options;
    options.text = plans[i].text;
    if (!buttons_[i].Create(ui_, plans[i].place, options)) return false;
    buttons_[i].OnClick([this, action = plans[i].action] { (logic_.*action)(); });
  }
  buttons_[2].SetDisabled(true);
  return true;
}

bool TimerWindow::CreateBoxes() {
  struct Plan {
    ui::CheckButton* box;
    Rect place;
    const char* text;
    bool ticked;
  };
  const Plan plans[] = {
      {&chimeBox_, kChimeBoxPlace, timer_texts::kChimeBox, true},
      {&topmostBox_, kTopmostBoxPlace, timer_texts::kTopmostBox, false},
      {&countdownBox_, kCountdownBoxPlace, timer_texts::kCountdownBox, true},
      {&stopwatchBox_, kStopwatchBoxPlace, timer_texts::kStopwatchBox, false},
  };
  for (const Plan& plan : plans) {
    ui::ButtonOptions options;
    options.text = plan.text;
    if (!plan.box->Create(ui_, plan.place, options)) return false;
    plan.box->SetTicked(plan.ticked);
  }
  topmostBox_.OnClick([this] { logic_.OnTopmostClicked(topmostBox_.Ticked()); });
  countdownBox_.OnClick([this] { logic_.OnModeBoxClicked(ModeBox::kCountdown, countdownBox_.Ticked()); });
  stopwatchBox_.OnClick([this] { logic_.OnModeBoxClicked(ModeBox::kStopwatch, stopwatchBox_.Ticked()); });

  ui::ButtonOptions link;
  link.text = timer_texts::kPreview;
  link.font.face = ui::kMicrosoftYaHei;
  link.font.style = kUnderline;
  if (!preview_.Create(ui_, kPreviewPlace, link)) return false;
  preview_.SetCursor(LoadCursorW(nullptr, IDC_HAND));
  preview_.OnClick([this] { logic_.OnPreview(); });
  return true;
}

std::string TimerWindow::FieldText(TimeField field) const { return fields_[Index(field)].GetText(); }

void TimerWindow::ShowFields(bool visible) {
  for (ui::Edit& field : fields_) field.SetVisible(visible);
}

void TimerWindow::ShowDisplays(bool visible) {
  for (ui::Label& display : displays_) display.SetVisible(visible);
}

void TimerWindow::ShowPlusMinus(bool visible) {
  for (ui::ImageButton& button : plusMinus_) button.SetVisible(visible);
}

void TimerWindow::SetModeBoxes(bool countdownTicked, bool stopwatchTicked) {
  countdownBox_.SetTicked(countdownTicked);
  stopwatchBox_.SetTicked(stopwatchTicked);
}

void TimerWindow::SetClockPeriod(TimerClock clock, int periodMs) {
  SetWindowTimerPeriod(hwnd(), clock == TimerClock::kCountdown ? kCountdownTimerId : kStopwatchTimerId, periodMs);
}

std::optional<LRESULT> TimerWindow::OnMessage(UINT message, WPARAM wParam, LPARAM) {
  if (message != WM_TIMER) return std::nullopt;
  if (wParam == kCountdownTimerId) logic_.OnClockTick(TimerClock::kCountdown);
  if (wParam == kStopwatchTimerId) logic_.OnClockTick(TimerClock::kStopwatch);
  return 0;
}

void RunTimerWindow(AppContext& context) { (void)OpenWindow<TimerWindow>(context); }

}  // namespace tabulo::app
