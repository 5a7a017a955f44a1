#pragma once
// Move-only owners of Win32 handles and GDI+ objects. Every wrapper counts
// what it holds in the live-handle counter (live_handles.h).
#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <memory>
#include <utility>

#include "base/win/live_handles.h"

namespace tabulo {

template <class Handle, class Traits>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {
    if (handle_) CountHandle(Traits::kKind, 1);
  }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, Handle{});
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  [[nodiscard]] Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }

  void reset(Handle handle = Handle{}) {
    if (handle_) {
      Traits::Close(handle_);
      CountHandle(Traits::kKind, -1);
    }
    handle_ = handle;
    if (handle_) CountHandle(Traits::kKind, 1);
  }
  // Gives the handle up, e.g. to SetWindowRgn, which owns it afterwards.
  [[nodiscard]] Handle release() {
    if (handle_) CountHandle(Traits::kKind, -1);
    return std::exchange(handle_, Handle{});
  }

 private:
  Handle handle_{};
};

struct DcTraits {
  static constexpr HandleKind kKind = HandleKind::kDc;
  static void Close(HDC dc) { DeleteDC(dc); }
};
template <HandleKind K>
struct GdiObjectTraits {
  static constexpr HandleKind kKind = K;
  static void Close(HGDIOBJ object) { DeleteObject(object); }
};
struct IconTraits {
  static constexpr HandleKind kKind = HandleKind::kIcon;
  static void Close(HICON icon) { DestroyIcon(icon); }
};
struct WindowTraits {
  static constexpr HandleKind kKind = HandleKind::kWindow;
  static void Close(HWND window) { DestroyWindow(window); }
};
struct KernelTraits {
  static constexpr HandleKind kKind = HandleKind::kKernel;
  static void Close(HANDLE handle) { CloseHandle(handle); }
};

using UniqueDc = UniqueHandle<HDC, DcTraits>;                          // memory DCs (DeleteDC)
using UniqueBitmap = UniqueHandle<HBITMAP, GdiObjectTraits<HandleKind::kBitmap>>;
using UniqueFont = UniqueHandle<HFONT, GdiObjectTraits<HandleKind::kFont>>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiObjectTraits<HandleKind::kBrush>>;
using UniqueRegion = UniqueHandle<HRGN, GdiObjectTraits<HandleKind::kRegion>>;
using UniqueIcon = UniqueHandle<HICON, IconTraits>;                    // icons and cursors alike
using UniqueWindow = UniqueHandle<HWND, WindowTraits>;
using UniqueKernelHandle = UniqueHandle<HANDLE, KernelTraits>;

// GDI+ objects: deleted through the same counter.
struct GdiplusDelete {
  template <class T>
  void operator()(T* object) const {
    if (!object) return;
    delete object;
    CountHandle(HandleKind::kGdiplus, -1);
  }
};
template <class T>
using GdiplusPtr = std::unique_ptr<T, GdiplusDelete>;

// Adopts a GDI+ object (e.g. one a Clone() returned); null stays null, and
// an object that reports a failed construction is deleted.
template <class T>
[[nodiscard]] GdiplusPtr<T> AdoptGdiplus(T* object) {
  if (!object) return nullptr;
  CountHandle(HandleKind::kGdiplus, 1);
  GdiplusPtr<T> owned(object);
  if (owned->GetLastStatus() != Gdiplus::Ok) owned.reset();
  return owned;
}

template <class T, class... Args>
[[nodiscard]] GdiplusPtr<T> MakeGdiplus(Args&&... args) {
  // GDI+ classes bring their own operator new, which returns null on failure.
  return AdoptGdiplus(new T(std::forward<Args>(args)...));
}

}  // namespace tabulo
