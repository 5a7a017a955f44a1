// The accessible tree of a bound window, read the way a screen reader reads
// it: through WM_GETOBJECT (AccessibleObjectFromWindow), names, roles,
// states and screen places of the windowless controls, the default action,
// hit testing, navigation, focus, and what held objects answer once their
// control or window is gone.
#include <windows.h>
#include <oleacc.h>

#include <string>
#include <vector>

#include "base/win/com_ptr.h"
#include "base/win/wide_text.h"
#include "ui/accessibility/spoken_language.h"
#include "ui/controls/button.h"
#include "ui/controls/check_button.h"
#include "ui/controls/edit.h"
#include "ui/controls/label.h"
#include "ui/controls/radio_button.h"
#include "ui/controls/scroll_bar.h"
#include "win/ui/accessibility/accessibility_probe.h"
#include "win/ui/engine_fixture.h"

namespace tabulo::ui::testing {
namespace {

// A check box of the test: the class knows the checked state, as the real
// check box does.
class CheckControl : public ColourControl {
 public:
  AccessibleInfo Accessible() const override {
    AccessibleInfo info = ColourControl::Accessible();
    info.checked = checked;
    return info;
  }
  bool checked = false;
};

ControlOptions OfClass(int classNumber, bool visible = true) {
  ControlOptions options;
  options.classNumber = classNumber;
  options.visible = visible;
  return options;
}

VARIANT Self() { return ChildId(CHILDID_SELF); }

std::string Name(const ComPtr<IAccessible>& node, HRESULT* status = nullptr) {
  BSTR name = nullptr;
  const HRESULT hr = node->get_accName(Self(), &name);
  if (status) *status = hr;
  std::string out = name ? Narrow(std::wstring(name, SysStringLen(name))) : std::string();
  SysFreeString(name);
  return out;
}

long Number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), const ComPtr<IAccessible>& node) {
  VARIANT out;
  VariantInit(&out);
  EXPECT_EQ(((*node.get()).*get)(Self(), &out), S_OK);
  EXPECT_EQ(out.vt, VT_I4);
  return out.lVal;
}

ComPtr<IAccessible> FromDispatch(IDispatch* dispatch) {
  ComPtr<IAccessible> node;
  if (dispatch) {
    EXPECT_EQ(dispatch->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(node.put())), S_OK);
    dispatch->Release();
  }
  return node;
}

ComPtr<IAccessible> FromVariant(const VARIANT& v) {
  return v.vt == VT_DISPATCH ? FromDispatch(v.pdispVal) : ComPtr<IAccessible>();
}

ComPtr<IAccessible> Child(const ComPtr<IAccessible>& parent, long index) {
  VARIANT id;
  VariantInit(&id);
  id.vt = VT_I4;
  id.lVal = index;
  IDispatch* dispatch = nullptr;
  EXPECT_EQ(parent->get_accChild(id, &dispatch), S_OK);
  return FromDispatch(dispatch);
}

class AccessibleTreeTest : public BoundWindowTest {
 protected:
  ComPtr<IAccessible> Root() {
    ComPtr<IAccessible> root;
    EXPECT_EQ(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                         reinterpret_cast<void**>(root.put())),
              S_OK);
    return root;
  }
  Point Origin() const {
    POINT p{0, 0};
    ClientToScreen(hwnd, &p);
    return {p.x, p.y};
  }
};

