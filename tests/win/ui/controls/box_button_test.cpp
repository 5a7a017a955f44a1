// CheckButton and RadioButton: toggling before the application's click
// handler, setting the value without a click, group clearing, and the box
// drawn from the theme.
#include "ui/controls/check_button.h"
#include "ui/controls/radio_button.h"
#include "win/ui/controls/controls_fixture.h"

namespace tabulo::ui::testing {
namespace {

constexpr Argb kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kRed = 0xFFFF0000;

class BoxButtonTest : public BoundWindowTest {
 protected:
  // A click through the window: press and release at a point.
  void ClickAt(int x, int y) {
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, At(x, y));
  }
};

TEST_F(BoxButtonTest, ACheckBoxTogglesBeforeTheClickHandlerAndSettingItRaisesNoClick) {
  Bind();
  CheckButton box;
  ASSERT_TRUE(box.Create(hwnd, {10, 10, 100, 16}, ButtonOptions{.text = "不重复抽号"}));
  std::vector<bool> seen;
  box.Bind(kMsgClicked, [&](const EventArgs&) {
    seen.push_back(box.Ticked());
    return true;  // handled: the toggle has happened all the same
  });
  ClickAt(20, 18);
  ClickAt(20, 18);
  EXPECT_EQ(seen, (std::vector<bool>{true, false}));

  box.SetTicked(true);
  EXPECT_TRUE(box.Ticked());
  EXPECT_EQ(seen.size(), 2u);
}

TEST_F(BoxButtonTest, SelectingAnOptionButtonClearsOnlyItsOwnGroup) {
  Bind();
  RadioButton a, b, otherGroup;
  ASSERT_TRUE(a.Create(hwnd, {10, 10, 80, 16}));
  ASSERT_TRUE(b.Create(hwnd, {10, 30, 80, 16}));
  ASSERT_TRUE(otherGroup.Create(hwnd, {10, 50, 80, 16}));
  otherGroup.SetGroup(42);
  ColourControl panel;
  ASSERT_TRUE(panel.Create(hwnd, {100, 10, 90, 60}));
  RadioButton inPanel;
  ASSERT_TRUE(inPanel.Create(&panel, {5, 5, 80, 16}));
  EXPECT_EQ(inPanel.Group(), reinterpret_cast<std::uintptr_t>(&panel));
  b.SetTicked(true);
  otherGroup.SetTicked(true);
  inPanel.SetTicked(true);
  int clicks = 0;
  a.OnClick([&] { ++clicks; });

  ClickAt(20, 18);
  EXPECT_TRUE(a.Ticked());
  EXPECT_FALSE(b.Ticked());
  EXPECT_TRUE(otherGroup.Ticked());
  EXPECT_TRUE(inPanel.Ticked());
  EXPECT_EQ(clicks, 1);

  ClickAt(20, 18);  // already selected: stays so
  EXPECT_TRUE(a.Ticked());
  EXPECT_EQ(clicks, 2);
  b.Select();
  EXPECT_FALSE(a.Ticked());
  EXPECT_TRUE(b.Ticked());
}

TEST_F(BoxButtonTest, TheBoxComesFromTheThemeByStateAndTickAndTheCaptionFollowsIt) {
  ThemePackageData theme;
  theme.images[1] = SolidPng(12, 12, kGreen);
  theme.images[2] = SolidPng(12, 12, kBlue);
  theme.images[3] = SolidPng(12, 12, kRed);
  theme.table.Set(PictureKey("CheckButton", "normal"), SkinPicture{{0, 0, 12, 12}, 1});
  theme.table.Set(PictureKey("CheckButton", "normal_ck"), SkinPicture{{0, 0, 12, 12}, 2});
  theme.table.Set(PictureKey("CheckButton", "down"), SkinPicture{{0, 0, 12, 12}, 3});
  theme.table.Set(RectKey("CheckButton", "size"), Rect{12, 12, 12, 12});
  const std::vector<std::uint8_t> package = SerializeThemePackage(theme, "");
  BindOptions options;
  options.theme = package;
  Bind(options);

  struct Case {
    int height;
    bool ticked;
    bool pressed;
    Argb colour;
    int top;
  };
  const Case cases[] = {
      {16, false, false, kGreen, 2}, {17, false, false, kGreen, 3}, {16, true, false, kBlue, 2},
      {16, false, true, kRed, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.height << " " << c.ticked << " " << c.pressed);
    CheckButton box;
    ASSERT_TRUE(box.Create(hwnd, {0, 0, 80, c.height}, ButtonOptions{.text = "M"}));
    box.SetTicked(c.ticked);
    if (c.pressed) box.Paint(kButtonPressed);
    const auto ink = InkBox(box.GetCanvas(), [&](std::uint32_t p) { return p == c.colour; });
    EXPECT_EQ(ink, (Rect{2, c.top, 12, 12}));
    const auto focus = box.ContentRect();
    ASSERT_TRUE(focus);
    EXPECT_EQ(focus->x, 15.0f);  // around the caption, which starts 3 px after the box
  }
}

}  // namespace
}  // namespace tabulo::ui::testing
