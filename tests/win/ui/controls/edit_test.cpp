// Edit on the platform's windowless rich-text engine: text in and out,
// typing through the host window's routing, the number filter with a
// length limit, the read-only log with its vertical bar, the context menu's
// states, the password field and the blinking caret.
#include "ui/controls/edit.h"

#include "base/win/geometry_win.h"

#include "ui/controls/scroll_bar.h"
#include "ui/menu/ui_menu.h"
#include "win/ui/controls/controls_fixture.h"
#include "win/ui/engine_fixture.h"
#include "win/ui/themed_window_fixture.h"
#include "win/ui/window_at_dpi.h"

namespace tabulo::ui::testing {
namespace {

class EditTest : public BoundWindowTest {
 protected:
  void SetUp() override {
    BoundWindowTest::SetUp();
    Bind({}, 300, 200);
  }

  // Typed as the keyboard does: key down, then the character, through the
  // host window to the focused control.
  void Type(std::wstring_view text) {
    for (const wchar_t c : text) {
      SendMessageW(hwnd, WM_KEYDOWN, VkKeyScanW(c) & 0xFF, 1);
      SendMessageW(hwnd, WM_CHAR, c, 1);
    }
  }
  void Key(WPARAM key) { SendMessageW(hwnd, WM_KEYDOWN, key, 1); }
};

// Right-clicks the field through the host window. While the shared menu is
// open its states (cut, copy, paste, select all) are recorded and the
// access key is typed, or Esc when there is none. Empty when no menu showed.
std::vector<std::uint32_t> RightClickMenu(HWND window, const Edit& edit, wchar_t key) {
  std::vector<std::uint32_t> states;
  UiMenu& menu = EditContextMenu();
  menu.SetShownCallback([&](UiMenu& shown, HWND menuWindow) {
    for (const int item : {1, 2, 3, 5}) states.push_back(shown.ItemState(item));
    if (key != 0) {
      PostMessageW(menuWindow, WM_CHAR, key, 1);
    } else {
      PostMessageW(menuWindow, WM_KEYDOWN, VK_ESCAPE, 1);
    }
  });
  const Rect r = edit.AbsoluteRect();
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(r.x + 5, r.y + 5));
  SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(r.x + 5, r.y + 5));
  SendMessageW(window, WM_RBUTTONUP, 0, MAKELPARAM(r.x + 5, r.y + 5));
  menu.SetShownCallback({});
  return states;
}

TEST_F(EditTest, TextGoesInAndComesBackOutAsUtf8) {
  Edit edit;
  EditOptions options;
  options.text = "第1节 数学";
  ASSERT_TRUE(edit.Create(hwnd, {10, 10, 200, 24}, options));
  ASSERT_TRUE(edit.HasTextEngine());
  EXPECT_EQ(edit.GetText(), "第1节 数学");
  EXPECT_EQ(edit.TextLength(), 6);

  edit.SetText("");
  EXPECT_EQ(edit.GetText(), "");
  edit.AppendText("a");
  edit.AppendText("北");
  EXPECT_EQ(edit.GetText(), "a北");
  edit.SetSelection(1, 2);
  EXPECT_EQ(edit.SelectedText(), "北");
}

TEST_F(EditTest, TypingReachesTheFocusedFieldAndTabIsNeverInserted) {
  Edit edit;
  ASSERT_TRUE(edit.Create(hwnd, {10, 10, 200, 24}));
  edit.SetFocus();
  ASSERT_TRUE(edit.HasFocus());
  Type(L"ab中");
  Key(VK_BACK);
  Type(L"\tc ");
  EXPECT_EQ(edit.GetText(), "abc ");
  EXPECT_TRUE(edit.HasFocus());

  // Enter and Space belong to the text engine: the host makes no click of them.
  int clicks = 0;
  edit.Bind(kMsgClicked, [&](const EventArgs&) {
    ++clicks;
    return true;
  });
  Key(VK_RETURN);
  Key(VK_SPACE);
  EXPECT_EQ(clicks, 0);
}

