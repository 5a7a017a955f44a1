#pragma once
// Every picture and sound Tabulo embeds: its file under assets/, its resource
// number, its format and its fixed pixel size. The native tests check the
// files' headers against it, the Windows tests the embedded copies.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/resource_ids.h"

namespace tabulo::test {

enum class AssetFormat { kPng, kPngWithAlpha, kJpeg, kGif, kWav };

struct CommittedAsset {
  const char* file;  // relative to assets/
  int resource_id;
  AssetFormat format;
  int width;  // pixels; 0 for sounds
  int height;
};

inline constexpr CommittedAsset kCommittedAssets[] = {
    {"shell/startup.gif", IDR_STARTUP_GIF, AssetFormat::kGif, 300, 200},
    {"shell/sky.jpg", IDR_SKY_JPG, AssetFormat::kJpeg, 665, 420},
    {"shell/starry.jpg", IDR_STARRY_JPG, AssetFormat::kJpeg, 844, 750},
    {"shell/tool_window.png", IDR_TOOL_WINDOW_PNG, AssetFormat::kPng, 300, 300},
    {"shell/tool_timetable.png", IDR_TOOL_TIMETABLE_PNG, AssetFormat::kPngWithAlpha, 48, 48},
    {"shell/tool_draw.png", IDR_TOOL_DRAW_PNG, AssetFormat::kPngWithAlpha, 48, 48},
    {"shell/tool_writer.png", IDR_TOOL_WRITER_PNG, AssetFormat::kPngWithAlpha, 48, 48},
    {"shell/tool_timer.png", IDR_TOOL_TIMER_PNG, AssetFormat::kPngWithAlpha, 48, 48},
    {"shell/tool_settings.png", IDR_TOOL_SETTINGS_PNG, AssetFormat::kPngWithAlpha, 48, 48},
    {"shell/tool_about.png", IDR_TOOL_ABOUT_PNG, AssetFormat::kPngWithAlpha, 48, 48},
    {"shell/hide_strip.png", IDR_HIDE_STRIP_PNG, AssetFormat::kPngWithAlpha, 9, 20},
    {"shell/about.png", IDR_ABOUT_PNG, AssetFormat::kPng, 600, 380},
    {"shell/menu_about.png", IDR_MENU_ABOUT_PNG, AssetFormat::kPngWithAlpha, 20, 20},
    {"shell/menu_exit.png", IDR_MENU_EXIT_PNG, AssetFormat::kPngWithAlpha, 16, 16},
    {"shell/menu_calendar.png", IDR_MENU_CALENDAR_PNG, AssetFormat::kPngWithAlpha, 16, 16},
    {"timetable/reminder_close.png", IDR_REMINDER_CLOSE_PNG, AssetFormat::kPngWithAlpha, 60, 60},
    {"tools/tool_background.png", IDR_TOOL_BACKGROUND_PNG, AssetFormat::kPng, 548, 388},
    {"tools/timer_plus.png", IDR_TIMER_PLUS_PNG, AssetFormat::kPngWithAlpha, 16, 16},
    {"tools/timer_minus.png", IDR_TIMER_MINUS_PNG, AssetFormat::kPngWithAlpha, 16, 16},
    {"tools/writer_background.jpg", IDR_WRITER_BACKGROUND_JPG, AssetFormat::kJpeg, 1080, 1920},
    {"tools/chime.wav", IDR_CHIME_WAV, AssetFormat::kWav, 0, 0},
};

inline std::vector<std::uint8_t> ReadAssetFile(const std::filesystem::path& assets_dir, const char* file) {
  std::ifstream in(assets_dir / file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace tabulo::test
