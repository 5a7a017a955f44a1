#include "app/forms/app_windows.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace tabulo::app {
namespace {

TEST(AppWindowListTest, ClosesTheTenWindowsThenTheStartupWindowThenTheBarSkippingEmptyEntries) {
  AppWindowList list;
  // Stored in an order unlike the closing order.
  list.Store(FormId::kBar, 1);
  list.Store(FormId::kStartupWindow, 2);
  list.Store(FormId::kSettingsWindow, 3);
  list.Store(FormId::kToolWindow, 4);
  list.Store(FormId::kReminderPopup, 5);
  list.Store(FormId::kSubjectPicker, 6);
  EXPECT_EQ(list.CloseOrder(), (std::vector<AppWindowList::Handle>{5, 6, 4, 3, 2, 1}));
}

// Both are found like every other window, so they open only once, but the
// exit routine leaves them open.
TEST(AppWindowListTest, HoldsTheTimerWindowAndTheClassTimeAdjustmentButNeverClosesThem) {
  AppWindowList list;
  list.Store(FormId::kTimerWindow, 7);
  list.Store(FormId::kClassTimeAdjustment, 8);
  list.Store(FormId::kBar, 1);
  EXPECT_EQ(list.Get(FormId::kTimerWindow), 7u);
  EXPECT_EQ(list.Get(FormId::kClassTimeAdjustment), 8u);
  EXPECT_EQ(list.CloseOrder(), (std::vector<AppWindowList::Handle>{1}));
}

TEST(AppWindowListTest, ForgetsAHandleOnlyWhileItsEntryStillHoldsIt) {
  AppWindowList list;
  list.Store(FormId::kTimetableEditor, 10);
  list.Store(FormId::kTimetableEditor, 11);  // a newer editor
  list.Forget(FormId::kTimetableEditor, 10);
  EXPECT_EQ(list.Get(FormId::kTimetableEditor), 11u);
  list.Forget(FormId::kTimetableEditor, 11);
  EXPECT_EQ(list.Get(FormId::kTimetableEditor), 0u);
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
