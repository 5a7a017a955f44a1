# Cross toolchain: MinGW-w64 with the posix thread model, x86-64 unless a
# toolchain file for another processor (mingw-w64-i686.cmake) sets
# TABULO_MINGW_PROCESSOR and includes this one.
# The posix variant is required: GoogleTest's port layer needs std::mutex,
# which the win32 thread model of GCC 12 does not provide.
if(NOT TABULO_MINGW_PROCESSOR)
  set(TABULO_MINGW_PROCESSOR x86_64)
endif()
set(triplet ${TABULO_MINGW_PROCESSOR}-w64-mingw32)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TABULO_MINGW_PROCESSOR})
set(CMAKE_C_COMPILER   ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER  ${triplet}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Windows test programs run through Wine; the wrapper supplies the project's own prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/lib/wine-exec")
