#include "app/forms/bound_form_window.h"

#include <fstream>
#include <iterator>

#include "base/win/dpi.h"
#include "base/win/geometry_win.h"
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
  // bound at. The form's size is in 96-DPI units: the window takes it in
  // pixels at the DPI of the monitor it is on, where the engine binds it.
  const DpiScale scale = options.dpi ? DpiScale(*options.dpi) : WindowScale(hwnd());
  const Size size = scale.ToPixels(form().client_size);
  const Rect monitor = MonitorRectOf(hwnd());
  SetWindowPos(hwnd(), nullptr, monitor.x + (monitor.width - size.width) / 2,
               monitor.y + (monitor.height - size.height) / 2, size.width, size.height,
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
