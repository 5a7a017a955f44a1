#pragma once
// The engine's services that the original design kept in an external
// module: the control class table, ClearType text onto an alpha surface,
// the glass hand-over and the registration of windows and controls. They are an interface so tests can
// watch the calls; the engine uses the in-process implementation made by
// MakeInProcessServiceModule(). Before EngineInitialise there is no service
// and every call site does nothing, exactly as when the module is missing.
#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "base/color/color.h"
#include "base/geometry/rect.h"

namespace tabulo::ui {

class UiObject;

// Kinds under which objects register with the service.
inline constexpr int kRegisterWindow = 4;
inline constexpr int kRegisterControl = 28;

class ServiceModule {
 public:
  virtual ~ServiceModule() = default;

  virtual void RegisterControlClass(std::string_view name, int number) = 0;
  [[nodiscard]] virtual int ControlClassNumber(std::string_view name) const = 0;

  // The layout map handed over at start-up (mapdata.xml); kept, not read.
  virtual void SetLayoutMap(std::span<const std::uint8_t> bytes) = 0;

  // Text drawn with the ClearType hint: readable text with correct alpha.
  virtual void DrawClearTypeText(Gdiplus::Graphics& graphics, std::wstring_view text, const Rect& rect,
                                 const Gdiplus::Font& font, Argb colour, const Gdiplus::StringFormat* format) = 0;

  // The glass (blur-behind) effect of a layered window with the given shape.
  virtual void SetGlass(HWND window, HRGN shape, int alpha) = 0;

  virtual void Register(UiObject* object, int kind) = 0;
  virtual void Unregister(UiObject* object, int kind) = 0;
  [[nodiscard]] virtual bool IsRegistered(const UiObject* object, int kind) const = 0;
};

[[nodiscard]] std::unique_ptr<ServiceModule> MakeInProcessServiceModule();

}  // namespace tabulo::ui
