# Fails, naming them, when a test of the build in BUILD_DIR has no TIMEOUT, one of 0 (which ctest
# takes for none) or one over ten minutes: a hang must fail the run with its test's name, long
# before CI's time runs out.
#   cmake -DCTEST=ctest -DBUILD_DIR=DIR -P EveryTestHasATimeout.cmake
set(most_seconds 600)

# A listing writes ctest's log in the folder it lists, where the ctest that runs this check is
# writing its own; listing the build from a folder of this check's own leaves that log whole.
set(listing ${CMAKE_CURRENT_BINARY_DIR}/every_test_has_a_timeout)
file(WRITE ${listing}/CTestTestfile.cmake "subdirs(\"${BUILD_DIR}\")\n")
execute_process(COMMAND ${CTEST} --test-dir ${listing} --show-only=json-v1
                OUTPUT_VARIABLE json RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "ctest could not list the tests of ${BUILD_DIR}")
endif()

# timeout_of(TEST OUT): the TIMEOUT of the test's JSON object, or nothing.
function(timeout_of test out)
  set(${out} "" PARENT_SCOPE)
  string(JSON count ERROR_VARIABLE no_properties LENGTH "${test}" properties)
  if(no_properties)
    return()
  endif()
  math(EXPR last "${count} - 1")
  foreach(index RANGE ${last})
    string(JSON name GET "${test}" properties ${index} name)
    if(name STREQUAL "TIMEOUT")
      string(JSON seconds GET "${test}" properties ${index} value)
      set(${out} ${seconds} PARENT_SCOPE)
    endif()
  endforeach()
endfunction()

set(faults "")
string(JSON count LENGTH "${json}" tests)
math(EXPR last "${count} - 1")
foreach(index RANGE ${last})
  string(JSON test GET "${json}" tests ${index})
  string(JSON name GET "${test}" name)
  timeout_of("${test}" seconds)
  if(seconds STREQUAL "")
    string(APPEND faults "\n  ${name}: no TIMEOUT")
  elseif(NOT seconds GREATER 0)
    string(APPEND faults "\n  ${name}: TIMEOUT ${seconds}, which ctest takes for none")
  elseif(seconds GREATER most_seconds)
    string(APPEND faults "\n  ${name}: TIMEOUT ${seconds} s, over ${most_seconds} s")
  endif()
endforeach()
if(NOT faults STREQUAL "")
  message(FATAL_ERROR "Every test needs a TIMEOUT above 0 and at most ${most_seconds} s:${faults}")
endif()
message(STATUS "${count} tests, each with a TIMEOUT of at most ${most_seconds} s")
