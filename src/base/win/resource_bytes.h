#pragma once
// The pictures and sounds compiled into the executable as RCDATA.
//
// The bytes are the module image's own: they stay valid as long as the
// executable is loaded (the whole process) and are never copied or freed.
// Callers that hand them to something that keeps them (GDI+ streams, the
// engine's byte blocks) copy them there.
#include <cstdint>
#include <span>

namespace tabulo {

// The RCDATA resource `id` (see app/resource_ids.h) of the running
// executable, or an empty span when it has no such resource.
[[nodiscard]] std::span<const std::uint8_t> ResourceBytes(int id);

}  // namespace tabulo
