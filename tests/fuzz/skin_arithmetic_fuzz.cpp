// The skin's arithmetic on any numbers a theme or a window can hand it
// (floats including NaN and infinities, ints at the ends of their range):
// nothing overflows and no float is cast out of range. Where the inputs are
// what a sound theme gives, the nine pieces cover the target exactly.
#include "fuzz_input.h"
#include "ui/controls/scroll_bar_logic.h"
#include "ui/skin/nine_grid.h"
#include "ui/skin/theme_table.h"
#include "ui/skin/window_skin_values.h"

using namespace tabulo;
using namespace tabulo::ui;
using tabulo::fuzz::Check;

namespace {

RectF Floats(fuzz::FuzzInput& in) {
  return {in.Number<float>(), in.Number<float>(), in.Number<float>(), in.Number<float>()};
}

Rect Ints(fuzz::FuzzInput& in) { return {in.Number<int>(), in.Number<int>(), in.Number<int>(), in.Number<int>()}; }

// Total area of the drawable target pieces, in 64 bits.
std::int64_t CoveredArea(const std::array<NineGridPiece, 9>& pieces) {
  std::int64_t area = 0;
  for (const NineGridPiece& piece : pieces) {
    if (piece.drawable()) area += std::int64_t{piece.target.width} * piece.target.height;
  }
  return area;
}

class NoView final : public ScrollBarView {
 public:
  bool IsVisible() const override { return true; }
  void SetVisible(bool) override {}
  void DrawPieces(const std::vector<ScrollBarPiece>&) override {}
  void SetFadeFrames(int) override {}
  void StartRepeatTimer(int) override {}
  void StopRepeatTimer() override {}
  void Scrolled(int, ScrollCode) override {}
  void Invalidate() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput in(data, size);

  // A picture area and grid as the package stores them, cut to pixels.
  const Rect area = TruncateRect(Floats(in));
  const Rect grid = TruncateRect(Floats(in));
  const Rect target = Ints(in);
  const Size picture{area.width, area.height};
  const auto pieces = NineGridPieces(picture, grid, target);
  // Sound: the grid lies in the picture with a centre to stretch (a centre
  // of no pixels leaves the stretched parts empty), and the target is at
  // least the picture's size.
  const bool sound = !area.empty() && !grid.empty() && LiesInside(grid, picture) && target.width >= picture.width &&
                     target.height >= picture.height && target.width <= 1 << 14 && target.height <= 1 << 14;
  if (sound) {
    Check(CoveredArea(pieces) == std::int64_t{target.width} * target.height, "pieces cover the target once");
  }

  // A window's shadow margins from a theme table, and the geometry from them.
  ThemeTable table;
  table.Set(RectKey(kHostWindowShadow, "margin"), Ints(in));
  table.Set(TextKey(kHostWindowShadow, "cycaption"), in.Text(12));
  const WindowSkinValues skin = ReadWindowSkin(&table, false);
  const Size window{in.Number<int>(), in.Number<int>()};
  (void)ContentRect(window, skin.margins);
  (void)ContentRect(window, {in.Number<int>(), in.Number<int>(), in.Number<int>(), in.Number<int>()});
  (void)MaximisedWindowRect(Ints(in), skin.margins);
  (void)CaptionIconOffset(skin.captionHeight);

  // The scroll bar laid out from a theme's picture sizes.
  const ScrollBarSkinMetrics metrics{{in.Number<float>(), in.Number<float>()},
                                     {in.Number<float>(), in.Number<float>()},
                                     Floats(in)};
  NoView view;
  const Size bar{in.Number<std::uint16_t>() % 4096, in.Number<std::uint16_t>() % 4096};
  ScrollBarSettings settings;
  settings.horizontal = bar.width > bar.height;
  ScrollBarLogic logic(view, settings, bar, metrics);
  logic.Paint(kScrollIdle);
  (void)logic.HitTest({bar.width / 2, bar.height / 2});
  return 0;
}
