// A control's bookkeeping that needs no window: its handler table and the
// messages parked for it until the window's queue delivers them.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ui/control/control_messages.h"
#include "ui/control/engine_messages.h"
#include "ui/control/ui_object.h"

namespace tabulo::ui {
namespace {

struct Probe : UiObject {
  bool Fire(std::uint32_t message) { return DeliverEvent(EventArgs{nullptr, message}); }
};

TEST(EventTable, RebindingReplacesAndTheSenderIsTheObject) {
  Probe probe;
  std::vector<int> calls;
  probe.Bind(kMsgClicked, [&](const EventArgs&) { calls.push_back(1); return false; });
  probe.Bind(kMsgClicked, [&](const EventArgs& e) {
    calls.push_back(2);
    EXPECT_EQ(e.sender, &probe);
    return true;
  });
  EXPECT_TRUE(probe.Fire(kMsgClicked));
  EXPECT_EQ(calls, std::vector<int>{2});
  EXPECT_FALSE(probe.Fire(kMsgMouseEntered));
  probe.Bind(kMsgClicked, nullptr);
  EXPECT_FALSE(probe.HasHandler(kMsgClicked));
}

TEST(EventTable, AHandlerMayRebindItselfWhileItRuns) {
  Probe probe;
  auto token = std::make_shared<int>(0);
  probe.Bind(kMsgClicked, [&probe, &token, held = token](const EventArgs&) {
    probe.Bind(kMsgClicked, [](const EventArgs&) { return false; });  // replaces this very handler
    return token.use_count() == 2;  // `held` (this handler's capture) must live until it returns
  });
  EXPECT_TRUE(probe.Fire(kMsgClicked));
  EXPECT_FALSE(probe.Fire(kMsgClicked));
}

TEST(ControlMessages, ParkedMessagesAreTakenOnceAndDroppedWithTheirControl) {
  ControlMessageQueue queue;
  auto* a = reinterpret_cast<UiControl*>(std::uintptr_t{0x1000});
  auto* b = reinterpret_cast<UiControl*>(std::uintptr_t{0x2000});
  const std::uint64_t first = queue.Park({a, kMsgClicked, 1, 2});
  const std::uint64_t second = queue.Park({b, kMsgRepaint, 0, 0});
  const std::uint64_t third = queue.Park({a, kMsgHidden, 0, 0});
  EXPECT_NE(first, 0u);
  EXPECT_NE(first, second);

  const auto taken = queue.Take(first);
  ASSERT_TRUE(taken);
  EXPECT_EQ(taken->target, a);
  EXPECT_EQ(taken->lParam, 2);
  EXPECT_FALSE(queue.Take(first));     // delivered once only
  EXPECT_FALSE(queue.Take(0xBADu));    // a forged id finds nothing

  queue.DropFor(a);                    // a was destroyed before its message arrived
  EXPECT_FALSE(queue.Take(third));
  EXPECT_TRUE(queue.Take(second));
  EXPECT_EQ(queue.size(), 0u);
}

}  // namespace
}  // namespace tabulo::ui
