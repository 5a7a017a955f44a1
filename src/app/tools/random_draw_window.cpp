#include "app/tools/random_draw_window.h"

#include "app/forms/open_window.h"
#include "app/resource_ids.h"
#include "app/storage_names.h"
#include "app/tools/random_draw_texts.h"
#include "app/tools/window_timer.h"
#include "base/win/resource_bytes.h"
#include "base/win/wide_text.h"
#include "ui/control/engine_messages.h"
#include "ui/engine/message_loop.h"

namespace tabulo::app {
namespace {

constexpr FormId kForm = RandomDrawWindow::kForm;
namespace texts = random_draw_texts;

// The form's places.
constexpr Rect kBigNumberPlace = FormControlOf(kForm, "标签1").rect;
constexpr Rect kRangeTildePlace = FormControlOf(kForm, "标签2").rect;
constexpr Rect kRangeCaptionPlace = FormControlOf(kForm, "标签3").rect;
constexpr Rect kNoRepeatBoxPlace = FormControlOf(kForm, "标签4").rect;
constexpr Rect kStartStopPlace = FormControlOf(kForm, "按钮1").rect;
constexpr Rect kResetPlace = FormControlOf(kForm, "按钮2").rect;
constexpr Rect kRangeStartPlace = FormControlOf(kForm, "编辑框1").rect;
constexpr Rect kRangeEndPlace = FormControlOf(kForm, "编辑框2").rect;
constexpr Rect kResultsPlace = FormControlOf(kForm, "编辑框3").rect;

// Window timer ids of the two animations.
constexpr UINT_PTR kWithRepetitionTimerId = 1;
constexpr UINT_PTR kWithoutRepetitionTimerId = 2;

constexpr float kBigNumberSize = 180;
constexpr long long kDispatchMomentUs = 10'000;

bool Contains(const Rect& rect, int x, int y) {
  return x >= rect.x && y >= rect.y && x < rect.x + rect.width && y < rect.y + rect.height;
}

}  // namespace

std::filesystem::path DrawSettingsFile(const std::filesystem::path& runDirectory) {
  // The run directory and "/set", as the program has always named the file;
  // joined in UTF-16 so a run directory whose name the ANSI code page cannot
  // spell still works.
  return runDirectory.wstring() + L"/" + Wide(kDrawFileName);
}

RandomDrawWindow::RandomDrawWindow(AppContext& context)
    : BoundFormWindow(kForm, context),
      settings_(DrawSettingsFile(context.runDirectory)),
      logic_(*this, settings_, *context.random, *this) {}

bool RandomDrawWindow::Build() {
  ui::BindOptions options;
  options.background = ResourceBytes(IDR_TOOL_BACKGROUND_PNG);
  options.captionButtons =
      ui::CaptionButton::kIcon | ui::CaptionButton::kTitle | ui::CaptionButton::kClose | ui::CaptionButton::kMin;
  options.alpha = 254;
  options.fillType = ui::FillType::kStretch;
  options.glass = true;
  options.cornerRadius = 5;
  if (!CreateAndBind(options)) return false;
  if (!CreateLabels() || !CreateButtons() || !CreateEdits()) return false;
  numberMenu_.AddCallback(kExclusionMenuItem, [this] { logic_.OnExclusionPrompt(); });
  ui_.Bind(ui::kMsgRButtonUp, [this](const ui::EventArgs& args) {
    if (!Contains(bigNumber_.AbsoluteRect(), args.x, args.y)) return false;
    numberMenu_.Popup(ui_);
    return true;
  });
  logic_.Open();
  return true;
}

bool RandomDrawWindow::CreateLabels() {
  ui::LabelOptions big;
  big.text = texts::kIdleNumber;
  big.font.face = "Arial";
  big.font.size = kBigNumberSize;
  big.alignment = ui::TextAlignment::kCentre;
  big.effect = ui::TextEffect::kOutline;
  big.textColour = kBigNumberColour;
  if (!bigNumber_.Create(ui_, kBigNumberPlace, big)) return false;

  ui::LabelOptions caption;
  caption.text = texts::kRangeLabel;
  if (!rangeCaption_.Create(ui_, kRangeCaptionPlace, caption)) return false;
  ui::LabelOptions tilde;
  tilde.text = texts::kRangeSeparator;
  tilde.alignment = ui::TextAlignment::kCentre;
  return rangeTilde_.Create(ui_, kRangeTildePlace, tilde);
}

bool RandomDrawWindow::CreateButtons() {
  ui::ButtonOptions start;
  start.text = texts::kStart;
  if (!startStop_.Create(ui_, kStartStopPlace, start)) return false;
  startStop_.SetTooltipText(texts::kStartTip);
  ui::ButtonOptions reset;
  reset.text = texts::kReset;
  if (!reset_.Create(ui_, kResetPlace, reset)) return false;
  ui::ButtonOptions box;
  box.text = texts::kNoRepeatBox;
  if (!noRepeat_.Create(ui_, kNoRepeatBoxPlace, box)) return false;
  noRepeat_.SetTicked(true);
  noRepeat_.OnClick([this] { logic_.OnModeChanged(noRepeat_.Ticked()); });
  startStop_.OnClick([this] { logic_.OnStartStop(); });
  reset_.OnClick([this] { logic_.OnReset(); });
  return true;
}

bool RandomDrawWindow::CreateEdits() {
  ui::EditOptions range;
  range.maxLength = 2;
  range.editStyle = ui::kEditNumber;
  range.alignment = ui::TextAlignment::kCentre;
  if (!rangeStart_.Create(ui_, kRangeStartPlace, range)) return false;
  if (!rangeEnd_.Create(ui_, kRangeEndPlace, range)) return false;
  rangeStart_.SetAccessibleName(texts::kRangeStartName);
  rangeEnd_.SetAccessibleName(texts::kRangeEndName);
  ui::EditOptions list;
  list.multiLine = true;
  list.scrollBars = ui::kEditVerticalBar;
  list.editStyle = ui::kEditReadOnly;
  if (!results_.Create(ui_, kResultsPlace, list)) return false;
  results_.SetAccessibleName(texts::kResultsName);
  return true;
}

void RandomDrawWindow::SetRangeTexts(std::string_view start, std::string_view end) {
  rangeStart_.SetText(start);
  rangeEnd_.SetText(end);
}

void RandomDrawWindow::SetTimerPeriod(DrawTimer timer, int periodMs) {
  SetWindowTimerPeriod(hwnd(), timer == DrawTimer::kWithRepetition ? kWithRepetitionTimerId : kWithoutRepetitionTimerId,
                       periodMs);
}

bool RandomDrawWindow::DispatchForAMoment() {
  ui::PacedWait(kDispatchMomentUs);
  // A quit is left for the outer loops, which end on it; the wait ends too.
  MSG quit;
  if (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) return false;
  return hwnd() != nullptr && IsWindow(hwnd());
}

std::optional<LRESULT> RandomDrawWindow::OnMessage(UINT message, WPARAM wParam, LPARAM) {
  if (message != WM_TIMER) return std::nullopt;
  if (wParam == kWithRepetitionTimerId) logic_.OnTimer(DrawTimer::kWithRepetition);
  if (wParam == kWithoutRepetitionTimerId) logic_.OnTimer(DrawTimer::kWithoutRepetition);
  return 0;
}

void RunRandomDrawWindow(AppContext& context) { (void)OpenWindow<RandomDrawWindow>(context); }

}  // namespace tabulo::app
