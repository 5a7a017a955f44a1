#include "ui/controls/picture.h"

#include <cstring>

#include "ui/controls/image_frames.h"
#include "ui/skin/picture_size.h"
#include "ui/skin/skin_draw.h"

namespace tabulo::ui {
namespace {

// {6AEDBD6D-3FB5-418A-83A6-7F45229DC872}: GDI+'s time frame dimension.
constexpr GUID kFrameDimensionTime = {0x6aedbd6d, 0x3fb5, 0x418a, {0x83, 0xa6, 0x7f, 0x45, 0x22, 0x9d, 0xc8, 0x72}};
// {B96B3CAF-0728-11D3-9D7B-0000F81EF32E}: the PNG file format.
constexpr GUID kPngFormat = {0xb96b3caf, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

// A stream over a movable global memory copy of the bytes, freed with the
// stream.
StreamPtr StreamOnCopy(std::span<const std::uint8_t> bytes) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!memory) return nullptr;
  void* data = GlobalLock(memory);
  if (!data) {
    GlobalFree(memory);
    return nullptr;
  }
  std::memcpy(data, bytes.data(), bytes.size());
  GlobalUnlock(memory);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    GlobalFree(memory);
    return nullptr;
  }
  return StreamPtr(stream);
}

std::vector<std::uint8_t> StreamBytes(IStream& stream) {
  STATSTG stat{};
  if (FAILED(stream.Stat(&stat, STATFLAG_NONAME))) return {};
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(stat.cbSize.QuadPart));
  const LARGE_INTEGER start{};
  ULONG read = 0;
  if (FAILED(stream.Seek(start, STREAM_SEEK_SET, nullptr)) ||
      FAILED(stream.Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read))) {
    return {};
  }
  bytes.resize(read);
  return bytes;
}

std::optional<CLSID> EncoderFor(const GUID& format) {
  UINT count = 0, size = 0;
  if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) return std::nullopt;
  std::vector<std::uint8_t> buffer(size);
  auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (Gdiplus::GetImageEncoders(count, size, encoders) != Gdiplus::Ok) return std::nullopt;
  for (UINT i = 0; i < count; ++i) {
    if (IsEqualGUID(encoders[i].FormatID, format)) return encoders[i].Clsid;
  }
  return std::nullopt;
}

}  // namespace

std::unique_ptr<Picture> Picture::FromBytes(std::span<const std::uint8_t> bytes) {
  if (!IsDecodablePicture(bytes)) return nullptr;
  StreamPtr stream = StreamOnCopy(bytes);
  if (!stream) return nullptr;
  auto bitmap = AdoptGdiplus(Gdiplus::Bitmap::FromStream(stream.get()));
  if (!bitmap || bitmap->GetWidth() == 0 || bitmap->GetHeight() == 0) return nullptr;
  std::unique_ptr<Picture> picture(new Picture());
  picture->stream_ = std::move(stream);
  picture->bitmap_ = std::move(bitmap);
  picture->bytes_.assign(bytes.begin(), bytes.end());
  return picture;
}

std::unique_ptr<Picture> Picture::FromBitmap(GdiplusPtr<Gdiplus::Bitmap> bitmap) {
  if (!bitmap) return nullptr;
  std::unique_ptr<Picture> picture(new Picture());
  picture->bitmap_ = std::move(bitmap);
  return picture;
}

SizeF Picture::size() const {
  return {static_cast<float>(bitmap_->GetWidth()), static_cast<float>(bitmap_->GetHeight())};
}

int Picture::FrameCount() const {
  const UINT count = bitmap_->GetFrameCount(&kFrameDimensionTime);
  ForgetFailedQuery();
  return count > 0 ? static_cast<int>(count) : 1;
}

// GDI+'s C++ objects keep the status of their last failed call until it is
// read, and hand it on to the copies they make (Clone), which then look
// broken. A query that may fail for an ordinary picture (a still picture
// has no frame delays) must not leave that status behind.
void Picture::ForgetFailedQuery() const { (void)bitmap_->GetLastStatus(); }

std::vector<int> Picture::FrameDelays(bool fixShortDelays) const {
  const int frames = FrameCount();
  const UINT size = bitmap_->GetPropertyItemSize(kFrameDelayPropertyId);
  ForgetFailedQuery();
  if (size < sizeof(Gdiplus::PropertyItem)) return ui::FrameDelays(0, {}, frames, fixShortDelays);
  std::vector<std::uint8_t> buffer(size);
  auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data());
  const Gdiplus::Status status = bitmap_->GetPropertyItem(kFrameDelayPropertyId, size, item);
  ForgetFailedQuery();
  if (status != Gdiplus::Ok || !item->value) {
    return ui::FrameDelays(0, {}, frames, fixShortDelays);
  }
  const std::span<const std::uint8_t> value(static_cast<const std::uint8_t*>(item->value),
                                            std::min<std::size_t>(item->length, size));
  return ui::FrameDelays(item->type, value, frames, fixShortDelays);
}

void Picture::SelectFrame(int index) {
  bitmap_->SelectActiveFrame(&kFrameDimensionTime, static_cast<UINT>(index));
  ForgetFailedQuery();
}

std::vector<std::uint8_t> Picture::Bytes() const { return bytes_.empty() ? EncodeImage(*bitmap_) : bytes_; }

std::vector<std::uint8_t> EncodeImage(Gdiplus::Image& image) {
  GUID format{};
  image.GetRawFormat(&format);
  std::optional<CLSID> encoder = EncoderFor(format);
  if (!encoder) encoder = EncoderFor(kPngFormat);
  if (!encoder) return {};
  IStream* raw = nullptr;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &raw))) return {};
  const StreamPtr stream(raw);
  if (image.Save(stream.get(), &*encoder, nullptr) != Gdiplus::Ok) return {};
  return StreamBytes(*stream);
}

void DrawPicture(Gdiplus::Graphics& graphics, const Picture& picture, const RectF& target, FillType fillType,
                 const std::optional<GridMargins>& grid) {
  const SizeF size = picture.size();
  const RectF whole{0, 0, size.width, size.height};
  if (fillType == FillType::kNineGrid) {
    if (!grid) {
      (void)DrawWithFillType(graphics, picture.bitmap(), whole, target, FillType::kStretch, {});
      return;
    }
    const RectF centre{grid->left, grid->top, size.width - grid->left - grid->right,
                       size.height - grid->top - grid->bottom};
    (void)DrawWithFillType(graphics, picture.bitmap(), whole, target, FillType::kNineGrid, centre);
    return;
  }
  (void)DrawWithFillType(graphics, picture.bitmap(), whole, target, fillType, {});
}

}  // namespace tabulo::ui
