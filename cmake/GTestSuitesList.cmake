# Script mode, run by the include file of tabulo_add_gtest_suites: lists the
# suites of EXE (through EMULATOR) and writes one add_test per suite to
# OUTPUT.
execute_process(COMMAND ${EMULATOR} "${EXE}" --gtest_list_tests
  WORKING_DIRECTORY "${WORKING_DIRECTORY}"
  OUTPUT_VARIABLE listing RESULT_VARIABLE result TIMEOUT 300)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${EXE} --gtest_list_tests failed (${result}):\n${listing}")
endif()
string(REPLACE "\r" "" listing "${listing}")
string(REPLACE "\n" ";" lines "${listing}")
set(runner "")
if(EMULATOR)
  set(runner "[=[${EMULATOR}]=] ")
endif()
set(script "")
set(count 0)
foreach(line IN LISTS lines)
  # A suite line starts in the first column and ends its name with a dot,
  # maybe followed by "  # TypeParam = ..."; test names are indented.
  if(line MATCHES "^([^ #][^ ]*)\\.( .*)?$")
    set(suite "${CMAKE_MATCH_1}")
    string(APPEND script
      "add_test([=[${PREFIX}${suite}]=] ${runner}[=[${EXE}]=] [=[--gtest_filter=${suite}.*]=])\n"
      "set_tests_properties([=[${PREFIX}${suite}]=] PROPERTIES TIMEOUT ${TIMEOUT} WORKING_DIRECTORY [=[${WORKING_DIRECTORY}]=])\n")
    math(EXPR count "${count} + 1")
  endif()
endforeach()
if(count EQUAL 0)
  message(FATAL_ERROR "${EXE} lists no test suite:\n${listing}")
endif()
file(WRITE "${OUTPUT}" "${script}")
