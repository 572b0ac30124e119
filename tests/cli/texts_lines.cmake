# Runs "zentara-cli texts" (the program is passed as -DCLI=...) and checks the
# shape of its output: 81 lines "KEY<tab>paragraph", the keys 11 to 99 without a
# zero digit in ascending order. An extra argument must be a usage error.
execute_process(COMMAND "${CLI}" texts
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "zentara-cli texts: exit status ${status}, expected 0\n${err}")
endif()
if(NOT out MATCHES "\n$")
  message(FATAL_ERROR "zentara-cli texts: the output does not end with a line break")
endif()

# Semicolons would split CMake list items; only line breaks may do that here.
string(REPLACE ";" "," out "${out}")
string(REGEX REPLACE "\n$" "" out "${out}")
string(REPLACE "\n" ";" lines "${out}")
list(LENGTH lines count)
if(NOT count EQUAL 81)
  message(FATAL_ERROR "zentara-cli texts: ${count} lines, expected 81")
endif()

set(index 0)
foreach(male RANGE 1 9)
  foreach(female RANGE 1 9)
    list(GET lines ${index} line)
    if(NOT line MATCHES "^([0-9]+)\t([^\t]+)$")
      message(FATAL_ERROR "zentara-cli texts: line ${index} is not KEY<tab>paragraph: '${line}'")
    endif()
    if(NOT CMAKE_MATCH_1 STREQUAL "${male}${female}")
      message(FATAL_ERROR "zentara-cli texts: line ${index} has key ${CMAKE_MATCH_1}, expected ${male}${female}")
    endif()
    math(EXPR index "${index} + 1")
  endforeach()
endforeach()

execute_process(COMMAND "${CLI}" texts --json
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 2 OR NOT out STREQUAL "" OR err STREQUAL "")
  message(FATAL_ERROR "zentara-cli texts --json: exit status ${status}, expected 2 with a message on stderr only")
endif()
