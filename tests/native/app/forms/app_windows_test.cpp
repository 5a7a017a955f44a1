#include "app/forms/app_windows.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace tabulo::app {
namespace {

TEST(AppWindowListTest, ClosesTheTenWindowsThenTheStartupWindowThenTheBarSkippingEmptyEntries) {
  AppWindowList list;
  // Stored in an order unlike the closing order.
  list.Store(AppWindow::kBar, 1);
  list.Store(AppWindow::kStartupWindow, 2);
  list.Store(AppWindow::kSettingsWindow, 3);
  list.Store(AppWindow::kToolWindow, 4);
  list.Store(AppWindow::kReminderPopup, 5);
  list.Store(AppWindow::kSubjectPicker, 6);
  EXPECT_EQ(list.CloseOrder(), (std::vector<AppWindowList::Handle>{5, 6, 4, 3, 2, 1}));
}

TEST(AppWindowListTest, ForgetsAHandleOnlyWhileItsEntryStillHoldsIt) {
  AppWindowList list;
  list.Store(AppWindow::kTimetableEditor, 10);
  list.Store(AppWindow::kTimetableEditor, 11);  // a newer editor
  list.Forget(AppWindow::kTimetableEditor, 10);
  EXPECT_EQ(list.Get(AppWindow::kTimetableEditor), 11u);
  list.Forget(AppWindow::kTimetableEditor, 11);
  EXPECT_EQ(list.Get(AppWindow::kTimetableEditor), 0u);
  EXPECT_TRUE(list.CloseOrder().empty());
}

TEST(AppWindowListTest, EveryFormButTheTimerWindowAndTheClassTimeAdjustmentHasItsOwnEntry) {
  std::vector<AppWindow> seen;
  for (int id = 1; id <= kFormCount; ++id) {
    const auto form = static_cast<FormId>(id);
    SCOPED_TRACE(id);
    const std::optional<AppWindow> entry = AppWindowOfForm(form);
    const bool excluded = form == FormId::kTimerWindow || form == FormId::kClassTimeAdjustment;
    ASSERT_EQ(entry.has_value(), !excluded);
    if (!entry) continue;
    EXPECT_EQ(std::count(seen.begin(), seen.end(), *entry), 0) << "two forms share an entry";
    EXPECT_NE(*entry, AppWindow::kSpare1);
    EXPECT_NE(*entry, AppWindow::kSpare2);
    seen.push_back(*entry);
  }
  EXPECT_EQ(AppWindowOfForm(FormId::kBar), AppWindow::kBar);
  EXPECT_EQ(AppWindowOfForm(FormId::kStartupWindow), AppWindow::kStartupWindow);
  EXPECT_EQ(AppWindowOfForm(FormId::kSubjectPicker), AppWindow::kSubjectPicker);
}

}  // namespace
}  // namespace tabulo::app
