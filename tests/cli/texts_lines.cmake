# Runs "zentara-cli texts" (the program is passed as -DCLI=...) and checks the
# shape of its output: 81 lines "KEY<tab>paragraph", the keys 11 to 99 without a
# zero digit in ascending order; --json gives the same rows as one JSON array.
# An unknown option must be a usage error.
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

# --json: one array of the same 81 rows, keys as texts.
execute_process(COMMAND "${CLI}" texts --json
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "zentara-cli texts --json: exit status ${status}, expected 0\n${err}")
endif()
string(JSON count ERROR_VARIABLE json_error LENGTH "${out}")
if(json_error OR NOT count EQUAL 81)
  message(FATAL_ERROR "zentara-cli texts --json: ${count} rows, expected an array of 81 ${json_error}")
endif()
string(JSON first_key GET "${out}" 0 key)
string(JSON last_key GET "${out}" 80 key)
list(GET lines 0 first_line)
string(JSON first_text GET "${out}" 0 text)
if(NOT first_key STREQUAL "11" OR NOT last_key STREQUAL "99" OR NOT first_line STREQUAL "11\t${first_text}")
  message(FATAL_ERROR "zentara-cli texts --json: keys ${first_key}..${last_key}, expected 11..99, "
                      "and the first text '${first_text}' must be the text output's '${first_line}'")
endif()

execute_process(COMMAND "${CLI}" texts --csv
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 2 OR NOT out STREQUAL "" OR err STREQUAL "")
  message(FATAL_ERROR "zentara-cli texts --csv: exit status ${status}, expected 2 with a message on stderr only")
endif()
