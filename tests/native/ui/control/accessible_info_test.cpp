// The pure rules of what screen readers are told: captions without their
// access-key marks, and edit fields named by the label before them.
#include "ui/control/accessible_info.h"

#include <gtest/gtest.h>

#include <vector>

namespace tabulo::ui {
namespace {

TEST(AccessibleInfoTest, CaptionsLoseTheirAccessKeyMarks) {
  const struct {
    const char* caption;
    const char* spoken;
  } kCases[] = {
      {"关于(&A)", "关于(A)"}, {"&Save", "Save"},  {"Fish && Chips", "Fish & Chips"},
      {"&&&x", "&x"},           {"end&", "end"},     {"工 具", "工 具"},
      {"", ""},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(WithoutAccessKeyMarks(c.caption), c.spoken);
  }
}

TEST(AccessibleInfoTest, AnUnnamedFieldTakesTheLabelJustBeforeIt) {
  using R = AccessibleRole;
  const auto field = [](std::string name = {}) { return AccessibleInfo{R::kEditableText, std::move(name)}; };
  const auto item = [](R role, std::string name) { return AccessibleInfo{role, std::move(name)}; };
  const struct {
    const char* what;
    std::vector<AccessibleInfo> siblings;
    std::vector<std::string> names;
  } kCases[] = {
      {"label then field", {item(R::kStaticText, "起始"), field()}, {"起始", "起始"}},
      {"two pairs", {item(R::kStaticText, "从"), field(), item(R::kStaticText, "到"), field()}, {"从", "从", "到", "到"}},
      {"a picture between is skipped", {item(R::kStaticText, "学号"), item(R::kGraphic, ""), field()}, {"学号", "", "学号"}},
      {"a button between breaks the pair", {item(R::kStaticText, "a"), item(R::kPushButton, "b"), field()}, {"a", "b", ""}},
      {"a named field keeps its name", {item(R::kStaticText, "a"), field("own")}, {"a", "own"}},
      {"a field first has no label", {field(), item(R::kStaticText, "after")}, {"", "after"}},
  };
  for (auto c : kCases) {
    SCOPED_TRACE(c.what);
    NameFieldsByTheirLabels(c.siblings);
    std::vector<std::string> names;
    for (const AccessibleInfo& info : c.siblings) names.push_back(info.name);
    EXPECT_EQ(names, c.names);
  }
}

}  // namespace
}  // namespace tabulo::ui