TEST_F(EditTest, RtfSavedFromOneFieldLoadsIntoAnother) {
  EditOptions options;
  options.multiLine = true;
  options.richText = true;
  options.text = "甲\r乙 b";
  Edit from, to;
  ASSERT_TRUE(from.Create(hwnd, {10, 10, 120, 60}, options));
  options.text.clear();
  ASSERT_TRUE(to.Create(hwnd, {10, 80, 120, 60}, options));
  const std::vector<std::uint8_t> rtf = from.SaveRtf();
  ASSERT_GT(rtf.size(), 5u);
  EXPECT_EQ(std::string(rtf.begin(), rtf.begin() + 5), "{\\rtf");
  EXPECT_GT(to.LoadRtf(rtf), 0);
  EXPECT_EQ(to.GetText(), from.GetText());
  EXPECT_EQ(to.LineCount(), 2);
}

TEST_F(EditTest, NumberFieldWithLengthTwoKeepsTwoDigitsAndDropsTheRest) {
  Edit edit;
  EditOptions options;
  options.maxLength = 2;
  options.alignment = TextAlignment::kCentre;
  options.editStyle = kEditNumber;
  ASSERT_TRUE(edit.Create(hwnd, {10, 10, 60, 24}, options));
  EXPECT_EQ(edit.MaxLength(), 2);
  edit.SetFocus();
  Type(L"a1x");
  EXPECT_EQ(edit.GetText(), "1");
  Type(L"-");
  EXPECT_EQ(edit.GetText(), "1-");
  Type(L"9");  // the third character: refused by the text engine's limit
  EXPECT_EQ(edit.GetText(), "1-");
  Key(VK_BACK);
  Type(L".");
  EXPECT_EQ(edit.GetText(), "1.");
}

TEST_F(EditTest, ReadOnlyLogWithVerticalBarShowsAppendedLinesAndScrollsToTheEnd) {
  Edit log;
  EditOptions options;
  options.multiLine = true;
  options.scrollBars = kEditVerticalBar;
  options.editStyle = kEditReadOnly;
  options.backgroundColour = 0xFFFFFFFF;
  ASSERT_TRUE(log.Create(hwnd, {10, 10, 200, 80}, options));
  ScrollBar* bar = log.VerticalBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(log.HorizontalBar(), nullptr);
  // The bar sits right of the text, 10 px wide, as tall as the text.
  EXPECT_EQ(bar->Bounds(), (Rect{log.TextRect().right() + 1, log.TextRect().y, 10, log.TextRect().height}));
  EXPECT_EQ(bar->PageSize(), log.TextRect().height);

  for (int i = 1; i <= 20; ++i) log.AppendText((i > 1 ? "\r第" : "第") + std::to_string(i) + "号");
  EXPECT_EQ(log.LineCount(), 20);
  EXPECT_EQ(log.LineText(19), "第20号");
  EXPECT_GT(log.FirstVisibleLine(), 0);
  EXPECT_GT(bar->Range(), 0);
  EXPECT_EQ(bar->Position(), bar->Range()) << "the engine's position reaches the bar";

  // Typing is refused; the log changes only through the program.
  log.SetFocus();
  SendMessageW(hwnd, WM_CHAR, L'x', 1);
  EXPECT_EQ(log.LineText(19), "第20号");

  // The wheel over the text moves the bar, and the bar the text.
  const int last = log.FirstVisibleLine();
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(50, 40));
  for (int step = 0; step < 3; ++step) SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(150, 140));
  EXPECT_LT(log.FirstVisibleLine(), last);
  EXPECT_LT(bar->Position(), bar->Range());
}

TEST_F(EditTest, PasswordFieldDrawsTheSameDotsForAnyText) {
  struct Case {
    int style;
    bool sameDrawing;
  };
  for (const Case c : {Case{kEditNormal, false}, Case{kEditPassword, true}}) {
    SCOPED_TRACE(c.style);
    EditOptions options;
    options.editStyle = c.style;
    options.backgroundColour = 0xFFFFFFFF;
    Edit first, second;
    options.text = "ilil";
    ASSERT_TRUE(first.Create(hwnd, {10, 10, 120, 24}, options));
    options.text = "WMWM";
    ASSERT_TRUE(second.Create(hwnd, {10, 50, 120, 24}, options));
    EXPECT_EQ(second.GetText(), "WMWM") << "the text itself is kept";
    bool same = true;
    for (int y = 0; y < 24; ++y) {
      for (int x = 0; x < 120; ++x) same = same && PixelOf(first, x, y) == PixelOf(second, x, y);
    }
    EXPECT_EQ(same, c.sameDrawing);
  }
}

