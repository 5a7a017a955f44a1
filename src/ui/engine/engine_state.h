#pragma once
// The engine-wide state, one per process, and the two start-up steps.
// EngineStart runs once at process start, before any window exists: GDI+,
// the OS version, the shared image attributes, the program icons, the
// default window class "Orb_DirectUI", the default cursor and font, the atom
// table and a single-threaded COM apartment for the calling thread.
// EngineInitialise runs once from the first window: the service module, the
// control classes, the default theme package, font, text
// rendering hint and cursors.
//
// GDI+ is started once and never shut down (objects held here live until
// the process ends).
#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "ui/engine/service_module.h"
#include "ui/skin/shared_decodes.h"
#include "base/win/unique_handle.h"

namespace tabulo::ui {

class ResourcePackage;

inline constexpr wchar_t kDefaultWindowClass[] = L"Orb_DirectUI";

struct EngineState {
  bool started = false;
  bool initialised = false;
  float osVersion = 0;
  GdiplusPtr<Gdiplus::ImageAttributes> sharedImageAttributes;
  SharedDecodes decodes;                                  // theme packages and pictures, decoded once
  std::shared_ptr<const ResourcePackage> defaultPackage;  // windows share it
  GdiplusPtr<Gdiplus::Font> defaultFont;                 // null when no face could be made
  Gdiplus::TextRenderingHint defaultTextRenderingHint = Gdiplus::TextRenderingHintSingleBitPerPixelGridFit;
  HCURSOR defaultCursor = nullptr;
  HCURSOR hotCursor = nullptr;
  UniqueIcon ownedDefaultCursor;  // cursors made from bytes
  UniqueIcon ownedHotCursor;
  UniqueIcon smallIcon;  // 16 x 16 and 32 x 32 images of the program icon
  UniqueIcon largeIcon;
  std::unique_ptr<ServiceModule> service;         // null before EngineInitialise
};

[[nodiscard]] EngineState& Engine();

// Safe to call more than once; only the first call does the work.
void EngineStart();

struct EngineDefaults {
  std::unique_ptr<ServiceModule> service;  // null: the in-process service
  std::span<const std::uint8_t> defaultPackage;
  std::string packagePassword;
  std::span<const std::uint8_t> layoutMap;
  std::optional<std::string> fontName;  // UTF-8
  std::optional<float> fontSize;
  std::optional<int> fontStyle;
  std::optional<Gdiplus::TextRenderingHint> textRenderingHint;
  std::span<const std::uint8_t> defaultCursor;  // cursor file bytes; empty = keep
  std::span<const std::uint8_t> hotCursor;
};

void EngineInitialise(EngineDefaults defaults);

struct WindowClassOptions {
  const wchar_t* name = kDefaultWindowClass;
  UINT style = CS_DBLCLKS;
  WNDPROC procedure = DefWindowProcW;
  HCURSOR cursor = nullptr;  // null: the engine's default cursor
};

[[nodiscard]] bool RegisterWindowClass(const WindowClassOptions& options);

}  // namespace tabulo::ui
