#include "ui/engine/engine_state.h"

#include <commctrl.h>
#include <objbase.h>

#include "ui/engine/control_classes.h"
#include "ui/engine/fonts.h"
#include "ui/engine/image_handles.h"
#include "ui/engine/os_version.h"
#include "ui/skin/resource_package.h"

namespace tabulo::ui {
namespace {

constexpr UINT kAtomTableSize = 547;

OsVersionInfo ReadOsVersion() {
  OsVersionInfo info;
  using RtlGetNtVersionNumbersFn = void(WINAPI*)(DWORD*, DWORD*, DWORD*);
  using RtlGetNtProductTypeFn = BOOLEAN(WINAPI*)(DWORD*);
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  if (ntdll) {
    // The documented GetVersionEx lies to programs without a manifest;
    // ntdll tells the truth.
    auto versionNumbers =
        reinterpret_cast<RtlGetNtVersionNumbersFn>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetNtVersionNumbers")));
    auto productType =
        reinterpret_cast<RtlGetNtProductTypeFn>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetNtProductType")));
    DWORD major = 0, minor = 0, build = 0;
    if (versionNumbers) versionNumbers(&major, &minor, &build);
    info.major = major;
    info.minor = minor;
    DWORD type = 1;
    if (productType && productType(&type)) info.productType = type;
  }
  SYSTEM_INFO system{};
  GetNativeSystemInfo(&system);
  info.native64Bit = system.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_IA64 ||
                     system.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64;
  return info;
}

void StartGdiplus() {
  Gdiplus::GdiplusStartupInput input;  // version 1, everything else off
  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartup(&token, &input, nullptr);
}

void ApplyFontDefaults(EngineState& engine, const EngineDefaults& d) {
  if (!d.fontName && !d.fontSize && !d.fontStyle) return;
  const Gdiplus::Font* current = engine.defaultFont.get();
  const std::string face = d.fontName.value_or(current ? FontFamilyName(*current) : std::string("宋体"));
  const float size = d.fontSize.value_or(current ? FontSize(*current) : 12.0f);
  const int style = d.fontStyle.value_or(current ? FontStyle(*current) : 0);
  if (auto font = CreateFontFromName(face, size, style, Gdiplus::UnitWorld)) engine.defaultFont = std::move(font);
}

void ApplyCursorDefaults(EngineState& engine, const EngineDefaults& d) {
  if (!d.defaultCursor.empty()) {
    if (UniqueIcon cursor = LoadIconFromBytes(d.defaultCursor, true)) {
      engine.defaultCursor = cursor.get();
      engine.ownedDefaultCursor = std::move(cursor);
    }
  }
  engine.hotCursor = engine.defaultCursor;
  if (!d.hotCursor.empty()) {
    if (UniqueIcon cursor = LoadIconFromBytes(d.hotCursor, true)) {
      engine.hotCursor = cursor.get();
      engine.ownedHotCursor = std::move(cursor);
    }
  }
}

}  // namespace

EngineState& Engine() {
  static EngineState state;
  return state;
}

bool RegisterWindowClass(const WindowClassOptions& options) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = options.style;
  wc.lpfnWndProc = options.procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = options.cursor ? options.cursor : Engine().defaultCursor;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = options.name;
  return RegisterClassExW(&wc) != 0;
}

void EngineStart() {
  EngineState& engine = Engine();
  if (engine.started) return;
  engine.started = true;
  StartGdiplus();
  engine.osVersion = OsVersionNumber(ReadOsVersion());
  engine.sharedImageAttributes = MakeGdiplus<Gdiplus::ImageAttributes>();
  ProgramIcons icons = LoadProgramIcons();
  engine.smallIcon = std::move(icons.small);
  engine.largeIcon = std::move(icons.large);
  engine.defaultCursor = LoadCursorW(nullptr, IDC_ARROW);
  engine.hotCursor = engine.defaultCursor;
  (void)RegisterWindowClass({});  // a second process start finds it registered; that is fine
  engine.defaultTextRenderingHint = Gdiplus::TextRenderingHintSingleBitPerPixelGridFit;
  engine.defaultFont = MakeDefaultFont();
  InitAtomTable(kAtomTableSize);
  // The windows' accessible objects are handed to screen readers in other
  // processes, which needs this thread in a single-threaded apartment: their
  // calls then arrive through the message loop, on this thread. Like GDI+,
  // never left again.
  (void)CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
}

void EngineInitialise(EngineDefaults defaults) {
  EngineState& engine = Engine();
  EngineStart();
  engine.service = defaults.service ? std::move(defaults.service) : MakeInProcessServiceModule();
  engine.service->SetLayoutMap(defaults.layoutMap);
  for (const ControlClass& c : BuiltInControlClasses()) engine.service->RegisterControlClass(c.name, c.number);
  engine.defaultPackage.reset();
  engine.defaultPackage = engine.decodes.Package(defaults.defaultPackage, defaults.packagePassword);
  ApplyFontDefaults(engine, defaults);
  if (defaults.textRenderingHint) engine.defaultTextRenderingHint = *defaults.textRenderingHint;
  ApplyCursorDefaults(engine, defaults);
  engine.initialised = true;
}

}  // namespace tabulo::ui
