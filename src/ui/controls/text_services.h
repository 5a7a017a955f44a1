#pragma once
// The platform's windowless rich-text engine (Rich Edit text services) as
// the Edit uses it: creating an engine for a host, and the character and
// paragraph formats copied between the Edit's plain records and the
// engine's structures.
//
// The interface identifiers are our own constants: the import library's
// IID_ITextServices resolves to a jump stub in MinGW, not to the data, so
// a QueryInterface with it would fail.
#include <windows.h>
#include <ole2.h>
#include <richedit.h>
#include <imm.h>
#include <textserv.h>

#include "base/win/com_ptr.h"
#include "ui/controls/edit_formats.h"

namespace tabulo::ui {

inline constexpr IID kIidTextServices = {0x8d33f740, 0xcf58, 0x11ce, {0xa8, 0x9d, 0x00, 0xaa, 0x00, 0x6c, 0xad, 0xc5}};
inline constexpr IID kIidTextHost = {0xc5bdd8d0, 0xd26e, 0x11ce, {0xa8, 0x9e, 0x00, 0xaa, 0x00, 0x6c, 0xad, 0xc5}};

// A text engine for the host, or nothing when the platform cannot make one.
// The engine keeps a plain pointer to the host: the host must outlive it.
[[nodiscard]] ComPtr<ITextServices> CreateTextServicesFor(ITextHost& host);

[[nodiscard]] CHARFORMATW ToCharFormat(const EditCharFormat& format);
[[nodiscard]] EditCharFormat FromCharFormat(const CHARFORMATW& format);
[[nodiscard]] PARAFORMAT ToParaFormat(const EditParaFormat& format);
[[nodiscard]] EditParaFormat FromParaFormat(const PARAFORMAT& format);

}  // namespace tabulo::ui
