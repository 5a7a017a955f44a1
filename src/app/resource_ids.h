#pragma once
// Resource numbers of the pictures, sounds and icons carried in Tabulo.exe.
// Shared by resources.rc and the code that loads them (ResourceBytes); plain
// #defines because the resource compiler reads this file too.

// The program icon group; the engine looks it up by this number first.
#define IDI_TABULO 129

// Application shell: start-up window, bar skins, tool window, about window,
// tray menu. RCDATA, loaded with ResourceBytes.
#define IDR_STARTUP_GIF 201
#define IDR_SKY_JPG 202
#define IDR_STARRY_JPG 203
#define IDR_TOOL_WINDOW_PNG 204
#define IDR_TOOL_TIMETABLE_PNG 205
#define IDR_TOOL_DRAW_PNG 206
#define IDR_TOOL_WRITER_PNG 207
#define IDR_TOOL_TIMER_PNG 208
#define IDR_TOOL_SETTINGS_PNG 209
#define IDR_TOOL_ABOUT_PNG 210
#define IDR_HIDE_STRIP_PNG 211
#define IDR_ABOUT_PNG 212
#define IDR_MENU_ABOUT_PNG 213
#define IDR_MENU_EXIT_PNG 214
#define IDR_MENU_CALENDAR_PNG 215

// Class reminder pop-up.
#define IDR_REMINDER_CLOSE_PNG 221

// Classroom tools: random draw, timer, batch file writer.
#define IDR_TOOL_BACKGROUND_PNG 231
#define IDR_TIMER_PLUS_PNG 232
#define IDR_TIMER_MINUS_PNG 233
#define IDR_CHIME_WAV 234
#define IDR_WRITER_BACKGROUND_JPG 235
