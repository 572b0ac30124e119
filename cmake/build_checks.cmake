# Checks for continuous integration; scripts/test.sh turns them on, a plain
# build has neither, so a new compiler's warning never stops a user's build.
#   ZENTARA_WERROR    compiler warnings are errors.
#   ZENTARA_SANITIZE  everything (libraries, programs, tests) is built with these
#                     sanitizers, written as -fsanitize takes them, such as
#                     "address,undefined". Every finding stops the program with
#                     an error, so the test that met it fails.
option(ZENTARA_WERROR "Treat compiler warnings as errors" OFF)
set(ZENTARA_SANITIZE "" CACHE STRING "Sanitizers to build with, as -fsanitize takes them: address,undefined")

if(ZENTARA_WERROR)
  add_compile_options(-Werror)
endif()

if(ZENTARA_SANITIZE)
  add_compile_options(-fsanitize=${ZENTARA_SANITIZE} -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${ZENTARA_SANITIZE})
  # The sanitizers' options for every test. ctest reads this file before it
  # starts any test and takes the variables into its own environment, which each
  # test, and each program a test script starts, inherits. Leak detection stays
  # on; tests/sanitizer/lsan.supp names the system libraries whose leaks are not
  # ours.
  set(lsan_suppressions ${CMAKE_SOURCE_DIR}/tests/sanitizer/lsan.supp)
  file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/sanitizer_environment.cmake CONTENT [[
set(ENV{ASAN_OPTIONS} "detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1")
set(ENV{LSAN_OPTIONS} "suppressions=@lsan_suppressions@:print_suppressions=0")
set(ENV{UBSAN_OPTIONS} "print_stacktrace=1:halt_on_error=1")
]] @ONLY)
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${CMAKE_BINARY_DIR}/sanitizer_environment.cmake)
endif()
