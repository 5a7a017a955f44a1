// Engine start-up, the message loops, and images made from file bytes.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "ui/controls/edit.h"
#include "ui/engine/atoms.h"
#include "ui/engine/image_handles.h"
#include "ui/engine/message_loop.h"
#include "ui/menu/ui_menu.h"
#include "ui/skin/resource_package.h"
#include "win/ui/engine_fixture.h"

namespace tabulo::ui::testing {
namespace {

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Size IconSize(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return {};
  BITMAP bitmap{};
  GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return {bitmap.bmWidth, info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2};
}

TEST(EngineStart, SetsUpGdiplusTheClassTheIconsTheFontAndTheCursor) {
  EngineStart();
  const EngineState& engine = Engine();
  WNDCLASSEXW wc{sizeof wc};
  ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), kDefaultWindowClass, &wc));
  EXPECT_EQ(wc.style, static_cast<UINT>(CS_DBLCLKS));
  EXPECT_EQ(IconSize(engine.smallIcon.get()), (Size{16, 16}));
  EXPECT_EQ(IconSize(engine.largeIcon.get()), (Size{32, 32}));
  ASSERT_TRUE(engine.defaultFont);
  EXPECT_EQ(engine.defaultFont->GetSize(), 12.0f);
  EXPECT_EQ(engine.defaultFont->GetUnit(), Gdiplus::UnitPixel);
  EXPECT_NE(engine.defaultCursor, nullptr);
  EXPECT_NE(engine.sharedImageAttributes, nullptr);
}

TEST(EngineStart, InitialiseOpensTheDefaultPackageAndRegistersTheClasses) {
  EngineStart();
  const auto hint = Engine().defaultTextRenderingHint;
  const std::vector<std::uint8_t> package = ReadBytes(std::filesystem::path(TABULO_DIST_DIR) / "Default.ext");
  ASSERT_FALSE(package.empty());
  EngineDefaults defaults;
  defaults.defaultPackage = package;
  defaults.textRenderingHint = Gdiplus::TextRenderingHintClearTypeGridFit;
  defaults.fontSize = 15.0f;
  EngineInitialise(std::move(defaults));
  EngineState& engine = Engine();
  ASSERT_TRUE(engine.defaultPackage);
  EXPECT_TRUE(engine.defaultPackage->Picture("SysButton.Close", "normal"));
  EXPECT_EQ(engine.defaultTextRenderingHint, Gdiplus::TextRenderingHintClearTypeGridFit);
  EXPECT_EQ(engine.defaultFont->GetSize(), 15.0f);
  ASSERT_TRUE(engine.service);
  EXPECT_EQ(engine.service->ControlClassNumber("label"), 2);
  EXPECT_EQ(engine.service->ControlClassNumber("ImageListButton"), 23);
  EXPECT_EQ(EditContextMenu().Count(), 5);
  EXPECT_EQ(engine.hotCursor, engine.defaultCursor);

  // A window bound without a theme of its own uses the default package.
  const HWND hwnd = CreateWindowExW(0, kDefaultWindowClass, L"", WS_POPUP, 0, 0, 100, 80, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
  {
    UiWindow window;
    ASSERT_TRUE(window.Bind(hwnd, {}));
    EXPECT_EQ(window.Package(), engine.defaultPackage.get());
    DestroyWindow(hwnd);
  }

  // Bytes that are no package leave nothing there.
  const std::uint8_t junk[] = {1, 2, 3, 4};
  EngineDefaults broken;
  broken.defaultPackage = junk;
  broken.textRenderingHint = hint;
  broken.fontSize = 12.0f;
  EngineInitialise(std::move(broken));
  EXPECT_FALSE(Engine().defaultPackage);
}

TEST(EngineStart, AtomsAreSharedByNamesThatDifferOnlyInCase) {
  const ATOM atom = AtomForName("SysButton.Close_normal_rectF");
  EXPECT_NE(atom, 0);
  EXPECT_EQ(AtomForName("sysbutton.close_NORMAL_rectf"), atom);
}

TEST(ImageHandles, IconsComeFromIconFileBytesByIndex) {
  const std::vector<std::uint8_t> icon = ReadBytes(std::filesystem::path(TABULO_ASSETS_DIR) / "icon" / "tabulo.ico");
  ASSERT_GE(icon.size(), 6u);
  const int count = icon[4] | icon[5] << 8;
  UniqueIcon first = LoadIconFromBytes(icon, false, 1);
  EXPECT_TRUE(first);
  EXPECT_TRUE(LoadIconFromBytes(icon, false, count));
  EXPECT_FALSE(LoadIconFromBytes(icon, false, count + 1));
  EXPECT_FALSE(LoadIconFromBytes({}, true));
}

TEST(MessageLoops, PacedWaitKeepsDispatchingAndTheLoopEndsWithItsWindow) {
  EngineStart();
  const HWND hwnd = CreateWindowExW(0, kDefaultWindowClass, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
  UiWindow window;
  ASSERT_TRUE(window.Bind(hwnd, {}));
  int posted = 0;
  window.Bind(kMsgApplicationEvent, [&](const EventArgs&) { return ++posted, true; });
  PostMessageW(hwnd, kMsgApplicationEvent, 0, 0);
  PacedWait(30'000);
  EXPECT_EQ(posted, 1);

  // An animation whose interval is longer than its duration runs no frame.
  int frames = 0;
  EXPECT_EQ(RunAnimation({1, 10, 20, 0, 1}, [&](const AnimationFrame&) { return ++frames, false; }), 0);
  EXPECT_EQ(frames, 0);
  EXPECT_EQ(RunAnimation({1, 60, 20, 0, 1}, [&](const AnimationFrame&) { return ++frames, false; }), 3);

  // The window goes from inside the loop with nothing else in the queue.
  SetTimer(hwnd, 7, 20, [](HWND w, UINT, UINT_PTR, DWORD) { DestroyWindow(w); });
  RunMessageLoop(hwnd);
  EXPECT_FALSE(IsWindow(hwnd));
}

}  // namespace
}  // namespace tabulo::ui::testing
