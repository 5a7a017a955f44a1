#pragma once
// Resource numbers of the pictures, sounds and icons carried in Tabulo.exe.
// Shared by resources.rc and the code that loads them.

// The program icon group; the engine looks it up by this number first.
#define IDI_TABULO 129