TEST_F(AccessibleTreeTest, ListsTheControlsWithTheirNamesRolesStatesAndScreenPlaces) {
  Bind({}, 240, 200);
  window.Show();
  ColourControl label, button, hidden, disabled;
  CheckControl check;
  ASSERT_TRUE(label.Create(hwnd, {20, 20, 80, 20}, OfClass(kLabelClassNumber)));
  ASSERT_TRUE(button.Create(hwnd, {20, 50, 80, 24}, OfClass(kButtonClassNumber)));
  ASSERT_TRUE(check.Create(hwnd, {20, 84, 80, 20}, OfClass(kCheckButtonClassNumber)));
  ASSERT_TRUE(hidden.Create(hwnd, {120, 20, 60, 24}, OfClass(kButtonClassNumber, false)));
  ASSERT_TRUE(disabled.Create(hwnd, {120, 50, 60, 24}, OfClass(kButtonClassNumber)));
  label.SetBaseText("星期一");
  button.SetBaseText("工 具");
  check.SetBaseText("提醒(&R)");
  check.checked = true;
  hidden.SetBaseText("隐藏");
  disabled.SetBaseText("停用");
  disabled.SetDisabled(true);
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(30, 60));  // presses (and focuses) the button
  ASSERT_TRUE(button.HasFocus());

  const ComPtr<IAccessible> root = Root();
  ASSERT_TRUE(root);
  EXPECT_EQ(Name(root), "engine test");
  EXPECT_EQ(Number(&IAccessible::get_accRole, root), ROLE_SYSTEM_CLIENT);
  long count = 0;
  ASSERT_EQ(root->get_accChildCount(&count), S_OK);
  ASSERT_EQ(count, 5);

  constexpr long kFocused = STATE_SYSTEM_FOCUSED, kHot = STATE_SYSTEM_HOTTRACKED,
                 kPressed = STATE_SYSTEM_PRESSED, kOff = STATE_SYSTEM_UNAVAILABLE,
                 kHidden = STATE_SYSTEM_INVISIBLE, kChecked = STATE_SYSTEM_CHECKED;
  constexpr long kWatched = kFocused | kHot | kPressed | kOff | kHidden | kChecked;
  struct Row {
    const char* name;
    long role;
    long states;  // of the watched states, exactly these
    Rect place;   // client coordinates
  };
  const Row kRows[] = {
      {"星期一", ROLE_SYSTEM_STATICTEXT, 0, {20, 20, 80, 20}},
      {"工 具", ROLE_SYSTEM_PUSHBUTTON, kFocused | kPressed | kHot, {20, 50, 80, 24}},
      {"提醒(R)", ROLE_SYSTEM_CHECKBUTTON, kChecked, {20, 84, 80, 20}},
      {"隐藏", ROLE_SYSTEM_PUSHBUTTON, kHidden, {120, 20, 60, 24}},
      {"停用", ROLE_SYSTEM_PUSHBUTTON, kOff, {120, 50, 60, 24}},
  };
  const Point origin = Origin();
  for (long i = 0; i < count; ++i) {
    const Row& row = kRows[i];
    SCOPED_TRACE(row.name);
    const ComPtr<IAccessible> child = Child(root, i + 1);
    ASSERT_TRUE(child);
    EXPECT_EQ(Name(child), row.name);
    EXPECT_EQ(Number(&IAccessible::get_accRole, child), row.role);
    EXPECT_EQ(Number(&IAccessible::get_accState, child) & kWatched, row.states);
    long x = 0, y = 0, w = 0, h = 0;
    ASSERT_EQ(child->accLocation(&x, &y, &w, &h, Self()), S_OK);
    EXPECT_EQ(Rect(x, y, w, h), Rect(origin.x + row.place.x, origin.y + row.place.y, row.place.width, row.place.height));
  }

  // Released and moved on: the pointer is over the check box now.
  SendMessageW(hwnd, WM_LBUTTONUP, 0, At(30, 60));
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, At(30, 90));
  EXPECT_EQ(Number(&IAccessible::get_accState, Child(root, 2)) & kWatched, kFocused);
  EXPECT_EQ(Number(&IAccessible::get_accState, Child(root, 3)) & kWatched, kHot | kChecked);
}

