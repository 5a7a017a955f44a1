#include "app/shell/about_window.h"

#include "app/forms/bound_form_window.h"
#include "app/forms/open_window.h"
#include "app/resource_ids.h"
#include "app/shell/about_texts.h"
#include "ui/controls/image_button.h"
#include "ui/engine/font_names.h"

namespace tabulo::app {
namespace {

constexpr FormId kForm = FormId::kAboutWindow;
constexpr Rect kOkPlace = FormControlOf(kForm, "按钮1").rect;

class AboutWindow final : public BoundFormWindow {
 public:
  static constexpr FormId kForm = app::kForm;

  explicit AboutWindow(AppContext& context) : BoundFormWindow(kForm, context) {}

  bool Build() {
    if (!CreateAndBind(PictureWindowOptions(IDR_ABOUT_PNG, ui::kNoCaptionButtons))) return false;
    ui::ButtonOptions ok;
    ok.text = about_texts::kOkButton;
    ok.textColour = 0xFFFFFFFF;
    ok.font.face = ui::kMicrosoftYaHei;
    ok.font.size = 22;
    if (!ok_.Create(ui_, kOkPlace, ok)) return false;
    // Posted, not destroyed here: the button's own click handling is still
    // running when this returns.
    ok_.OnClick([window = hwnd()] { PostMessageW(window, WM_CLOSE, 0, 0); });
    return true;
  }

  void Show() override { ShowWithEffect(ui::ShowEffect::kFade); }

 private:
  ui::ImageButton ok_;
};

}  // namespace

void RunAboutWindow(AppContext& context) { (void)OpenWindow<AboutWindow>(context); }

}  // namespace tabulo::app
