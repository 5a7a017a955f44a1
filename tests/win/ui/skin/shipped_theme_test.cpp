// The packages the build lays out in the run directory: they open, answer
// every key the windows and controls ask for, and every picture lies inside
// its image.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ui/skin/skin_draw.h"
#include "win/ui/skin/skin_fixture.h"

namespace tabulo::ui {
namespace {

std::unique_ptr<ResourcePackage> OpenShipped(const char* name) {
  test::StartGdiplus();
  std::ifstream in(std::filesystem::path(TABULO_DIST_DIR) / name, std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
  return ResourcePackage::Open(bytes, "");
}

enum Kind { kText, kRect, kPicture };
struct Key {
  std::string element;
  std::string name;
  Kind kind;
};

std::vector<Key> KeysTheProgramReads() {
  std::vector<Key> keys;
  const auto add = [&](const std::string& element, std::initializer_list<const char*> names, Kind kind) {
    for (const char* name : names) keys.push_back({element, name, kind});
  };
  for (const char* shadow : {"SysShadow.HostWnd", "SysShadow.SubWnd"}) {
    add(shadow, {"margin"}, kRect);
    add(shadow, {"rect", "gird"}, kPicture);
    add(shadow, {"rectround", "crborder", "cycaption"}, kText);
  }
  add("SysShadow.Menu", {"margin"}, kRect);
  add("SysShadow.Menu", {"rect", "gird", "checkrect", "arrow"}, kPicture);
  add("SysShadow.Menu", {"left_text", "left_icon", "left_cutline", "right_cutline", "crhighlight"}, kText);
  add("SysButton", {"offsetright", "top"}, kText);
  for (const char* kind : {"Close", "Max", "Restore", "Min", "Menu", "Skn", "Report", "Setting"}) {
    add(std::string("SysButton.") + kind, {"normal", "highlight", "down"}, kPicture);
    add(std::string("SysButton.") + kind, {"size"}, kRect);
  }
  add("Button", {"normal", "highlight", "down", "focus", "gird"}, kPicture);
  add("Button", {"margin"}, kRect);
  for (const char* box : {"CheckButton", "RadioButton"}) {
    add(box, {"normal", "highlight", "down", "normal_ck", "highlight_ck", "down_ck"}, kPicture);
    add(box, {"size"}, kRect);
  }
  add("RadioButton", {"focus", "focus_ck"}, kPicture);
  add("Edit", {"normal", "highlight", "focus", "gird"}, kPicture);
  add("Edit", {"margin"}, kRect);
  for (const std::string prefix : {"h_", "v_"}) {
    for (const std::string part : prefix == "h_" ? std::vector<std::string>{"left_", "right_"}
                                                  : std::vector<std::string>{"up_", "down_"})
      for (const char* state : {"normal", "highlight", "down"})
        add("ScrollBar", {(prefix + part + state).c_str()}, kPicture);
    for (const char* name : {"bg", "bg_gird", "normal", "highlight", "down", "gird"})
      add("ScrollBar", {(prefix + name).c_str()}, kPicture);
  }
  add("MenuItem", {"normal", "highlight"}, kPicture);
  return keys;
}

TEST(ShippedTheme, AnswersEveryKeyTheProgramReads) {
  for (const char* file : {"User Interface.ext", "Default.ext"}) {
    SCOPED_TRACE(file);
    const auto package = OpenShipped(file);
    ASSERT_TRUE(package) << "the build lays it out in " << TABULO_DIST_DIR;
    for (const Key& key : KeysTheProgramReads()) {
      SCOPED_TRACE(key.element + " " + key.name);
      switch (key.kind) {
        case kText: EXPECT_TRUE(package->Text(key.element, key.name)); break;
        case kRect: EXPECT_TRUE(package->IntRect(key.element, key.name)); break;
        case kPicture: EXPECT_TRUE(package->Picture(key.element, key.name)); break;
      }
    }
    // Arrows are drawn centred: a plain nine-grid would override that.
    EXPECT_FALSE(package->Picture("ScrollBar", "gird"));
  }
}

TEST(ShippedTheme, EveryPictureLiesInsideItsImageAndHoldsItsGrid) {
  const auto package = OpenShipped("User Interface.ext");
  ASSERT_TRUE(package);
  int pictures = 0;
  for (const auto& [key, value] : package->Table().Entries()) {
    const auto* picture = std::get_if<SkinPicture>(&value);
    if (!picture || picture->image == 0) continue;  // image 0: a nine-grid centre
    SCOPED_TRACE(key);
    ++pictures;
    Gdiplus::Bitmap* image = package->Image(picture->image);
    ASSERT_TRUE(image);
    const RectF& a = picture->area;
    EXPECT_TRUE(a.x >= 0 && a.y >= 0 && a.width > 0 && a.height > 0 && a.x + a.width <= image->GetWidth() &&
                a.y + a.height <= image->GetHeight());
  }
  EXPECT_GE(pictures, 80);
  // The state pictures of a nine-grid element are large enough for its grid.
  for (const char* element : {"Button", "Edit", "MenuItem", "SysShadow.HostWnd", "SysShadow.SubWnd", "SysShadow.Menu"}) {
    SCOPED_TRACE(element);
    const auto grid = package->Picture(element, "gird");
    ASSERT_TRUE(grid);
    for (const char* state : {"normal", "highlight", "rect"}) {
      if (const auto picture = package->Picture(element, state)) {
        EXPECT_LT(grid->area.x + grid->area.width, picture->area.width);
        EXPECT_LT(grid->area.y + grid->area.height, picture->area.height);
      }
    }
  }
}

TEST(ShippedTheme, DrawsAButtonFromEdgeToEdge) {
  const auto package = OpenShipped("User Interface.ext");
  ASSERT_TRUE(package);
  test::Surface s(120, 40);
  ASSERT_TRUE(DrawSkinElement(package.get(), *s.graphics, "Button", {0, 0, 120, 40}, 0));
  for (const Point p : {Point{60, 0}, Point{60, 39}, Point{0, 20}, Point{119, 20}, Point{60, 20}})
    EXPECT_EQ(s.at(p.x, p.y) >> 24, 0xFFu) << p.x << "," << p.y;
}

}  // namespace
}  // namespace tabulo::ui
