# Finds libcsv 3, the streaming CSV parser (Debian: libcsv-dev), which ships no
# CMake or pkg-config file. Defines LibCsv_FOUND, LibCsv_VERSION and the
# imported target LibCsv::LibCsv.
find_path(LibCsv_INCLUDE_DIR NAMES csv.h)
find_library(LibCsv_LIBRARY NAMES csv)

if(LibCsv_INCLUDE_DIR AND EXISTS "${LibCsv_INCLUDE_DIR}/csv.h")
  file(STRINGS "${LibCsv_INCLUDE_DIR}/csv.h" _libcsv_version_lines REGEX "^#define CSV_(MAJOR|MINOR|RELEASE) ")
  foreach(_part MAJOR MINOR RELEASE)
    string(REGEX REPLACE ".*#define CSV_${_part} ([0-9]+).*" "\\1" _libcsv_${_part} "${_libcsv_version_lines}")
  endforeach()
  set(LibCsv_VERSION "${_libcsv_MAJOR}.${_libcsv_MINOR}.${_libcsv_RELEASE}")
endif()

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(LibCsv
  REQUIRED_VARS LibCsv_LIBRARY LibCsv_INCLUDE_DIR
  VERSION_VAR LibCsv_VERSION)

if(LibCsv_FOUND AND NOT TARGET LibCsv::LibCsv)
  add_library(LibCsv::LibCsv UNKNOWN IMPORTED)
  set_target_properties(LibCsv::LibCsv PROPERTIES
    IMPORTED_LOCATION "${LibCsv_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${LibCsv_INCLUDE_DIR}")
endif()
mark_as_advanced(LibCsv_INCLUDE_DIR LibCsv_LIBRARY)
