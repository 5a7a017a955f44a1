// The writer's file list is a native list view inside a window the engine
// draws: the engine's scaling does not reach it, so it places itself, sizes
// its font and its columns in pixels at the window's scale, and again when
// that scale changes.
#include "app/tools/file_list_view.h"

#include "base/win/unique_handle.h"
#include "win/app/forms/native_form_fixture.h"

namespace tabulo::app {
namespace {

using namespace testing;

constexpr Rect kPlace{40, 72, 472, 296};  // the writer's list, in units
constexpr int kListId = 7;

int FontHeight(HWND list) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)), sizeof(font), &font);
  return font.lfHeight;
}

class FileListViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    parent_.reset(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1200, 900, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr));
    ASSERT_TRUE(parent_);
  }
  [[nodiscard]] int ColumnWidth(int column) const { return ListView_GetColumnWidth(list_.hwnd(), column); }

  FileListView list_;      // its font outlives the list view,
  UniqueWindow parent_;    // which goes with its parent
};

TEST_F(FileListViewTest, PlacesItselfAndSizesItsFontAndColumnsAtTheScale) {
  struct Case {
    int dpi;
    Rect placed;
    int fontHeight;
    int columns[3];
  };
  constexpr Case kCases[] = {
      {96, {40, 72, 472, 296}, -12, {18, 200, 245}},
      {144, {60, 108, 708, 444}, -18, {27, 300, 368}},
      {192, {80, 144, 944, 592}, -24, {36, 400, 490}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.dpi);
    FileListView list;
    ASSERT_TRUE(list.Create(parent_.get(), kPlace, kListId, DpiScale(c.dpi)));
    EXPECT_EQ(PlacedAt(parent_.get(), kListId), c.placed);
    EXPECT_EQ(FontHeight(list.hwnd()), c.fontHeight);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(ListView_GetColumnWidth(list.hwnd(), i), c.columns[i]) << i;
    DestroyWindow(list.hwnd());
  }
}

TEST_F(FileListViewTest, TakesAnotherScaleKeepingEachColumnsWidthInUnits) {
  ASSERT_TRUE(list_.Create(parent_.get(), kPlace, kListId, DpiScale(144)));
  ListView_SetColumnWidth(list_.hwnd(), 1, 150);  // fitted to its content: 100 units
  list_.Rescale(DpiScale(192));
  EXPECT_EQ(PlacedAt(parent_.get(), kListId), (Rect{80, 144, 944, 592}));
  EXPECT_EQ(FontHeight(list_.hwnd()), -24);
  EXPECT_EQ(ColumnWidth(0), 36);
  EXPECT_EQ(ColumnWidth(1), 200);
  EXPECT_EQ(ColumnWidth(2), 490);
  list_.Rescale(DpiScale(96));
  EXPECT_EQ(PlacedAt(parent_.get(), kListId), kPlace);
  EXPECT_EQ(FontHeight(list_.hwnd()), -12);
  EXPECT_EQ(ColumnWidth(1), 100);
}

}  // namespace
}  // namespace tabulo::app
