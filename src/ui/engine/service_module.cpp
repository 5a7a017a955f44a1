// The in-process service module.
#include "ui/engine/service_module.h"

#include <set>
#include <vector>

#include "ui/engine/control_classes.h"
#include "ui/engine/plain_text.h"

namespace tabulo::ui {
namespace {

class InProcessServiceModule final : public ServiceModule {
 public:
  void RegisterControlClass(std::string_view name, int number) override { classes_.Register(name, number); }

  int ControlClassNumber(std::string_view name) const override { return classes_.Number(name); }

  void SetLayoutMap(std::span<const std::uint8_t> bytes) override { layoutMap_.assign(bytes.begin(), bytes.end()); }

  // ClearType needs an opaque background to blend its colour fringes
  // against; on an alpha surface it gives wrong colours and holes. Greyscale
  // antialiasing keeps the text readable and its alpha right.
  void DrawClearTypeText(Gdiplus::Graphics& graphics, std::wstring_view text, const Rect& rect,
                         const Gdiplus::Font& font, Argb colour, const Gdiplus::StringFormat* format) override {
    const Gdiplus::TextRenderingHint hint = graphics.GetTextRenderingHint();
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
    const RectF target{static_cast<float>(rect.x), static_cast<float>(rect.y), static_cast<float>(rect.width),
                       static_cast<float>(rect.height)};
    DrawPlainText(graphics, target, text, font, colour, format);
    graphics.SetTextRenderingHint(hint);
  }

  // Blur behind the shape through the desktop window manager, where there
  // is one (the engine asks only on Vista and Windows 7).
  void SetGlass(HWND window, HRGN shape, int /*alpha*/) override {
    struct BlurBehind {
      DWORD flags;
      BOOL enable;
      HRGN region;
      BOOL transitionOnMaximized;
    };
    using EnableBlurBehindFn = HRESULT(WINAPI*)(HWND, const BlurBehind*);
    HMODULE dwm = LoadLibraryW(L"dwmapi.dll");
    if (!dwm) return;
    auto enable = reinterpret_cast<EnableBlurBehindFn>(
        reinterpret_cast<void*>(GetProcAddress(dwm, "DwmEnableBlurBehindWindow")));
    constexpr DWORD kEnable = 0x1, kBlurRegion = 0x2;
    const BlurBehind blur{kEnable | kBlurRegion, TRUE, shape, FALSE};
    if (enable) (void)enable(window, &blur);
    FreeLibrary(dwm);
  }

  void Register(UiObject* object, int kind) override { registered_.emplace(object, kind); }

  void Unregister(UiObject* object, int kind) override { registered_.erase({object, kind}); }

  bool IsRegistered(const UiObject* object, int kind) const override {
    return registered_.contains({const_cast<UiObject*>(object), kind});
  }

 private:
  ControlClassRegistry classes_;
  std::vector<std::uint8_t> layoutMap_;
  std::set<std::pair<UiObject*, int>> registered_;
};

}  // namespace

std::unique_ptr<ServiceModule> MakeInProcessServiceModule() { return std::make_unique<InProcessServiceModule>(); }

}  // namespace tabulo::ui