TEST_F(AccessibleTreeTest, TheEnginesControlsDescribeThemselves) {
  Bind({}, 300, 200);
  const auto caption = [](const char* text) {
    ButtonOptions options;
    options.text = text;
    return options;
  };
  LabelOptions labelText;
  labelText.text = "星期一";
  Label label;
  Button button;
  CheckButton check;
  RadioButton radio;
  ScrollBar bar;
  ScrollBarOptions barOptions;
  barOptions.settings.pageSize = 10;
  ASSERT_TRUE(label.Create(hwnd, {20, 20, 100, 20}, labelText));
  ASSERT_TRUE(button.Create(hwnd, {20, 50, 100, 24}, caption("确定(&O)")));
  ASSERT_TRUE(check.Create(hwnd, {20, 80, 120, 16}, caption("不重复抽号")));
  ASSERT_TRUE(radio.Create(hwnd, {20, 100, 120, 16}, caption("计时")));
  ASSERT_TRUE(bar.Create(hwnd, {20, 130, 200, 12}, barOptions));
  check.SetTicked(true);
  bar.SetPosition(30);

  const ComPtr<IAccessible> root = Root();
  ASSERT_TRUE(root);
  const struct {
    const char* name;
    long role;
    bool checked;
  } kRows[] = {
      {"星期一", ROLE_SYSTEM_STATICTEXT, false}, {"确定(O)", ROLE_SYSTEM_PUSHBUTTON, false},
      {"不重复抽号", ROLE_SYSTEM_CHECKBUTTON, true}, {"计时", ROLE_SYSTEM_RADIOBUTTON, false},
      {SpeaksChinese() ? "水平" : "Horizontal", ROLE_SYSTEM_SCROLLBAR, false},  // named by its direction, as the system's
  };
  for (long i = 0; i < 5; ++i) {
    SCOPED_TRACE(kRows[i].name);
    const ComPtr<IAccessible> child = Child(root, i + 1);
    ASSERT_TRUE(child);
    EXPECT_EQ(Name(child), kRows[i].name);
    EXPECT_EQ(Number(&IAccessible::get_accRole, child), kRows[i].role);
    EXPECT_EQ((Number(&IAccessible::get_accState, child) & STATE_SYSTEM_CHECKED) != 0, kRows[i].checked);
  }
  BSTR value = nullptr;
  ASSERT_EQ(Child(root, 5)->get_accValue(Self(), &value), S_OK);
  EXPECT_EQ(std::wstring(value, SysStringLen(value)), L"30");
  SysFreeString(value);

  // A field is named by the label before it.
  Label fieldLabel;
  Edit field;
  LabelOptions fieldText;
  fieldText.text = "学号";
  ASSERT_TRUE(fieldLabel.Create(hwnd, {20, 150, 60, 20}, fieldText));
  ASSERT_TRUE(field.Create(hwnd, {90, 150, 100, 24}));
  const ComPtr<IAccessible> fieldNode = Child(root, 7);
  ASSERT_TRUE(fieldNode);
  EXPECT_EQ(Name(fieldNode), "学号");
  EXPECT_EQ(Number(&IAccessible::get_accRole, fieldNode), ROLE_SYSTEM_TEXT);
  field.SetText("20");
  ASSERT_EQ(fieldNode->get_accValue(Self(), &value), S_OK);
  EXPECT_EQ(std::wstring(value, SysStringLen(value)), L"20");
  SysFreeString(value);
  field.SetEditStyle(kEditPassword);  // a password stays with the user
  EXPECT_EQ(fieldNode->get_accValue(Self(), &value), DISP_E_MEMBERNOTFOUND);

  // Pressed through its default action, the radio button selects itself
  // like a click does.
  ASSERT_EQ(Child(root, 4)->accDoDefaultAction(Self()), S_OK);
  EXPECT_TRUE(PumpUntil([&] { return radio.Ticked(); }));
  EXPECT_TRUE(Number(&IAccessible::get_accState, Child(root, 4)) & STATE_SYSTEM_CHECKED);
}

TEST_F(AccessibleTreeTest, CaptionButtonsAreNamedAndTheCloseButtonClosesTheWindow) {
  BindOptions options;
  options.captionButtons = CaptionButton::kTitle | CaptionButton::kClose | CaptionButton::kMax;
  Bind(options, 240, 160);
  window.Show();
  const ComPtr<IAccessible> root = Root();
  ASSERT_TRUE(root);
  long count = 0;
  ASSERT_EQ(root->get_accChildCount(&count), S_OK);
  const bool chinese = SpeaksChinese();
  const std::string closeName = chinese ? "关闭" : "Close", maxName = chinese ? "最大化" : "Maximize";
  ComPtr<IAccessible> close;
  bool sawMax = false;
  for (long i = 1; i <= count; ++i) {
    ComPtr<IAccessible> child = Child(root, i);
    if (Number(&IAccessible::get_accRole, child) != ROLE_SYSTEM_PUSHBUTTON) continue;
    const std::string name = Name(child);
    sawMax |= name == maxName;
    if (name == closeName) close = std::move(child);
  }
  EXPECT_TRUE(sawMax);
  ASSERT_TRUE(close);
  ASSERT_EQ(close->accDoDefaultAction(Self()), S_OK);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(hwnd); }));
}

