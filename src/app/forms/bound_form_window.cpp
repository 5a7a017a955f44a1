#include "app/forms/bound_form_window.h"

#include <fstream>
#include <iterator>

#include "base/win/resource_bytes.h"

namespace tabulo::app {

std::vector<std::uint8_t> ReadWholeFile(const char* relativeName) {
  std::ifstream in(relativeName, std::ios::binary);
  if (!in) return {};
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ui::BindOptions PictureWindowOptions(int pictureResource, ui::CaptionButtons captionButtons) {
  ui::BindOptions options;
  options.background = ResourceBytes(pictureResource);
  options.captionButtons = captionButtons;
  options.alpha = 254;
  options.fillType = ui::FillType::kNineGrid;
  return options;
}

bool BoundFormWindow::CreateAndBind(const ui::BindOptions& options) { return Create() && BindEngine(options); }

bool BoundFormWindow::BindEngine(ui::BindOptions options) {
  // The form's size is the window's size once the engine has stripped the
  // frame, centred again at that size (the framed window was centred with
  // its frame). Sized before binding: the bound window's minimum tracking
  // size follows its caption band, which is laid out for the size it is
  // bound at.
  const Size size = form().client_size;
  SetWindowPos(hwnd(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - size.width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - size.height) / 2, size.width, size.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  const std::vector<std::uint8_t> theme = ReadWholeFile(kThemePackageFile);
  options.theme = theme;
  return BindUi(options);
}

bool BoundFormWindow::BindUi(const ui::BindOptions& options) {
  return ui_.BindToProcedure(hwnd(), options, [this](UINT message, WPARAM wparam, LPARAM lparam) {
    return OwnHandling(message, wparam, lparam);
  });
}

void BoundFormWindow::ShowWithEffect(ui::ShowEffect effect) {
  ui::WindowEffect show;
  show.effect = effect;
  ui_.Show(&show);
}

}  // namespace tabulo::app
