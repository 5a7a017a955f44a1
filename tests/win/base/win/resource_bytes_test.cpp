// The test executable carries the program's resources.rc, so these tests see
// the same embedded pictures, sounds and icon as Tabulo.exe.
#include "base/win/resource_bytes.h"

#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "support/committed_assets.h"

namespace tabulo {
namespace {

using test::AssetFormat;
using test::CommittedAsset;
using test::kCommittedAssets;

class GdiplusSession {
 public:
  GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    status_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr);
  }
  ~GdiplusSession() {
    if (status_ == Gdiplus::Ok) Gdiplus::GdiplusShutdown(token_);
  }
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;
  bool ok() const { return status_ == Gdiplus::Ok; }

 private:
  ULONG_PTR token_ = 0;
  Gdiplus::Status status_;
};

struct ReleaseCom {
  void operator()(IUnknown* p) const { p->Release(); }
};
struct DestroyIconHandle {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, DestroyIconHandle>;

std::unique_ptr<Gdiplus::Bitmap> Decode(std::span<const std::uint8_t> bytes) {
  std::unique_ptr<IStream, ReleaseCom> stream(SHCreateMemStream(bytes.data(), static_cast<UINT>(bytes.size())));
  if (!stream) return nullptr;
  std::unique_ptr<Gdiplus::Bitmap> bitmap(Gdiplus::Bitmap::FromStream(stream.get()));
  if (bitmap && bitmap->GetLastStatus() != Gdiplus::Ok) bitmap.reset();
  return bitmap;
}

TEST(ResourceBytes, EveryEmbeddedAssetIsTheCommittedFile) {
  for (const CommittedAsset& asset : kCommittedAssets) {
    SCOPED_TRACE(asset.file);
    const std::vector<std::uint8_t> file = test::ReadAssetFile(TABULO_ASSETS_DIR, asset.file);
    ASSERT_FALSE(file.empty());
    const std::span<const std::uint8_t> embedded = ResourceBytes(asset.resource_id);
    EXPECT_EQ(embedded.size(), file.size());
    EXPECT_TRUE(std::ranges::equal(embedded, file));
  }
}

TEST(ResourceBytes, UnknownIdGivesNoBytes) { EXPECT_TRUE(ResourceBytes(32000).empty()); }

TEST(ResourceBytes, GdiplusDecodesEveryEmbeddedPictureAtItsSize) {
  GdiplusSession gdiplus;
  ASSERT_TRUE(gdiplus.ok());
  for (const CommittedAsset& asset : kCommittedAssets) {
    if (asset.format == AssetFormat::kWav) continue;
    SCOPED_TRACE(asset.file);
    const std::unique_ptr<Gdiplus::Bitmap> picture = Decode(ResourceBytes(asset.resource_id));
    ASSERT_TRUE(picture);
    EXPECT_EQ(static_cast<int>(picture->GetWidth()), asset.width);
    EXPECT_EQ(static_cast<int>(picture->GetHeight()), asset.height);
    if (asset.format == AssetFormat::kGif) {
      GUID time = Gdiplus::FrameDimensionTime;
      EXPECT_EQ(picture->GetFrameCount(&time), 100u);
    }
  }
}

// The shell and the tray take the program icon from group IDI_TABULO at the
// sizes the system asks for; each size must resolve to an image of that size.
TEST(ProgramIcon, GroupYieldsAnIconOfEachRequestedSize) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(IDI_TABULO), RT_GROUP_ICON);
  ASSERT_TRUE(group);
  auto* directory = static_cast<BYTE*>(LockResource(LoadResource(module, group)));
  ASSERT_TRUE(directory);
  for (int size : {16, 32, 48, 256}) {
    SCOPED_TRACE(size);
    const int id = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
    HRSRC image = FindResourceW(module, MAKEINTRESOURCEW(id), RT_ICON);
    ASSERT_TRUE(image);
    UniqueIcon icon(CreateIconFromResourceEx(static_cast<BYTE*>(LockResource(LoadResource(module, image))),
                                             SizeofResource(module, image), TRUE, 0x00030000, size, size,
                                             LR_DEFAULTCOLOR));
    ASSERT_TRUE(icon);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon.get(), &info));
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    EXPECT_EQ(colour.bmWidth, size);
    EXPECT_EQ(colour.bmHeight, size);
  }
}

}  // namespace
}  // namespace tabulo
