// The pure rules of the control tree: z-order moves, tab-order insertion,
// anchors, and from a dirty rectangle to the window area to recompose.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/control/anchors.h"
#include "ui/control/control_order.h"
#include "ui/control/dirty_rect.h"

namespace tabulo::ui {
namespace {

struct Item {
  char name;
  int index = 0;
};

std::string Names(const std::vector<Item*>& list) {
  std::string out;
  for (const Item* i : list) out += i->name;
  return out;
}

TEST(ZOrder, EveryKindOfMove) {
  struct Case {
    char item;
    ZOrder order;
    const char* expected;
  };
  using enum ZOrder;
  const Case kCases[] = {
      {'c', kFirst, "cabde"},  {'c', kLast, "abdec"},   {'c', kDown, "acbde"},
      {'c', kUp, "abdce"},     {'d', kSecond, "adbce"}, {'b', kSecondToLast, "acdbe"},
      {'a', kDown, "abcde"},   {'e', kUp, "abcde"},     {'e', kSecond, "aebcd"},
      {'a', kSecondToLast, "bcdae"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.item << " order " << static_cast<int>(c.order));
    Item items[] = {{'a'}, {'b'}, {'c'}, {'d'}, {'e'}};
    std::vector<Item*> list;
    for (Item& i : items) list.push_back(&i);
    ASSERT_TRUE(MoveInZOrder(list, &items[c.item - 'a'], c.order));
    EXPECT_EQ(Names(list), c.expected);
  }
}

TEST(ZOrder, UnknownOrderOrStrangerChangesNothing) {
  Item a{'a'}, b{'b'}, stranger{'x'};
  std::vector<Item*> list{&a, &b};
  EXPECT_FALSE(MoveInZOrder(list, &a, static_cast<ZOrder>(7)));
  EXPECT_FALSE(MoveInZOrder(list, &stranger, ZOrder::kFirst));
  EXPECT_EQ(Names(list), "ab");
}

TEST(TabOrder, InsertsBeforeTheFirstGreaterIndexSoEqualIndexGoesAfter) {
  Item a{'a', 1}, b{'b', 3}, c{'c', 5}, d{'d', 3}, e{'e', 0};
  std::vector<Item*> order;
  const auto index = [](const Item* i) { return i->index; };
  for (Item* i : {&a, &b, &c, &d, &e}) InsertInTabOrder(order, i, index);
  EXPECT_EQ(Names(order), "eabdc");
  // Re-indexing moves a control out of its old place.
  a.index = 4;
  InsertInTabOrder(order, &a, index);
  EXPECT_EQ(Names(order), "ebdac");
}

TEST(Anchors, KeepTheDistancesToTheAnchoredEdges) {
  const Rect rect{10, 20, 30, 40};  // right 40, bottom 60
  const Size parent{100, 100};
  struct Case {
    AnchorRequest request;
    Rect expected;  // after the parent grew to 150 x 120
  };
  const Case kCases[] = {
      {{true, true, {}, {}}, {10, 20, 30, 40}},          // left/top: stays
      {{{}, {}, true, {}}, {60, 20, 30, 40}},            // right only: moves with the edge
      {{true, {}, true, {}}, {10, 20, 80, 40}},          // left and right: stretches
      {{{}, true, {}, true}, {10, 20, 30, 60}},          // top and bottom: stretches
      {{{}, {}, true, true}, {60, 40, 30, 40}},          // bottom-right corner
      {{}, {10, 20, 30, 40}},                            // no anchor: stays
  };
  for (const Case& c : kCases) {
    const Anchors anchors = SetAnchors({}, c.request, rect, parent);
    EXPECT_EQ(ApplyAnchors(anchors, rect, Size{150, 120}), c.expected);
  }
}

TEST(Anchors, StretchingNeverGivesANegativeSizeAndFalseClearsAnAnchor) {
  Anchors anchors = SetAnchors({}, {true, {}, true, {}}, Rect{10, 0, 30, 10}, Size{100, 50});
  EXPECT_EQ(ApplyAnchors(anchors, Rect{10, 0, 30, 10}, Size{40, 50}).width, 0);
  anchors = SetAnchors(anchors, {{}, {}, false, {}}, Rect{10, 0, 30, 10}, Size{100, 50});
  EXPECT_EQ(anchors.bits, kAnchorLeft);
}

TEST(DirtyRect, CoversPartialPixelsAndIsCutToTheWindow) {
  EXPECT_EQ(CoveringPixels({1.5f, 2.25f, 3.0f, 1.0f}), (Rect{1, 2, 4, 2}));
  EXPECT_EQ(DirtyWindowRect({0, 0, 20, 10}, {30, 40}, {200, 100}), (Rect{30, 40, 20, 10}));
  EXPECT_EQ(DirtyWindowRect({0, 0, 20, 10}, {190, 95}, {200, 100}), (Rect{190, 95, 10, 5}));
  EXPECT_EQ(DirtyWindowRect({0, 0, 20, 10}, {-15, -5}, {200, 100}), (Rect{0, 0, 5, 5}));
  EXPECT_FALSE(DirtyWindowRect({0, 0, 20, 10}, {200, 0}, {200, 100}));
  EXPECT_FALSE(DirtyWindowRect({0, 0, 0, 10}, {10, 10}, {200, 100}));
}

}  // namespace
}  // namespace tabulo::ui
