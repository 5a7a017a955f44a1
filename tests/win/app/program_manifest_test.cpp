// The manifest Tabulo.exe carries, read back from the built file, and what it
// changes in a process that has it: this test program embeds the same
// resources, manifest included.
#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>

#include <gtest/gtest.h>

namespace {

struct ModuleRelease {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
using UniqueModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleRelease>;

constexpr WORD kManifestType = 24;  // RT_MANIFEST
constexpr WORD kProcessManifestId = 1;

// The text of a module's process manifest; empty when it has none.
std::string ManifestOf(HMODULE module) {
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(kProcessManifestId), MAKEINTRESOURCEW(kManifestType));
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return {};
  return std::string(static_cast<const char*>(bytes), SizeofResource(module, found));
}

// What the XML declares: its comments removed, so a declaration that is only
// described in a comment does not count.
std::string WithoutComments(std::string xml) {
  for (std::size_t start; (start = xml.find("<!--")) != std::string::npos;) {
    const std::size_t end = xml.find("-->", start);
    xml.erase(start, end == std::string::npos ? std::string::npos : end + 3 - start);
  }
  return xml;
}

std::string ProgramManifest() {
  const std::filesystem::path program = std::filesystem::path(TABULO_DIST_DIR) / "Tabulo.exe";
  UniqueModule module(LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
  if (!module) return {};
  return WithoutComments(ManifestOf(module.get()));
}

TEST(ProgramManifest, AsksForCommonControls6AndNamesWindows7To11AndScalesPerMonitor) {
  const std::string manifest = ProgramManifest();
  ASSERT_FALSE(manifest.empty()) << "no manifest in " << TABULO_DIST_DIR << "/Tabulo.exe";
  struct Declaration {
    const char* what;
    const char* text;
  };
  const Declaration declared[] = {
      {"Common Controls", "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""},
      {"its publisher", "publicKeyToken=\"6595b64144ccf1df\""},
      {"Windows 7", "<supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>"},
      {"Windows 8", "<supportedOS Id=\"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}\"/>"},
      {"Windows 8.1", "<supportedOS Id=\"{1f676c76-80e1-4239-95bb-83d0f6d0da78}\"/>"},
      {"Windows 10 and 11", "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>"},
      {"DPI awareness for Windows 7 to 10", ">true/pm</dpiAware>"},
      {"per-monitor v2 awareness", ">PerMonitorV2, PerMonitor</dpiAwareness>"},
  };
  for (const Declaration& d : declared) {
    EXPECT_NE(manifest.find(d.text), std::string::npos) << d.what << " missing from:\n" << manifest;
  }
}

// The manifest is what makes the version 6 controls load: without it the
// process gets comctl32 5.8x from the system folder and its Windows 95 look.
// Version 6 comes from its side-by-side assembly, on Windows and under Wine
// alike (Wine's copy there reports 5.81 from DllGetVersion, so the folder is
// what tells them apart).
TEST(ProgramManifest, BringsTheCommonControlsOfVersion6) {
  UniqueModule comctl32(LoadLibraryW(L"comctl32.dll"));
  ASSERT_TRUE(comctl32);
  wchar_t path[MAX_PATH] = {};
  ASSERT_GT(GetModuleFileNameW(comctl32.get(), path, MAX_PATH), 0u);
  std::wstring folder(path);
  CharLowerW(folder.data());
  EXPECT_NE(folder.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6.0."), std::wstring::npos)
      << "comctl32 loaded from " << std::filesystem::path(path).string();
}

}  // namespace
