#include "app/forms/form_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tabulo::app {
namespace {

// Looking a control up by name is checked while compiling.
static_assert(FormControlOf(FormId::kBar, "按钮_工具").text == "工具");
static_assert(FormControlOf(FormId::kRandomDraw, "随机时钟_重复模式").kind == ControlKind::kTimer);

TEST(FormCatalogue, EveryFormIsFoundUnderItsOwnId) {
  ASSERT_EQ(AllForms().size(), static_cast<std::size_t>(kFormCount));
  for (int n = 1; n <= kFormCount; ++n) {
    EXPECT_EQ(static_cast<int>(GetForm(static_cast<FormId>(n)).id), n);
  }
}

TEST(FormCatalogue, NamesAreUniqueAndContainersAreGroupBoxesOfTheSameForm) {
  for (const Form& form : AllForms()) {
    SCOPED_TRACE(static_cast<int>(form.id));
    std::set<std::string_view> names;
    for (const FormControl& control : form.controls) {
      SCOPED_TRACE(std::string(control.name));
      EXPECT_TRUE(names.insert(control.name).second) << "duplicate name";
      if (control.container.empty()) continue;
      const FormControl* box = form.Find(control.container);
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->kind, ControlKind::kGroupBox);
      EXPECT_TRUE(box->container.empty()) << "group boxes sit in the window itself";
    }
  }
}

// The bar stacks the eight period labels 64 pixels apart and attaches the
// tool window to the bar's size; the reminder reads rows by these positions.
TEST(FormCatalogue, BarLayoutTheBarCodeDependsOn) {
  const Form& bar = GetForm(FormId::kBar);
  EXPECT_EQ(bar.client_size, (Size{146, 702}));
  EXPECT_FALSE(bar.visible_when_created);
  for (int n = 1; n <= 8; ++n) {
    const FormControl* label = bar.Find("标签" + std::to_string(n));
    ASSERT_NE(label, nullptr) << n;
    EXPECT_EQ(label->rect, (Rect{13, 16 + 64 * (n - 1), 104, 48})) << n;
  }
  EXPECT_EQ(bar.Find("按钮_工具")->rect, (Rect{17, 632, 96, 28}));
  EXPECT_EQ(bar.Find("北京时钟")->period_ms, 500);
  EXPECT_EQ(bar.Find("提示时钟")->period_ms, 5000);
}

TEST(FormCatalogue, ControlsInsideGroupBoxesAreMovedIntoTheClientArea) {
  const Form& settings = GetForm(FormId::kSettingsWindow);
  EXPECT_EQ(settings.ClientRect(*settings.Find("选择框2")), (Rect{24 + 176, 16 + 24, 112, 24}));
  EXPECT_EQ(settings.ClientRect(*settings.Find("编辑框1")), (Rect{24 + 74, 88 + 21, 80, 24}));
  EXPECT_EQ(settings.ClientRect(*settings.Find("按钮1")), (Rect{216, 216, 64, 24}));
}

TEST(FormCatalogue, UnknownNamesAreNotFound) {
  EXPECT_EQ(GetForm(FormId::kBar).Find("标签12"), nullptr);
  EXPECT_EQ(GetForm(FormId::kBar).Find(""), nullptr);
  EXPECT_EQ(GetForm(FormId::kAboutWindow).Find("按钮2"), nullptr);
}

}  // namespace
}  // namespace tabulo::app
