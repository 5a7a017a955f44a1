#include "base/win/dpi.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "base/win/unique_handle.h"

namespace tabulo {
namespace {

// At the desktop's DPI: 96 in the ordinary run, 144 and 192 when
// e2e.dpi_scaling runs the suite again.
TEST(DpiTest, AWindowAndTheSystemReportTheScreensDpi) {
  HDC screen = GetDC(nullptr);
  const int screenDpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  UniqueWindow window(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
  ASSERT_TRUE(window);
  EXPECT_EQ(SystemDpi(), screenDpi);
  EXPECT_EQ(WindowDpi(window.get()), screenDpi);
  EXPECT_EQ(MonitorDpi(MonitorFromWindow(window.get(), MONITOR_DEFAULTTOPRIMARY)), screenDpi);
  EXPECT_EQ(WindowScale(window.get()).dpi(), screenDpi);
}

// e2e.dpi_scaling runs this suite on desktops it gives a LogPixels of their
// own and names the scale it gave.
TEST(DpiTest, TheDesktopHasTheScaleItWasGiven) {
  const char* given = std::getenv("TABULO_EXPECTED_DPI");
  if (!given) GTEST_SKIP() << "an ordinary desktop";
  EXPECT_EQ(SystemDpi(), std::atoi(given));
}

TEST(DpiTest, NoWindowTakesTheSystemDpi) {
  UniqueWindow window(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
  const HWND gone = window.get();
  window.reset();
  EXPECT_EQ(WindowDpi(nullptr), SystemDpi());
  EXPECT_EQ(WindowDpi(gone), SystemDpi());
  EXPECT_EQ(MonitorDpi(nullptr), SystemDpi());
}

}  // namespace
}  // namespace tabulo
