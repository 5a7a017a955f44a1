#pragma once
// ImageBox: one picture, drawn into the control rectangle by fill type
// (stretched by default, or as a nine-grid), over a clear colour and under
// an optional border. A multi-frame picture (an animated GIF) plays frame
// by frame with the delays stored in the file when animate is on.
//
// Frames run on a window timer whose id is the control: after a frame is
// painted the timer is armed with that frame's own delay, and its tick
// paints the next one. A picture change may fade in with the control's
// state transition; the frames stand still until the fade has finished.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "base/color/color.h"
#include "ui/canvas/drawing.h"
#include "ui/control/ui_control.h"
#include "ui/controls/image_frames.h"
#include "ui/controls/picture.h"
#include "ui/skin/fill_type.h"

namespace tabulo::ui {

struct ImageBoxOptions {
  bool animate = false;
  Argb clearColour = 0;  // 0: transparent
  bool fixShortDelays = true;
  FillType drawMode = FillType::kStretch;
  std::optional<GridMargins> grid;
  std::uint32_t border = kFrameNone;
  bool visible = true;
};

// How a new picture fades in: an easing curve (easing.h), a frame count
// and the time between frames.
struct PictureTransition {
  int curve = 1;
  int steps = 8;
  int intervalMs = 25;
};

class ImageBox : public UiControl {
 public:
  // Bytes GDI+ cannot decode leave the box without a picture.
  [[nodiscard]] bool Create(ControlParent parent, const Rect& rect, std::span<const std::uint8_t> picture,
                            const ImageBoxOptions& options = {});
  // With a still picture of the host window's theme package (element and
  // name as the skin looks pictures up); animate is off.
  [[nodiscard]] bool CreateFromPackage(ControlParent parent, const Rect& rect, std::string_view element,
                                       std::string_view name, const ImageBoxOptions& options = {});

  // The picture's file bytes (empty without a picture).
  [[nodiscard]] std::vector<std::uint8_t> PictureBytes() const;
  void SetPicture(std::span<const std::uint8_t> bytes, std::optional<PictureTransition> transition = std::nullopt);
  // A picture of the host window's theme package; false (and the picture
  // unchanged) when the package has none by that name.
  bool SetPackagePicture(std::string_view element, std::string_view name);
  // The same animation from a picture with more frames (the whole of which
  // the box was made with a lead-in, gif_lead_in.h): the frame on screen
  // and its timer stay, and the frame after it in the new picture comes
  // next. Bytes GDI+ cannot decode leave the box as it is.
  void ContinueWith(std::span<const std::uint8_t> bytes);
  // An image made in memory; the box owns it from now on.
  void SetImage(GdiplusPtr<Gdiplus::Bitmap> image);
  [[nodiscard]] const Picture* GetPicture() const { return picture_.get(); }

  [[nodiscard]] bool Animate() const { return animate_; }
  void SetAnimate(bool animate);  // also starts over at the first frame
  [[nodiscard]] Argb ClearColour() const { return clearColour_; }
  void SetClearColour(Argb colour);
  [[nodiscard]] std::uint32_t Border() const { return border_; }
  void SetBorder(std::uint32_t border);
  [[nodiscard]] FillType DrawMode() const { return drawMode_; }
  void SetDrawMode(FillType mode);
  [[nodiscard]] const std::optional<GridMargins>& Grid() const { return grid_; }
  void SetGrid(const std::optional<GridMargins>& grid);

  // Frames: count (1 for a still picture), the 1-based frame painted next,
  // the delays in hundredths of a second.
  [[nodiscard]] int FrameCount() const { return frames_.frameCount(); }
  [[nodiscard]] int CurrentFrame() const { return frames_.currentFrame(); }
  [[nodiscard]] const std::vector<int>& FrameDelays() const { return delays_; }
  // The period the frame timer is armed with, 0 when it is not armed.
  [[nodiscard]] int FrameTimerMs() const { return frameTimerMs_; }
  [[nodiscard]] bool InTransition() const { return transition_; }

 protected:
  LRESULT ClassHandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void ReadFrames();
  void Paint();
  [[nodiscard]] bool Animating() const { return frames_.Animates(animate_); }
  void ArmFrameTimer(int milliseconds);
  void DisarmFrameTimer();
  void Forget();
  template <class T>
  void Change(T& field, const T& value);

  Argb clearColour_ = 0;
  std::unique_ptr<Picture> picture_;
  bool animate_ = false;
  std::uint32_t border_ = kFrameNone;
  FrameSequence frames_;
  std::vector<int> delays_;
  FillType drawMode_ = FillType::kStretch;
  bool fixShortDelays_ = true;
  std::optional<GridMargins> grid_;
  bool transition_ = false;
  int frameTimerMs_ = 0;
};

}  // namespace tabulo::ui