TEST_F(AccessibleTreeTest, DefaultActionClicksThroughTheControlsOwnClickPath) {
  Bind();
  window.Show();
  ColourControl button, label, disabled;
  ASSERT_TRUE(label.Create(hwnd, {20, 20, 60, 20}, OfClass(kLabelClassNumber)));
  ASSERT_TRUE(button.Create(hwnd, {20, 50, 60, 24}, OfClass(kButtonClassNumber)));
  ASSERT_TRUE(disabled.Create(hwnd, {100, 50, 60, 24}, OfClass(kButtonClassNumber)));
  disabled.SetDisabled(true);
  int clicks = 0;
  button.Bind(kMsgClicked, [&](const EventArgs&) {
    ++clicks;
    return false;  // let the class behaviour run too
  });
  int disabledClicks = 0;
  disabled.Bind(kMsgClicked, [&](const EventArgs&) { return ++disabledClicks, true; });

  const ComPtr<IAccessible> root = Root();
  ASSERT_TRUE(root);
  const ComPtr<IAccessible> labelNode = Child(root, 1), buttonNode = Child(root, 2), offNode = Child(root, 3);
  BSTR action = nullptr;
  ASSERT_EQ(buttonNode->get_accDefaultAction(Self(), &action), S_OK);
  const std::wstring actionName(action, SysStringLen(action));
  SysFreeString(action);
  EXPECT_TRUE(actionName == L"按下" || actionName == L"click");

  ASSERT_EQ(buttonNode->accDoDefaultAction(Self()), S_OK);
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }));
  EXPECT_EQ(button.classClicks, 1);

  EXPECT_EQ(labelNode->accDoDefaultAction(Self()), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(offNode->accDoDefaultAction(Self()), E_FAIL);  // the mouse could not click it either
  button.SetVisible(false);
  EXPECT_EQ(buttonNode->accDoDefaultAction(Self()), E_FAIL);
  PumpUntil([] { return false; }, 100);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(disabledClicks, 0);
}

