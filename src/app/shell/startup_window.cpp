#include "app/shell/startup_window.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "app/forms/bound_form_window.h"
#include "app/forms/open_window.h"
#include "app/resource_ids.h"
#include "app/shell/bar_window.h"
#include "app/shell/trace_log.h"
#include "app/timetable/reminder_popup_window.h"
#include "base/win/resource_bytes.h"
#include "ui/controls/gif_lead_in.h"
#include "ui/controls/image_box.h"
#include "ui/engine/engine_state.h"

namespace tabulo::app {
namespace {

constexpr FormId kForm = FormId::kStartupWindow;
constexpr UINT_PTR kLoadBarTimer = 1;  // the form's timer 时钟1
constexpr UINT kLoadBarDelayMs = 800;
constexpr UINT kMsgPrepareBar = WM_APP + 1;
constexpr UINT kMsgWholeAnimation = WM_APP + 2;
// The animation's first frames, opened before the fade in place of the
// whole: GDI+ pays for every frame of a GIF when it opens it (some 40 ms for
// all hundred; these few cost what a still picture costs). The whole is
// opened right after the fade and goes on from the frame the lead-in has
// come to; eight frames last 800 ms, four times the fade.
constexpr int kLeadInFrames = 8;

void InitialiseEngine() {
  const std::vector<std::uint8_t> defaultPackage = ReadWholeFile("Default.ext");
  const std::vector<std::uint8_t> layoutMap = ReadWholeFile("mapdata.xml");
  ui::EngineDefaults defaults;  // the service module is the engine's own, in process
  defaults.defaultPackage = defaultPackage;
  defaults.layoutMap = layoutMap;
  defaults.textRenderingHint = Gdiplus::TextRenderingHintClearTypeGridFit;
  ui::EngineInitialise(std::move(defaults));
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
    Trace("start-up window bound");
    ui::ImageBoxOptions picture;
    picture.animate = true;
    const std::span<const std::uint8_t> whole = ResourceBytes(IDR_STARTUP_GIF);
    const std::optional<std::vector<std::uint8_t>> leadIn = ui::GifLeadIn(whole, kLeadInFrames);
    if (!animation_.Create(ui_, {0, 0, 320, 220}, leadIn ? *leadIn : whole, picture)) return false;
    Trace("start-up picture made");
    return true;
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
    // Work no one sees is done during the wait, after the show: first the
    // whole animation, which the lead-in's frames leave ample time for.
    PostMessageW(hwnd(), kMsgWholeAnimation, 0, 0);
    PostMessageW(hwnd(), kMsgPrepareBar, 0, 0);
  }

 protected:
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wparam, LPARAM) override {
    if (message == kMsgWholeAnimation) {
      animation_.ContinueWith(ResourceBytes(IDR_STARTUP_GIF));
      Trace("start-up animation whole");
      return 0;
    }
    if (message == kMsgPrepareBar) {
      barPreparation_ = PrepareBar(context());
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
  std::shared_ptr<void> barPreparation_;  // held until the bar has bound it
};

}  // namespace

void RunStartupWindow(AppContext& context) { (void)OpenWindow<StartupWindow>(context); }

}  // namespace tabulo::app