TEST_F(EditTest, ContextMenuStatesFollowTheFieldAndTheChosenItemActsOnIt) {
  using States = std::vector<std::uint32_t>;
  constexpr std::uint32_t kOff = 1, kOn = 0, kSelectAllOn = 128;
  EditOptions options;
  options.editStyle = kEditReadOnly;
  options.text = "12ab";
  Edit readOnly;
  ASSERT_TRUE(readOnly.Create(hwnd, {10, 10, 120, 24}, options));
  EXPECT_EQ(RightClickMenu(hwnd, readOnly, L'A'), (States{kOff, kOff, kOff, kSelectAllOn}));
  EXPECT_TRUE(readOnly.HasFocus()) << "the right-click focuses the field";
  EXPECT_EQ(readOnly.SelectedText(), "12ab");
  // Selected text in a read-only field can be copied but not cut.
  EXPECT_EQ(RightClickMenu(hwnd, readOnly, L'C'), (States{kOff, kOn, kOff, kSelectAllOn}));

  // Pasting into a number field is not filtered.
  options.editStyle = kEditNumber;
  options.text.clear();
  Edit number;
  ASSERT_TRUE(number.Create(hwnd, {10, 50, 120, 24}, options));
  EXPECT_EQ(RightClickMenu(hwnd, number, L'P'), (States{kOff, kOff, kOn, kOff}));
  EXPECT_EQ(number.GetText(), "12ab");

  options.editStyle = kEditPassword;
  Edit password;
  ASSERT_TRUE(password.Create(hwnd, {10, 90, 120, 24}, options));
  EXPECT_EQ(RightClickMenu(hwnd, password, 0), States{}) << "a password field shows no menu";
  EXPECT_TRUE(password.HasFocus());
}

TEST_F(EditTest, TabMovesTheFocusAndTheHostFramesTheNextField) {
  EditOptions options;
  options.backgroundColour = 0xFFFFFFFF;
  Edit first, second;
  ASSERT_TRUE(first.Create(hwnd, {10, 10, 120, 24}, options));
  ASSERT_TRUE(second.Create(hwnd, {10, 50, 120, 24}, options));
  const Rect text = second.TextRect().offset(10, 50);
  const auto darkOnTopEdge = [&] {
    int n = 0;
    for (int x = text.x; x < text.right(); ++x) n += RedOf(CanvasPixel(x, text.y)) < 0xF0;
    return n;
  };
  EXPECT_EQ(darkOnTopEdge(), 0);

  first.SetFocus();
  Key(VK_TAB);
  EXPECT_TRUE(second.HasFocus());
  EXPECT_GT(darkOnTopEdge(), 10);
  EXPECT_EQ(first.GetText(), "");
}

// With the shipped theme: the skin's margin places the text, and the focus
// skin goes when the focus does, or on the next blink tick with hideSelection.
TEST_F(ThemedWindowTest, EditSkinMarginAndTheFocusSkinLeavingWithTheFocus) {
  BindThemed(300, 200);
  for (const bool hideSelection : {true, false}) {
    SCOPED_TRACE(hideSelection);
    EditOptions options;
    options.hideSelection = hideSelection;
    Edit edit, other;
    ASSERT_TRUE(edit.Create(hwnd, {10, 10, 120, 26}, options));
    ASSERT_TRUE(other.Create(hwnd, {10, 50, 120, 26}, options));
    EXPECT_EQ(edit.TextRect(), (Rect{4, 3, 112, 20})) << "the theme's margin is rect(4, 3, -4, -3)";
    const std::uint32_t normal = PixelOf(edit, 1, 13);
    edit.SetFocus();
    const std::uint32_t focused = PixelOf(edit, 1, 13);
    ASSERT_NE(focused, normal);

    other.SetFocus();
    EXPECT_EQ(PixelOf(edit, 1, 13), hideSelection ? focused : normal);
    EXPECT_EQ(edit.CaretSuppressed(), !hideSelection);
    edit.HandleMessage(WM_TIMER, 0, 0);
    EXPECT_EQ(PixelOf(edit, 1, 13), normal);
    EXPECT_TRUE(edit.CaretSuppressed());
  }
}

