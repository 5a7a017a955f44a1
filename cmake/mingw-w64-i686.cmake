# Cross toolchain for the 32-bit program: MinGW-w64 i686, otherwise the same
# as the 64-bit one, so both builds share one libstdc++ configuration.
set(TABULO_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
