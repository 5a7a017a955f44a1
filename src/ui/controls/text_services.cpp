#include "ui/controls/text_services.h"

#include <algorithm>
#include <iterator>
#include <type_traits>

#include "base/win/system_library.h"

namespace tabulo::ui {
namespace {

// The engine's factory from the system's riched20.dll. Loading it at run
// time also needs no import library, which MinGW-w64 ships for x86-64 only.
PCreateTextServices TextServicesFactory() {
  return SystemFunction<std::remove_pointer_t<PCreateTextServices>>(SystemLibrary(L"riched20.dll"), "CreateTextServices");
}

}  // namespace

ComPtr<ITextServices> CreateTextServicesFor(ITextHost& host) {
  const PCreateTextServices create = TextServicesFactory();
  if (!create) return {};
  ComPtr<IUnknown> unknown;
  if (FAILED(create(nullptr, &host, unknown.put())) || !unknown) return {};
  ComPtr<ITextServices> services;
  if (FAILED(unknown->QueryInterface(kIidTextServices, reinterpret_cast<void**>(services.put())))) return {};
  return services;
}

CHARFORMATW ToCharFormat(const EditCharFormat& format) {
  CHARFORMATW out{};
  out.cbSize = sizeof out;
  out.dwMask = format.mask;
  out.dwEffects = format.effects;
  out.yHeight = format.height;
  out.yOffset = format.offset;
  out.crTextColor = format.colour;
  const std::size_t units = std::min(format.face.size(), std::size(out.szFaceName) - 1);
  std::copy_n(format.face.begin(), units, out.szFaceName);
  return out;
}

EditCharFormat FromCharFormat(const CHARFORMATW& format) {
  EditCharFormat out;
  out.mask = format.dwMask;
  out.effects = format.dwEffects & kCfmEffects;
  out.height = format.yHeight;
  out.offset = format.yOffset;
  out.colour = format.crTextColor;
  const auto* face = format.szFaceName;
  const std::size_t units = std::find(face, face + std::size(format.szFaceName), L'\0') - face;
  out.face.assign(face, face + units);
  return out;
}

PARAFORMAT ToParaFormat(const EditParaFormat& format) {
  PARAFORMAT out{};
  out.cbSize = sizeof out;
  out.dwMask = format.mask;
  out.wNumbering = format.numbering;
  out.dxStartIndent = format.startIndent;
  out.dxRightIndent = format.rightIndent;
  out.dxOffset = format.offset;
  out.wAlignment = format.alignment;
  out.cTabCount = format.tabCount;
  out.rgxTabs[0] = format.firstTab;
  return out;
}

EditParaFormat FromParaFormat(const PARAFORMAT& format) {
  EditParaFormat out;
  out.mask = format.dwMask;
  out.numbering = format.wNumbering;
  out.startIndent = format.dxStartIndent;
  out.rightIndent = format.dxRightIndent;
  out.offset = format.dxOffset;
  out.alignment = format.wAlignment;
  out.tabCount = format.cTabCount;
  out.firstTab = format.cTabCount > 0 ? format.rgxTabs[0] : 0;
  return out;
}

}  // namespace tabulo::ui
