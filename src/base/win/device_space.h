#pragma once
// While it lives, a GDI+ graphics draws in device pixels: its world
// transform is reset and put back at the end. For what must meet exact
// pixels under a display scale (pixel clips, device-snapped pictures,
// border rings, the caret). GDI+ keeps clips in device space, so a clip set
// in here still holds after the transform is back.
#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

namespace tabulo {

class DeviceSpace {
 public:
  explicit DeviceSpace(Gdiplus::Graphics& graphics) : graphics_(graphics) {
    graphics_.GetTransform(&saved_);
    graphics_.ResetTransform();
  }
  DeviceSpace(const DeviceSpace&) = delete;
  DeviceSpace& operator=(const DeviceSpace&) = delete;
  ~DeviceSpace() { graphics_.SetTransform(&saved_); }

 private:
  Gdiplus::Graphics& graphics_;
  Gdiplus::Matrix saved_;
};

}  // namespace tabulo
