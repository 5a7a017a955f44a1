#include "app/shell/about_window.h"

#include "app/forms/bound_form_window.h"
#include "app/resource_ids.h"
#include "ui/controls/image_button.h"

namespace tabulo::app {
namespace {

class AboutWindow final : public BoundFormWindow {
 public:
  explicit AboutWindow(AppContext& context) : BoundFormWindow(FormId::kAboutWindow, context) {}

  bool Build() {
    if (!CreateAndBind(PictureWindowOptions(IDR_ABOUT_PNG, 0))) return false;
    ui::ButtonOptions ok;
    ok.text = "确定";
    ok.textColour = 0xFFFFFFFF;
    ok.font.face = "微软雅黑";
    ok.font.size = 22;
    if (!ok_.Create(ui_, FormControlOf(FormId::kAboutWindow, "按钮1").rect, ok)) return false;
    // Posted, not destroyed here: the button's own click handling is still
    // running when this returns.
    ok_.OnClick([window = hwnd()] { PostMessageW(window, WM_CLOSE, 0, 0); });
    return true;
  }

  void ShowBound() { ShowWithEffect(ui::ShowEffect::kFade); }

 private:
  ui::ImageButton ok_;
};

}  // namespace

void RunAboutWindow(AppContext& context) { RunBoundWindow<AboutWindow>(FormId::kAboutWindow, context); }

}  // namespace tabulo::app
