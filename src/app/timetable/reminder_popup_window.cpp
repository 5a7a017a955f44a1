#include "app/timetable/reminder_popup_window.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "app/forms/bar_skin.h"
#include "app/forms/bound_form_window.h"
#include "app/forms/form_catalogue.h"
#include "app/forms/open_window.h"
#include "app/resource_ids.h"
#include "app/timetable/reminder.h"
#include "app/timetable/reminder_popup_texts.h"
#include "base/win/dpi.h"
#include "base/win/geometry_win.h"
#include "base/win/resource_bytes.h"
#include "ui/canvas/drawing.h"
#include "ui/controls/image_button.h"
#include "ui/controls/label.h"
#include "ui/engine/font_names.h"

namespace tabulo::app {
namespace {

constexpr FormId kForm = FormId::kReminderPopup;
constexpr Rect kSubjectPlace = FormControlOf(kForm, "标签1").rect;
constexpr Rect kClosePlace = FormControlOf(kForm, "图片框1").rect;

constexpr Rgb kWhite = 0x00FFFFFF;
constexpr std::uint32_t kWhiteAtAlpha40 = 0x28FFFFFF;  // the engine reads the colour part
constexpr Argb kGlowColour = 0x28000000;              // black at alpha 40
constexpr int kWindowAlpha = 200;
constexpr ui::FillType kPictureFill = ui::FillType::kStretch;
constexpr int kCornerRadius = 5;
static_assert((kWhiteAtAlpha40 & 0x00FFFFFF) == kWhite);

class ReminderPopupWindow final : public BoundFormWindow {
 public:
  static constexpr FormId kForm = app::kForm;

  ReminderPopupWindow(AppContext& context, std::string_view subject, const BarSkin& skin, Reminder& reminder)
      : BoundFormWindow(kForm, context), subjectText_(subject), skin_(skin), reminder_(reminder) {}

  bool Build() {
    if (!Create()) return false;
    PlaceAtTopRightCorner();
    background_ = ReminderPopupBackground(ResourceBytes(skin_.pictureResource), ResourceBytes(IDR_SKY_JPG));
    if (!BindUi(BindOptions())) return false;
    if (!CreateSubject() || !CreateCloseButton()) return false;
    reminder_.OnPopupCreated();
    return true;
  }

  void Show() override {
    ui::WindowEffect effect;
    effect.effect = ui::ShowEffect::kAtOnce;
    effect.activate = false;
    ui_.SetCloseEffect(effect);
    ui_.Show(&effect);
  }

 private:
  // At the form's size (the engine strips the frame when it binds) in
  // pixels at the DPI of the bar's monitor, in that monitor's top right
  // corner: the teacher looks there for the bar's news.
  void PlaceAtTopRightCorner() {
    HMONITOR barMonitor = MonitorFromWindow(ListedWindow(context(), FormId::kBar), MONITOR_DEFAULTTOPRIMARY);
    const Rect monitor = MonitorRect(barMonitor);
    const Size size = DpiScale(MonitorDpi(barMonitor)).ToPixels(form().client_size);
    SetWindowPos(hwnd(), nullptr, monitor.right() - size.width, monitor.y, size.width, size.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }

  // Skinned without a theme package: the picture, a faint white wash and
  // the window's own translucency are the whole look.
  ui::BindOptions BindOptions() const {
    ui::BindOptions options;
    options.background = background_;
    options.backgroundColour = kWhiteAtAlpha40;
    options.captionButtons = ui::kNoCaptionButtons;
    options.alpha = kWindowAlpha;
    options.fillType = kPictureFill;
    options.cornerRadius = kCornerRadius;
    options.dragAnywhere = true;
    options.escCloses = true;
    return options;
  }

  bool CreateSubject() {
    ui::LabelOptions label;
    label.text = subjectText_;
    label.textColour = skin_.textColour;
    label.font.face = ui::kMicrosoftYaHei;
    label.font.size = 100;
    label.alignment = ui::TextAlignment::kCentre;
    label.effect = ui::TextEffect::kGlow;
    label.effectColour = kGlowColour;
    return subject_.Create(ui_, kSubjectPlace, label);
  }

  bool CreateCloseButton() {
    ui::ButtonOptions button;
    // The caption keeps the button's own black whatever the skin: only the
    // subject takes the skin's text colour.
    button.text = reminder_popup_texts::kCloseButton;
    if (!close_.Create(ui_, kClosePlace, button)) return false;
    // The icon is the button's picture, laid out above the caption; the
    // button has no background pictures, so only icon and caption show.
    close_.SetPicture(ResourceBytes(IDR_REMINDER_CLOSE_PNG));
    close_.SetLayout(ui::ButtonLayoutMode::PictureAtTop, 0);
    // The dismissal posts WM_CLOSE: the button's click handling is still on
    // the stack when it returns.
    close_.OnClick([this] { reminder_.OnDismiss(); });
    return true;
  }

  std::string subjectText_;
  const BarSkin& skin_;
  Reminder& reminder_;
  std::vector<std::uint8_t> background_;
  ui::Label subject_;
  ui::ImageButton close_;
};

}  // namespace

std::vector<std::uint8_t> ReminderPopupBackground(std::span<const std::uint8_t> barPicture,
                                                  std::span<const std::uint8_t> skyPicture) {
  if (std::ranges::equal(barPicture, skyPicture)) return {};
  return {barPicture.begin(), barPicture.end()};
}

HWND ReminderPopups::OpenPopup() const { return ListedWindow(context_, FormId::kReminderPopup); }

bool ReminderPopups::Exists() const { return OpenPopup() != nullptr; }

void ReminderPopups::Open(std::string_view subject, const BarSkin& skin, Reminder& reminder) {
  (void)OpenWindow<ReminderPopupWindow>(context_, subject, skin, reminder);
}

void ReminderPopups::Destroy() {
  if (HWND popup = OpenPopup()) DestroyWindow(popup);
}

void ReminderPopups::Close() {
  if (HWND popup = OpenPopup()) PostMessageW(popup, WM_CLOSE, 0, 0);
}

}  // namespace tabulo::app