TEST_F(EditTest, TheCaretIsDrawnOnOneTickAndGoneOnTheNext) {
  EditOptions options;
  options.backgroundColour = 0xFFFFFFFF;
  options.text = "12";
  Edit edit;
  ASSERT_TRUE(edit.Create(hwnd, {10, 10, 120, 24}, options));
  window.Show();
  edit.SetFocus();
  const Rect caret = edit.CaretRect();
  ASSERT_GT(caret.height, 0) << "the text engine asked for a caret";
  const auto caretShown = [&] { return CanvasPixel(caret.x, caret.y + caret.height / 2) == 0xFF000000u; };
  // The blink timer's ticks take turns drawing and removing it.
  edit.HandleMessage(WM_TIMER, 0, 0);
  const bool first = caretShown();
  for (const bool expected : {!first, first, !first}) {
    edit.HandleMessage(WM_TIMER, 0, 0);
    EXPECT_EQ(caretShown(), expected);
  }

  // A selection hides the caret and stops the blinking.
  edit.SetSelection(0, -1);
  EXPECT_TRUE(edit.CaretSuppressed());
  for (int tick = 0; tick < 2; ++tick) {
    edit.HandleMessage(WM_TIMER, 0, 0);
    EXPECT_FALSE(caretShown());
  }
}

bool DarkInk(std::uint32_t pixel) { return Opaque(pixel) && RedOf(pixel) < 0x80; }

EditOptions BigDigits(std::string text) {
  EditOptions options;
  options.text = std::move(text);
  options.fontSize = 20;
  options.backgroundColour = 0xFFFFFFFF;
  return options;
}

// Where the text engine drew "88" in a field at a DPI: the ink and the text
// rectangle, both in the field's canvas pixels.
struct DrawnText {
  std::optional<Rect> ink;
  Rect text;
};
DrawnText DrawDigitsAt(int dpi) {
  WindowAtDpi window(dpi, 0xFFFFFF);
  EXPECT_TRUE(window.Bound());
  Edit edit;
  // Centred: where the text goes depends on the width of the engine's
  // client rectangle.
  EditOptions options = BigDigits("88");
  options.alignment = TextAlignment::kCentre;
  EXPECT_TRUE(edit.Create(window.Handle(), {11, 7, 120, 40}, options));
  return {InkBox(edit.GetCanvas(), DarkInk), edit.TextPixels()};
}

using ScaledEditTest = BoundWindowTest;

// At 144 DPI the text engine works in the field's canvas pixels while the
// field is placed in units: its text is 1.5 times as large as at 96 and sits
// 1.5 times as far into the text rectangle (centred in it), inside it.
TEST_F(ScaledEditTest, TheTextIsDrawnAtTheWindowsScaleInsideThePixelTextRectangle) {
  const DrawnText at96 = DrawDigitsAt(96);
  const DrawnText at144 = DrawDigitsAt(144);
  ASSERT_TRUE(at96.ink && at144.ink);
  EXPECT_NEAR(at144.ink->height, 1.5 * at96.ink->height, 1.5);
  EXPECT_NEAR(at144.ink->width, 1.5 * at96.ink->width, 2.5);
  EXPECT_NEAR(at144.ink->y - at144.text.y, 1.5 * (at96.ink->y - at96.text.y), 2);
  EXPECT_NEAR(at144.ink->x - at144.text.x, 1.5 * (at96.ink->x - at96.text.x), 2);
  EXPECT_EQ(at144.ink->intersect(at144.text), *at144.ink);
}

