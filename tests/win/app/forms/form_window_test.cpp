#include "app/forms/form_window.h"

#include <memory>

#include "app/calendar/timetable_editor_window.h"
#include "app/forms/app_windows.h"
#include "app/shell/exit_routine.h"
#include "app/shell/settings_window.h"
#include "app/timetable/class_time_adjustment_window.h"
#include "native_form_fixture.h"

namespace tabulo::app {
namespace {

using namespace testing;

class FormWindowTest : public NativeFormTest {};

// Every form's window: the client size of the form, centred on the screen,
// frame, caption buttons, taskbar button or tool window, topmost, and hidden
// until shown.
TEST_F(FormWindowTest, TakesItsAttributesFromTheForm) {
  for (const Form& form : AllForms()) {
    SCOPED_TRACE(static_cast<int>(form.id));
    FormWindow window(form, context_);
    ASSERT_TRUE(window.Create());
    HWND hwnd = window.hwnd();
    RECT client{};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, form.client_size.width);
    EXPECT_EQ(client.bottom, form.client_size.height);
    const Rect outer = WindowRectOf(hwnd);
    EXPECT_EQ(outer.x, (GetSystemMetrics(SM_CXSCREEN) - outer.width) / 2);
    EXPECT_EQ(outer.y, (GetSystemMetrics(SM_CYSCREEN) - outer.height) / 2);
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    const LONG_PTR ex = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    EXPECT_EQ((style & WS_CAPTION) == WS_CAPTION, form.border == FormBorder::kFixed);
    EXPECT_EQ((style & WS_SYSMENU) != 0, form.system_menu);
    EXPECT_EQ((style & WS_MINIMIZEBOX) != 0, form.minimise_button);
    EXPECT_EQ((ex & WS_EX_APPWINDOW) != 0, form.in_taskbar);
    // Out of the taskbar either as a tool window or owned by a hidden window.
    HWND owner = GetWindow(hwnd, GW_OWNER);
    EXPECT_EQ((ex & WS_EX_TOOLWINDOW) != 0 || (owner != nullptr && !IsWindowVisible(owner)), !form.in_taskbar);
    EXPECT_EQ((ex & WS_EX_TOPMOST) != 0, form.topmost);
    EXPECT_EQ(WindowText(hwnd), form.caption);
    EXPECT_NE(GetClassLongPtrW(hwnd, GCLP_HICON), 0) << "the program icon";
    EXPECT_FALSE(IsWindowVisible(hwnd));
    // Only native forms get controls; the engine makes its own over the
    // placeholders of the others.
    EXPECT_EQ(GetWindow(hwnd, GW_CHILD) != nullptr, form.binding == FormBinding::kNative);
  }
}

// The timetable editor stays out of the taskbar by a hidden owner, not as a
// tool window, so it keeps a normal caption with the program's icon; the
// owner goes with the window.
TEST_F(FormWindowTest, KeepsAFramedNativeFormOutOfTheTaskbarByAnOwner) {
  HWND owner = nullptr;
  {
    FormWindow editor(GetForm(FormId::kTimetableEditor), context_);
    ASSERT_TRUE(editor.Create());
    EXPECT_EQ(GetWindowLongPtrW(editor.hwnd(), GWL_EXSTYLE) & (WS_EX_TOOLWINDOW | WS_EX_APPWINDOW), 0);
    owner = GetWindow(editor.hwnd(), GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_EQ(GetWindow(owner, GW_OWNER), nullptr);
    editor.Show();
    EXPECT_FALSE(IsWindowVisible(owner)) << "showing the window leaves its owner hidden";
  }
  EXPECT_FALSE(IsWindow(owner));
}

TEST_F(FormWindowTest, PlacesNativeControlsInTheirGroupBoxesWithTheFormsTextsAndVisibility) {
  FormWindow window(GetForm(FormId::kSettingsWindow), context_);
  ASSERT_TRUE(window.Create());
  HWND hwnd = window.hwnd();
  struct Case {
    int id;
    Rect placed;
    const char* text;
  };
  const Case kCases[] = {
      {FormControlId(FormId::kSettingsWindow, "分组框2"), {24, 88, 328, 112}, "课程提示"},
      {FormControlId(FormId::kSettingsWindow, "编辑框1"), {24 + 74, 88 + 21, 80, 24}, "0"},
      {FormControlId(FormId::kSettingsWindow, "选择框2"), {24 + 176, 16 + 24, 112, 24}, "随Windows启动"},
      {FormControlId(FormId::kSettingsWindow, "按钮1"), {216, 216, 64, 24}, "保存"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(PlacedAt(hwnd, c.id), c.placed);
    EXPECT_EQ(TextOf(hwnd, c.id), c.text);
  }
  HWND skins = GetDlgItem(hwnd, FormControlId(FormId::kSettingsWindow, "组合框1"));
  EXPECT_EQ(PlacedAt(hwnd, FormControlId(FormId::kSettingsWindow, "组合框1")).height, 20) << "closed list";
  ASSERT_EQ(SendMessageW(skins, CB_GETCOUNT, 0, 0), 2);
  wchar_t item[8]{};
  SendMessageW(skins, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(item));
  EXPECT_STREQ(item, L"星空");

  FormWindow editor(GetForm(FormId::kTimetableEditor), context_);
  ASSERT_TRUE(editor.Create());
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(editor.hwnd(), FormControlId(FormId::kTimetableEditor, "编辑框1"))))
      << "templates stay hidden";
  EXPECT_EQ(TextOf(editor.hwnd(), FormControlId(FormId::kTimetableEditor, "按钮3")), "读入当前课表&R");
}

// Tab goes through the hook that hands keys to IsDialogMessage, whichever
// loop retrieves them; the order is reading order, not the form's row order.
TEST_F(FormWindowTest, TabMovesTheFocusInReadingOrderAndWrapsAround) {
  HWND hwnd = OpenSettingsWindow(context_);
  ASSERT_NE(hwnd, nullptr);
  constexpr FormId kForm = FormId::kSettingsWindow;
  const int kOrder[] = {FormControlId(kForm, "组合框1"), FormControlId(kForm, "选择框2"),
                        FormControlId(kForm, "编辑框1"), FormControlId(kForm, "选择框1"),
                        FormControlId(kForm, "按钮1"),   FormControlId(kForm, "按钮2"),
                        FormControlId(kForm, "组合框1")};
  EXPECT_EQ(GetFocus(), GetDlgItem(hwnd, kOrder[0])) << "the first control has the focus on opening";
  for (std::size_t i = 1; i < std::size(kOrder); ++i) {
    SCOPED_TRACE(i);
    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), GetDlgItem(hwnd, kOrder[i]));
  }
}

