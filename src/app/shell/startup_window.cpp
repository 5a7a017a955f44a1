#include "app/shell/startup_window.h"

#include <memory>
#include <optional>

#include "app/forms/bar_skin.h"
#include "app/forms/bound_form_window.h"
#include "app/forms/open_window.h"
#include "app/resource_ids.h"
#include "app/shell/bar_window.h"
#include "app/shell/settings_store.h"
#include "app/shell/trace_log.h"
#include "app/storage_names.h"
#include "app/timetable/reminder_popup_window.h"
#include "base/win/resource_bytes.h"
#include "ui/controls/image_box.h"
#include "ui/engine/engine_state.h"
#include "ui/engine/font_names.h"
#include "ui/engine/fonts.h"

namespace tabulo::app {
namespace {

constexpr FormId kForm = FormId::kStartupWindow;
constexpr UINT_PTR kLoadBarTimer = 1;  // the form's timer 时钟1
constexpr UINT kLoadBarDelayMs = 800;
constexpr UINT kMsgPrepareBar = WM_APP + 1;

void InitialiseEngine() {
  const std::vector<std::uint8_t> defaultPackage = ReadWholeFile("Default.ext");
  const std::vector<std::uint8_t> layoutMap = ReadWholeFile("mapdata.xml");
  ui::EngineDefaults defaults;  // the service module is the engine's own, in process
  defaults.defaultPackage = defaultPackage;
  defaults.layoutMap = layoutMap;
  defaults.textRenderingHint = Gdiplus::TextRenderingHintClearTypeGridFit;
  ui::EngineInitialise(std::move(defaults));
}

// The bar's skin picture as the bar binds it (at its natural size, its
// edges faded), decoded into the engine's shared pictures: the bar's bind
// then finds it there instead of decoding it while the user waits for the
// bar. The skin is read the way the bar reads it; the bar still reads its
// settings itself, in its own order.
std::shared_ptr<Gdiplus::Bitmap> DecodeBarPicture(const AppContext& context) {
  const BarSkin skin = ChooseBarSkin(SettingsStore(context.runDirectory).Read(kSkinKey, kSkinDefault));
  return ui::Engine().decodes.BackgroundPicture(ResourceBytes(skin.pictureResource), ui::FillType::kNatural, {});
}

// Lays out and draws, off screen, the characters the bar's labels show in
// their face at their sizes (period rows 32, separator 24, weekday and clock
// 13): the first text in a face makes Wine load the font file and render
// its glyphs, some tens of milliseconds the bar's labels would otherwise
// spend while the bar is built. Wine keeps the fonts it made for a while
// after they are released.
void WarmBarFonts() {
  constexpr wchar_t kBarCharacters[] = L"暂无星期一二三四五六日年月时分秒0123456789-";
  Gdiplus::Bitmap scratch(64, 64, PixelFormat32bppPARGB);
  Gdiplus::Graphics graphics(&scratch);
  for (const float size : {32.0F, 24.0F, 13.0F}) {
    const auto font = ui::CreateFontFromName(ui::kMicrosoftYaHei, size, Gdiplus::FontStyleRegular);
    if (!font) continue;
    Gdiplus::RectF box;
    graphics.MeasureString(kBarCharacters, -1, font.get(), Gdiplus::PointF(0, 0), &box);
    graphics.DrawString(kBarCharacters, -1, font.get(), Gdiplus::PointF(0, 0), nullptr);
  }
}

class StartupWindow final : public BoundFormWindow {
 public:
  static constexpr FormId kForm = app::kForm;

  explicit StartupWindow(AppContext& context) : BoundFormWindow(kForm, context) {}

  bool Build() {
    InitialiseEngine();
    Trace("engine initialised");
    ui::BindOptions options;
    options.captionButtons = ui::kNoCaptionButtons;
    options.alpha = 254;
    options.cornerRadius = 1;
    if (!CreateAndBind(options)) return false;
    ui::ImageBoxOptions picture;
    picture.animate = true;
    return animation_.Create(ui_, {0, 0, 320, 220}, ResourceBytes(IDR_STARTUP_GIF), picture);
  }

  void Show() override {
    // Faded in without taking activation: it is topmost, has no taskbar
    // button and takes no input, and the bar takes activation when it shows.
    // Under Wine's X11 driver a window that was activated belongs to the
    // window manager, and destroying it waits up to 2 s for one to confirm;
    // a display without one never does.
    ui::WindowEffect show;
    show.effect = ui::ShowEffect::kFade;
    show.activate = false;
    Trace("start-up fade begins");
    ui_.Show(&show);
    Trace("start-up window shown");
    // The form's timer stores no period; it runs from here on.
    SetTimer(hwnd(), kLoadBarTimer, kLoadBarDelayMs, nullptr);
    // Work no one sees is done during the wait, after the show.
    PostMessageW(hwnd(), kMsgPrepareBar, 0, 0);
  }

 protected:
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wparam, LPARAM) override {
    if (message == kMsgPrepareBar) {
      barPicture_ = DecodeBarPicture(context());
      WarmBarFonts();
      Trace("bar prepared");
      return 0;
    }
    if (message != WM_TIMER || wparam != kLoadBarTimer) return std::nullopt;
    KillTimer(hwnd(), kLoadBarTimer);  // once
    Trace("start-up timer");
    ReminderPopups popups(context());
    // The bar's whole life; it destroys this window on the way.
    RunBar(context(), &popups);
    return 0;
  }

 private:
  ui::ImageBox animation_;
  std::shared_ptr<Gdiplus::Bitmap> barPicture_;  // held until the bar has bound it
};

}  // namespace

void RunStartupWindow(AppContext& context) { (void)OpenWindow<StartupWindow>(context); }

}  // namespace tabulo::app