// The caret the engine places between the second and third digit is drawn
// there and the system caret (where an input method opens) goes to the same
// window pixels; a click given in units at that place puts the selection
// there again.
TEST_F(ScaledEditTest, CaretAndClicksMeetTheEnginesPixels) {
  WindowAtDpi window(144, 0xFFFFFF);
  ASSERT_TRUE(window.Bound());
  const DpiScale scale(144);
  Edit edit;
  // Far from the window's corner, where units and pixels part widely.
  ASSERT_TRUE(edit.Create(window.Handle(), {101, 67, 160, 40}, BigDigits("1234")));
  window.Window().Show();
  edit.SetFocus();
  const Rect field = scale.ToPixels(edit.AbsoluteRect());
  const std::optional<Rect> ink = InkBox(edit.GetCanvas(), DarkInk);
  ASSERT_TRUE(ink);
  const Rect inkInWindow = ink->offset(field.x, field.y);

  edit.SetSelection(2, 2);
  const Rect caret = edit.CaretRect();
  ASSERT_GT(caret.height, 0);
  EXPECT_NEAR(caret.x, inkInWindow.x + inkInWindow.width / 2, inkInWindow.width / 8) << "between 2 and 3";
  const Rect text = edit.TextPixels().offset(field.x, field.y);
  EXPECT_EQ(caret.intersect(text), caret) << "inside the text rectangle";
  POINT system{};
  ASSERT_TRUE(GetCaretPos(&system));
  EXPECT_EQ((Point{system.x, system.y}), (Point{caret.x, caret.y}));

  edit.SetSelection(0, 0);
  const Point unit = scale.ToUnits(Point{caret.x, caret.y + caret.height / 2});
  const LPARAM local = MAKELPARAM(unit.x - edit.AbsoluteRect().x, unit.y - edit.AbsoluteRect().y);
  edit.HandleMessage(WM_LBUTTONDOWN, MK_LBUTTON, local);
  edit.HandleMessage(WM_LBUTTONUP, 0, local);
  EXPECT_EQ(edit.SelectionRange().start, 2);
  EXPECT_EQ(edit.SelectionRange().end, 2);
}

// A window moved to a monitor of another scale: the field's canvas is made
// again, and the engine draws into a surface of its new pixels with its
// font at the new size.
TEST_F(EditTest, AtANewScaleTheTextIsDrawnAgainAtItsSize) {
  constexpr UINT kDpiChanged = 0x02E0;
  EditOptions options = BigDigits("88");
  options.alignment = TextAlignment::kCentre;
  Edit edit;
  ASSERT_TRUE(edit.Create(hwnd, {11, 7, 120, 40}, options));
  const std::optional<Rect> before = InkBox(edit.GetCanvas(), DarkInk);
  ASSERT_TRUE(before);
  RECT suggested = ToRECT(WindowRectOf(hwnd));
  SendMessageW(hwnd, kDpiChanged, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  ASSERT_EQ(window.Scale().dpi(), 144);
  edit.Update();
  const std::optional<Rect> after = InkBox(edit.GetCanvas(), DarkInk);
  ASSERT_TRUE(after);
  EXPECT_NEAR(after->height, 1.5 * before->height, 1.5);
  EXPECT_NEAR(after->x + after->width / 2.0, 1.5 * (before->x + before->width / 2.0), 2) << "centred in the new width";
  EXPECT_EQ(edit.TextPixels(), (Rect{0, 0, 180, 60})) << "the field's pixel edges at 144: 17 to 197, 11 to 71";
}

}  // namespace
}  // namespace tabulo::ui::testing

namespace tabulo::ui::testing {
namespace {

// The face and size given at creation reach the text engine's own format,
// not only the control: the timer's big fields showed their digits small.
TEST_F(EditTest, AFieldsOwnFontReachesItsText) {
  Edit edit;
  EditOptions options;
  options.fontFace = "Arial";
  options.fontSize = 40;
  options.text = "10";
  ASSERT_TRUE(edit.Create(hwnd, {10, 10, 120, 80}, options));
  edit.SetSelection(0, -1);
  const std::optional<EditCharFormatValues> format = edit.SelectionCharFormat();
  ASSERT_TRUE(format.has_value());
  EXPECT_EQ(format->size, 40);
}

}  // namespace
}  // namespace tabulo::ui::testing