TEST_F(FormWindowTest, EscClosesOnlyTheFormsThatSaySo) {
  struct Case {
    const char* name;
    HWND (*open)(AppContext&);
    bool closes;
  };
  const Case kCases[] = {
      {"settings window", OpenSettingsWindow, true},
      {"class-time adjustment", OpenClassTimeAdjustment, true},
      {"timetable editor", OpenTimetableEditor, false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    HWND hwnd = c.open(context_);
    ASSERT_NE(hwnd, nullptr);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(IsWindow(hwnd) == FALSE, c.closes);
    DestroyFormWindows();
  }
}

TEST_F(FormWindowTest, OpeningAgainBringsTheOpenWindowForward) {
  HWND first = OpenTimetableEditor(context_);
  ASSERT_NE(first, nullptr);
  ShowWindow(first, SW_MINIMIZE);
  EXPECT_EQ(OpenTimetableEditor(context_), first);
  EXPECT_FALSE(IsIconic(first));
  DestroyWindow(first);
  HWND second = OpenTimetableEditor(context_);
  EXPECT_NE(second, nullptr);
  EXPECT_TRUE(IsWindow(second));
}

TEST_F(FormWindowTest, TheWindowListHoldsAWindowOnlyWhileItExists) {
  HWND settings = OpenSettingsWindow(context_);
  ASSERT_NE(settings, nullptr);
  EXPECT_EQ(context_.windows.Get(FormId::kSettingsWindow), reinterpret_cast<AppWindowList::Handle>(settings));
  DestroyWindow(settings);
  EXPECT_EQ(context_.windows.Get(FormId::kSettingsWindow), 0u);
}

// The exit routine closes the listed windows; the class-time adjustment is
// not listed and stays open.
TEST_F(FormWindowTest, ExitRoutineClosesEveryListedWindowButNotTheClassTimeAdjustment) {
  HWND settings = OpenSettingsWindow(context_);
  HWND editor = OpenTimetableEditor(context_);
  HWND adjustment = OpenClassTimeAdjustment(context_);
  ASSERT_TRUE(settings && editor && adjustment);
  CloseAppWindows(context_.windows);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(settings) && !IsWindow(editor); }));
  EXPECT_TRUE(IsWindow(adjustment));
}

}  // namespace
}  // namespace tabulo::app
