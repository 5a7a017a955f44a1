// Native forms at the display's scale. The suite runs at whatever DPI its
// desktop has: 96 in the ordinary run, 144 and 192 in e2e.dpi_scaling, which
// runs it again on desktops of those scales.
#include <gtest/gtest.h>

#include "app/forms/form_window.h"
#include "app/forms/native_control.h"
#include "base/win/dpi.h"
#include "native_form_fixture.h"

namespace tabulo::app {
namespace {

using namespace testing;

class FormWindowScaleTest : public NativeFormTest {};

int FontHeightOf(HWND control) {
  const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  LOGFONTW logFont{};
  if (!font || !GetObjectW(font, sizeof logFont, &logFont)) return 0;
  return logFont.lfHeight;
}

// Every native control of the form where the form puts it at `scale`, in the
// font made for it; a drop-down list by its place and width (its closed
// height is the system's).
void ExpectControlsAt(HWND hwnd, const Form& form, DpiScale scale) {
  for (std::size_t row = 0; row < form.controls.size(); ++row) {
    const FormControl& control = form.controls[row];
    if (!HasNativeControl(control.kind)) continue;
    SCOPED_TRACE(control.name);
    const int id = kFirstFormControlId + static_cast<int>(row);
    const Rect expected = scale.ToPixels(form.ClientRect(control));
    const Rect placed = PlacedAt(hwnd, id);
    EXPECT_EQ(placed.x, expected.x);
    EXPECT_EQ(placed.y, expected.y);
    EXPECT_EQ(placed.width, expected.width);
    if (control.kind != ControlKind::kDropDownList) {
      EXPECT_EQ(placed.height, expected.height);
    }
    EXPECT_EQ(FontHeightOf(GetDlgItem(hwnd, id)), -scale.FontPixels(9));
  }
}

TEST_F(FormWindowScaleTest, NativeFormsAreMadeAtTheScreensScale) {
  const DpiScale scale(SystemDpi());
  for (const Form& form : AllForms()) {
    if (form.binding != FormBinding::kNative) continue;
    SCOPED_TRACE(static_cast<int>(form.id));
    FormWindow window(form, context_);
    ASSERT_TRUE(window.Create());
    EXPECT_EQ(window.Scale(), scale);
    RECT client{};
    GetClientRect(window.hwnd(), &client);
    EXPECT_EQ(FromRECT(client).width, scale.Length(form.client_size.width));
    EXPECT_EQ(FromRECT(client).height, scale.Length(form.client_size.height));
    ExpectControlsAt(window.hwnd(), form, scale);
  }
}

// WM_DPICHANGED as Windows sends it when the window is dragged to a monitor
// of another scale: the window takes the suggested rectangle, the controls
// their places and font at the new scale, and going back restores them to
// the pixel.
TEST_F(FormWindowScaleTest, MovingToAMonitorOfAnotherScaleRelaysTheWindowOut) {
  const Form& form = GetForm(FormId::kSettingsWindow);
  FormWindow window(form, context_);
  ASSERT_TRUE(window.Create());
  HWND hwnd = window.hwnd();
  const DpiScale first = window.Scale();
  const Rect before = WindowRectOf(hwnd);
  struct Move {
    int dpi;
    Rect suggested;
  };
  const Move kMoves[] = {{first.dpi() * 2, {40, 30, before.width * 2, before.height * 2}},
                         {first.dpi() * 5 / 4, {-7, 11, before.width * 5 / 4, before.height * 5 / 4}},
                         {first.dpi(), before}};
  for (const Move& move : kMoves) {
    SCOPED_TRACE(move.dpi);
    RECT suggested = ToRECT(move.suggested);
    SendMessageW(hwnd, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(move.dpi, move.dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(window.Scale(), DpiScale(move.dpi));
    EXPECT_EQ(WindowRectOf(hwnd), move.suggested);
    ExpectControlsAt(hwnd, form, DpiScale(move.dpi));
  }
}

}  // namespace
}  // namespace tabulo::app
