#pragma once
// A count of the GDI, USER and GDI+ objects the engine holds, kept by the
// RAII wrappers that own them. Tests read it to show that creating and
// destroying windows and controls leaves nothing behind (Wine's
// GetGuiResources is a stub, so the system cannot tell us).
namespace tabulo {

enum class HandleKind { kDc, kBitmap, kRegion, kFont, kBrush, kIcon, kWindow, kKernel, kGdiplus, kCount };

void CountHandle(HandleKind kind, int delta);
[[nodiscard]] int LiveHandles(HandleKind kind);
[[nodiscard]] int LiveHandlesTotal();

}  // namespace tabulo
