// Edit on the platform's windowless rich-text engine: text in and out,
// typing through the host window's routing, the number filter with a
// length limit, the read-only log with its vertical bar, the context menu's
// states, the password field and the blinking caret.
#include "ui/controls/edit.h"

#include "win/ui/engine_fixture.h"

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
  Type(L"\tc");
  EXPECT_EQ(edit.GetText(), "abc");
}

TEST_F(EditTest, NumberFieldWithLengthTwoKeepsTwoDigitsAndDropsTheRest) {
  Edit edit;
  EditOptions options;
  options.maxLength = 2;
  options.alignment = 1;
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

}  // namespace
}  // namespace tabulo::ui::testing
