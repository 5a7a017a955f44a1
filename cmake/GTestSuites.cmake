# One CTest test per GoogleTest suite of a test program, discovered when
# CTest starts (like gtest_discover_tests in PRE_TEST mode).
#
# The Windows tests run under Wine, each on a private Wine desktop with its
# own display and Wine server (scripts/lib/wine-sandbox, the cross build's
# emulator), so that tests that show windows, take the focus or register hot
# keys cannot disturb each other. A desktop takes a second or two to make;
# one per suite rather than one per test keeps the run short, and a suite's
# tests share a fixture and run in order anyway.
#
#   tabulo_add_gtest_suites(TARGET PREFIX win. TIMEOUT 300)
set(TABULO_GTEST_SUITES_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/GTestSuitesList.cmake)

function(tabulo_add_gtest_suites target)
  cmake_parse_arguments(arg "" "PREFIX;TIMEOUT" "" ${ARGN})
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 300)
  endif()
  set(list_file "${CMAKE_CURRENT_BINARY_DIR}/${target}_suites.cmake")
  set(include_file "${CMAKE_CURRENT_BINARY_DIR}/${target}_include.cmake")
  file(GENERATE OUTPUT "${include_file}" CONTENT
"set(exe \"$<TARGET_FILE:${target}>\")
if(NOT EXISTS \"\${exe}\")
  add_test(\"${arg_PREFIX}NOT_BUILT\" \"\${exe}\")
  return()
endif()
if(NOT EXISTS \"${list_file}\" OR \"\${exe}\" IS_NEWER_THAN \"${list_file}\")
  execute_process(COMMAND \"${CMAKE_COMMAND}\"
      -D \"EXE=\${exe}\"
      -D \"EMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}\"
      -D \"PREFIX=${arg_PREFIX}\"
      -D \"TIMEOUT=${arg_TIMEOUT}\"
      -D \"WORKING_DIRECTORY=${CMAKE_CURRENT_BINARY_DIR}\"
      -D \"OUTPUT=${list_file}\"
      -P \"${TABULO_GTEST_SUITES_SCRIPT}\"
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR \"Could not list the test suites of \${exe}\")
  endif()
endif()
include(\"${list_file}\")
")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${include_file}")
endfunction()
