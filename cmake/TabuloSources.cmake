# Every source file of the product is either pure (standard C++ only, built on
# every platform and tested natively on Linux) or Windows (Win32/GDI+). Each
# directory names its files with one of the two functions below; the native
# Linux build compiling the pure ones is what keeps <windows.h> out of them.
function(tabulo_pure_sources)
  foreach(f IN LISTS ARGN)
    target_sources(tabulo_core PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/${f})
  endforeach()
endfunction()

function(tabulo_windows_sources)
  if(WIN32)
    foreach(f IN LISTS ARGN)
      target_sources(tabulo_win PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/${f})
    endforeach()
  endif()
endfunction()
