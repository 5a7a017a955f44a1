#pragma once
// A bound window that wears the shipped theme, for controls whose sizes and
// pictures come from it (scroll bars, menus), and a recorder of the
// events a control raises.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "win/ui/engine_fixture.h"

namespace tabulo::ui::testing {

inline std::vector<std::uint8_t> ShippedThemeBytes() {
  std::ifstream in(std::filesystem::path(TABULO_DIST_DIR) / "User Interface.ext", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ThemedWindowTest : public BoundWindowTest {
 protected:
  // An opaque window (no shadow band to think about) at (100, 100).
  void BindThemed(int width = 300, int height = 200) {
    theme = ShippedThemeBytes();
    ASSERT_FALSE(theme.empty()) << "the build lays the theme out in " << TABULO_DIST_DIR;
    ASSERT_NE(MakeWindow(width, height), nullptr);
    BindOptions options;
    options.theme = theme;
    options.captionButtons = kNoCaptionButtons;
    options.backgroundColour = 0xFFFFFF;
    options.sizeBox = false;
    ASSERT_TRUE(window.Bind(hwnd, options));
    ASSERT_NE(window.Package(), nullptr);
  }

  std::vector<std::uint8_t> theme;
};

}  // namespace tabulo::ui::testing