TEST_F(AccessibleTreeTest, HitTestNavigationAndFocusFollowTheControlTree) {
  Bind({}, 240, 200);
  window.Show();
  ColourControl first, panel, inner, last;
  ASSERT_TRUE(first.Create(hwnd, {20, 20, 60, 20}, OfClass(kLabelClassNumber)));
  ASSERT_TRUE(panel.Create(hwnd, {20, 60, 150, 80}));
  ASSERT_TRUE(inner.Create(&panel, {10, 10, 60, 24}, OfClass(kButtonClassNumber)));
  ASSERT_TRUE(last.Create(hwnd, {180, 20, 40, 20}, OfClass(kButtonClassNumber)));
  first.SetBaseText("first");
  inner.SetBaseText("inner");
  last.SetBaseText("last");
  const ComPtr<IAccessible> root = Root();
  ASSERT_TRUE(root);
  const Point o = Origin();

  VARIANT hit;
  ASSERT_EQ(root->accHitTest(o.x + 25, o.y + 25, &hit), S_OK);
  EXPECT_EQ(Name(FromVariant(hit)), "first");
  ASSERT_EQ(root->accHitTest(o.x + 35, o.y + 75, &hit), S_OK);  // the panel, then what lies in it
  const ComPtr<IAccessible> panelNode = FromVariant(hit);
  ASSERT_TRUE(panelNode);
  ASSERT_EQ(panelNode->accHitTest(o.x + 35, o.y + 75, &hit), S_OK);
  EXPECT_EQ(Name(FromVariant(hit)), "inner");
  ASSERT_EQ(root->accHitTest(o.x + 5, o.y + 180, &hit), S_OK);  // empty area of the window
  EXPECT_EQ(hit.vt, VT_I4);
  EXPECT_EQ(hit.lVal, CHILDID_SELF);
  EXPECT_EQ(root->accHitTest(o.x - 50, o.y - 50, &hit), S_FALSE);
  EXPECT_EQ(hit.vt, VT_EMPTY);

  VARIANT end;
  ASSERT_EQ(root->accNavigate(NAVDIR_LASTCHILD, Self(), &end), S_OK);
  const ComPtr<IAccessible> lastNode = FromVariant(end);
  EXPECT_EQ(Name(lastNode), "last");
  ASSERT_EQ(lastNode->accNavigate(NAVDIR_PREVIOUS, Self(), &end), S_OK);  // back to the panel
  ASSERT_EQ(FromVariant(end)->accNavigate(NAVDIR_FIRSTCHILD, Self(), &end), S_OK);
  const ComPtr<IAccessible> innerNode = FromVariant(end);
  EXPECT_EQ(Name(innerNode), "inner");
  EXPECT_EQ(innerNode->accNavigate(NAVDIR_NEXT, Self(), &end), S_FALSE);
  IDispatch* parent = nullptr;
  ASSERT_EQ(innerNode->get_accParent(&parent), S_OK);
  long panelChildren = 0;
  ASSERT_EQ(FromDispatch(parent)->get_accChildCount(&panelChildren), S_OK);
  EXPECT_EQ(panelChildren, 1);

  VARIANT focus;
  ::SetFocus(hwnd);
  ASSERT_EQ(root->get_accFocus(&focus), S_OK);  // the window itself, no control
  EXPECT_EQ(focus.vt, VT_I4);
  EXPECT_EQ(focus.lVal, CHILDID_SELF);
  inner.SetFocus();
  ASSERT_EQ(root->get_accFocus(&focus), S_OK);
  EXPECT_EQ(Name(FromVariant(focus)), "inner");
  ASSERT_EQ(innerNode->get_accFocus(&focus), S_OK);
  EXPECT_EQ(focus.vt, VT_I4);
  EXPECT_EQ(lastNode->get_accFocus(&focus), S_FALSE);
  ASSERT_EQ(lastNode->accSelect(SELFLAG_TAKEFOCUS, Self()), S_OK);
  EXPECT_TRUE(last.HasFocus());
}

