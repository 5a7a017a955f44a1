#pragma once
// ImageButton: a Button that draws five pictures of its own (normal, hot,
// pressed, focus, disabled) instead of the theme's "Button" element. A
// state without a picture shows the normal one; with no pictures at all it
// draws no background, which makes icon-only buttons and text links. While
// disabled it shows the disabled picture, and when it has one, the caption
// turns grey.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "ui/controls/button.h"
#include "ui/skin/fill_type.h"

namespace tabulo::ui {

inline constexpr Argb kDisabledCaptionColour = 0xFF606060;

enum class ButtonImage { kNormal, kHot, kPressed, kFocus, kDisabled };

struct ButtonImageBytes {
  std::span<const std::uint8_t> normal, hot, pressed, focus, disabled;
};

class ImageButton : public Button {
 public:
  [[nodiscard]] bool Create(ControlParent parent, const Rect& rect, const ButtonOptions& options = {});

  // Picture file bytes; empty bytes remove the picture.
  [[nodiscard]] std::vector<std::uint8_t> ImageBytes(ButtonImage which) const;
  void SetImage(ButtonImage which, std::span<const std::uint8_t> bytes);
  // Sets the five pictures; a missing one (empty bytes) stays as it was.
  void SetImages(const ButtonImageBytes& images, std::optional<FillType> drawMode = std::nullopt,
                 std::optional<GridMargins> grid = std::nullopt);

  // How the pictures fill the button (stretched after Create) and their
  // nine-grid margins.
  [[nodiscard]] FillType ImageDrawMode() const { return drawMode_; }
  void SetImageDrawMode(FillType mode);
  [[nodiscard]] const std::optional<GridMargins>& ImageGrid() const { return grid_; }
  void SetImageGrid(const std::optional<GridMargins>& grid);

 protected:
  bool PreClassHook(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool BackgroundHook(Gdiplus::Graphics& graphics, const RectF& rect, int state) override;
  bool CaptionHook(Gdiplus::Graphics& graphics, const RectF& caption, Argb& colour) override;

 private:
  [[nodiscard]] const Picture* ImageFor(int state) const;
  [[nodiscard]] const Picture* Image(ButtonImage which) const { return images_[static_cast<int>(which)].get(); }

  std::array<std::unique_ptr<Picture>, 5> images_;
  FillType drawMode_ = FillType::kStretch;
  std::optional<GridMargins> grid_;
};

}  // namespace tabulo::ui
