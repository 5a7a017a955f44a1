// The engine's bookkeeping that needs no window: handler tables, messages
// parked for controls, icon files, resize zones, caption layout and the text
// colour rules.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "base/color/text_colours.h"
#include "ui/control/control_messages.h"
#include "ui/control/ui_object.h"
#include "ui/control/engine_messages.h"
#include "ui/engine/icon_file.h"
#include "ui/window/caption_layout.h"
#include "ui/window/sizing_zones.h"

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

std::vector<std::uint8_t> IconFile(std::uint16_t type, std::uint16_t count, std::uint32_t size, std::uint32_t offset) {
  std::vector<std::uint8_t> f = {0, 0, static_cast<std::uint8_t>(type), 0, static_cast<std::uint8_t>(count), 0};
  const std::uint8_t entry[16] = {32,
                                  0,  // width 32, height 0 (= 256)
                                  0,
                                  0,
                                  5,
                                  0,
                                  9,
                                  0,  // hotspot 5, 9 (planes/bit count in an icon file)
                                  static_cast<std::uint8_t>(size),
                                  0,
                                  0,
                                  0,
                                  static_cast<std::uint8_t>(offset),
                                  0,
                                  0,
                                  0};
  f.insert(f.end(), entry, entry + 16);
  for (std::uint32_t i = 0; i < size; ++i) f.push_back(static_cast<std::uint8_t>(0xA0 + i));
  return f;
}

TEST(IconFile, ReadsTheEntryAndPutsTheHotspotInFrontForCursors) {
  const auto icon = ReadIconFileImage(IconFile(1, 1, 3, 22), 1);
  ASSERT_TRUE(icon);
  EXPECT_EQ(icon->width, 32);
  EXPECT_EQ(icon->height, 256);
  EXPECT_EQ(icon->resource, (std::vector<std::uint8_t>{0xA0, 0xA1, 0xA2}));
  const auto cursor = ReadIconFileImage(IconFile(2, 1, 3, 22), 1);
  ASSERT_TRUE(cursor);
  EXPECT_TRUE(cursor->cursorFile);
  EXPECT_EQ(cursor->resource, (std::vector<std::uint8_t>{5, 0, 9, 0, 0xA0, 0xA1, 0xA2}));
}

TEST(IconFile, RefusesIndexesBeyondTheCountAndEntriesOutsideTheFile) {
  EXPECT_FALSE(ReadIconFileImage(IconFile(1, 1, 3, 22), 2));
  EXPECT_FALSE(ReadIconFileImage(IconFile(1, 1, 3, 22), 0));
  EXPECT_FALSE(ReadIconFileImage(IconFile(1, 2, 3, 22), 2));   // count says 2, the file holds one entry
  EXPECT_FALSE(ReadIconFileImage(IconFile(1, 1, 3, 200), 1));  // data offset past the end
  auto truncated = IconFile(1, 1, 3, 22);
  truncated.pop_back();
  EXPECT_FALSE(ReadIconFileImage(truncated, 1));
  EXPECT_FALSE(ReadIconFileImage({}, 1));
}

TEST(SizingZones, BandsInsideTheContentEdgeWithWiderCorners) {
  const Rect content{10, 10, 100, 80};  // 10..109 x 10..89
  struct Case {
    Point p;
    bool layered;
    SizingZone expected;
  };
  const Case kCases[] = {
      {{10, 50}, false, SizingZone::kLeft},        {{12, 50}, false, SizingZone::kLeft},
      {{13, 50}, false, SizingZone::kNone},        {{11, 50}, true, SizingZone::kNone},
      {{109, 50}, true, SizingZone::kRight},       {{60, 10}, false, SizingZone::kTop},
      {{60, 89}, false, SizingZone::kBottom},      {{14, 10}, false, SizingZone::kTopLeft},
      {{15, 10}, false, SizingZone::kTop},         {{10, 14}, false, SizingZone::kTopLeft},
      {{109, 10}, true, SizingZone::kTopRight},    {{107, 10}, true, SizingZone::kTopRight},
      {{10, 89}, true, SizingZone::kBottomLeft},   {{109, 89}, false, SizingZone::kBottomRight},
      {{9, 50}, false, SizingZone::kNone},         // in the shadow band
      {{60, 50}, false, SizingZone::kNone},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.p.x << "," << c.p.y << (c.layered ? " layered" : " opaque"));
    EXPECT_EQ(SizingZoneAt(c.p, content, c.layered), c.expected);
  }
  EXPECT_EQ(SizingCursorId(SizingZone::kTopRight), 32643);
  EXPECT_EQ(SizingCursorId(SizingZone::kBottom), 32645);
}

TEST(CaptionLayout, ButtonsRunLeftwardsFromTheOffsetAndTheIconIsCentred) {
  const Rect content{8, 6, 300, 200};
  const CaptionButtonSize sizes[] = {{CaptionButton::kClose, {30, 20}}, {CaptionButton::kMin, {25, 20}}};
  const auto placed = LayoutCaptionButtons(content, 4, 2, sizes);
  ASSERT_EQ(placed.size(), 2u);
  EXPECT_EQ(placed[0].rect, (Rect{274, 8, 30, 20}));
  EXPECT_EQ(placed[1].rect, (Rect{249, 8, 25, 20}));
  EXPECT_EQ(CaptionIconRect(content, 30), (Rect{15, 13, 16, 16}));
  EXPECT_EQ(CaptionIconRect(content, 10), (Rect{8, 6, 16, 16}));
}

TEST(TextColours, OpaqueTextIsDrawnWith254AndTheEffectColourFollowsTheText) {
  EXPECT_EQ(TextDrawColour(0xFF102030u), 0xFE102030u);
  EXPECT_EQ(TextDrawColour(0x80102030u), 0x80102030u);
  EXPECT_EQ(AutomaticEffectColour(0xFF000000u), kLightEffect);  // dark opaque text: white halo
  EXPECT_EQ(AutomaticEffectColour(0xFFFFFFFFu), kDarkEffect);
  EXPECT_EQ(AutomaticEffectColour(0x80000000u), kDarkEffect);   // dark but not opaque enough
  // Red weighs 0.299 and blue 0.114 (ARGB keeps red in the third byte).
  EXPECT_EQ(AutomaticEffectColour(0xFFFFC800u), kDarkEffect);   // 255 red, 200 green: light
  EXPECT_EQ(AutomaticEffectColour(0xFF00C8FFu), kLightEffect);  // 200 green, 255 blue: dark
}

}  // namespace
}  // namespace tabulo::ui