// At 144 DPI the controls are placed in units and the screen reader is told
// pixels: each control's place is the window's origin plus its rectangle
// scaled by its edges, and a hit test at a pixel finds the control drawn
// there. The controls sit at odd units, where a unit rectangle read as
// pixels would be off by a third.
TEST_F(AccessibleTreeTest, PlacesAndHitTestsAreInPixelsAtAScale) {
  BindOptions options;
  options.dpi = 144;
  Bind(options, 240, 200);
  window.Show();
  ColourControl label, panel, inner;
  ASSERT_TRUE(label.Create(hwnd, {21, 13, 33, 17}, OfClass(kLabelClassNumber)));
  ASSERT_TRUE(panel.Create(hwnd, {41, 43, 60, 50}));
  ASSERT_TRUE(inner.Create(&panel, {5, 7, 11, 9}, OfClass(kButtonClassNumber)));
  label.SetBaseText("label");
  inner.SetBaseText("inner");
  const ComPtr<IAccessible> root = Root();
  ASSERT_TRUE(root);
  const Point o = Origin();

  VARIANT hit;
  ASSERT_EQ(root->accHitTest(o.x + 90, o.y + 90, &hit), S_OK);
  const ComPtr<IAccessible> panelNode = FromVariant(hit);
  ASSERT_TRUE(panelNode);
  struct Row {
    const char* name;
    const ComPtr<IAccessible>* parent;
    long index;
    Rect pixels;  // client pixels
  };
  const Row rows[] = {
      {"label", &root, 1, {32, 20, 49, 25}},
      {"inner", &panelNode, 1, {69, 75, 17, 14}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const ComPtr<IAccessible> node = Child(*row.parent, row.index);
    ASSERT_TRUE(node);
    EXPECT_EQ(Name(node), row.name);
    long x = 0, y = 0, w = 0, h = 0;
    ASSERT_EQ(node->accLocation(&x, &y, &w, &h, Self()), S_OK);
    EXPECT_EQ(Rect(x, y, w, h), row.pixels.offset(o.x, o.y));
    const Point centre{o.x + row.pixels.x + row.pixels.width / 2, o.y + row.pixels.y + row.pixels.height / 2};
    ASSERT_EQ((*row.parent)->accHitTest(centre.x, centre.y, &hit), S_OK);
    EXPECT_EQ(Name(FromVariant(hit)), row.name);
  }
}

TEST_F(AccessibleTreeTest, FocusAndTickChangesAreAnnouncedAndTheEventLeadsToTheControl) {
  Bind();
  window.Show();
  ColourControl button;
  CheckButton check;
  ButtonOptions caption;
  caption.text = "提醒";
  ASSERT_TRUE(button.Create(hwnd, {20, 20, 60, 24}, OfClass(kButtonClassNumber)));
  ASSERT_TRUE(check.Create(hwnd, {20, 60, 100, 16}, caption));
  button.SetBaseText("工 具");
  const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_STATECHANGE, nullptr, RecordEvent,
                                             GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  SeenEvents().clear();
  button.SetFocus();
  check.SetTicked(true);
  const auto seen = [](DWORD event) {
    for (const SeenEvent& e : SeenEvents()) {
      if (e.event == event) return &e;
    }
    return static_cast<const SeenEvent*>(nullptr);
  };
  EXPECT_TRUE(PumpUntil([&] { return seen(EVENT_OBJECT_FOCUS) && seen(EVENT_OBJECT_STATECHANGE); }));
  UnhookWinEvent(hook);

  const struct {
    DWORD event;
    const char* name;
  } kCases[] = {{EVENT_OBJECT_FOCUS, "工 具"}, {EVENT_OBJECT_STATECHANGE, "提醒"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const SeenEvent* e = seen(c.event);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->window, hwnd);
    // What a screen reader does with the event: the object it names.
    ComPtr<IAccessible> object;
    VARIANT child;
    ASSERT_EQ(AccessibleObjectFromEvent(e->window, e->object, e->child, object.put(), &child), S_OK);
    BSTR name = nullptr;
    ASSERT_EQ(object->get_accName(child, &name), S_OK);
    EXPECT_EQ(Narrow(std::wstring(name, SysStringLen(name))), c.name);
    SysFreeString(name);
  }
}

TEST_F(AccessibleTreeTest, HeldObjectsAnswerDisconnectedOnceTheirControlOrWindowIsGone) {
  Bind();
  auto button = std::make_unique<ColourControl>();
  ColourControl stays;
  ASSERT_TRUE(button->Create(hwnd, {20, 20, 60, 24}, OfClass(kButtonClassNumber)));
  ASSERT_TRUE(stays.Create(hwnd, {20, 60, 60, 24}, OfClass(kButtonClassNumber)));
  const ComPtr<IAccessible> root = Root();
  ASSERT_TRUE(root);
  const ComPtr<IAccessible> gone = Child(root, 1), kept = Child(root, 2);

  button->Destroy();
  HRESULT status = S_OK;
  (void)Name(gone, &status);
  EXPECT_EQ(status, CO_E_OBJNOTCONNECTED);
  // A new control made in the same place is not the one the object stood for.
  button.reset();
  ColourControl newcomer;
  ASSERT_TRUE(newcomer.Create(hwnd, {20, 20, 60, 24}, OfClass(kButtonClassNumber)));
  EXPECT_EQ(gone->accDoDefaultAction(Self()), CO_E_OBJNOTCONNECTED);
  long count = 0;
  ASSERT_EQ(root->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 2);

  ASSERT_TRUE(DestroyWindow(hwnd));
  long x, y, w, h;
  EXPECT_EQ(root->accLocation(&x, &y, &w, &h, Self()), RPC_E_DISCONNECTED);
  EXPECT_EQ(root->get_accChildCount(&count), RPC_E_DISCONNECTED);
  VARIANT hit;
  EXPECT_EQ(root->accHitTest(0, 0, &hit), RPC_E_DISCONNECTED);
  (void)Name(kept, &status);
  EXPECT_EQ(status, RPC_E_DISCONNECTED);
  EXPECT_EQ(kept->accDoDefaultAction(Self()), RPC_E_DISCONNECTED);
}

}  // namespace
}  // namespace tabulo::ui::testing
