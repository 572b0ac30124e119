# Which folder may include which: the build stops when a file of a lower folder
# includes a header of a higher one, as the core's build stops on a Qt
# include. Run as a script on every build (cmake -P), over SOURCE_DIR:
#   common/  includes only common/ and the system layer of platform/
#            (system_files.h, mapped_file.h), which stands below it;
#   book/    includes nothing of cli/, people/, shell/, and no window.
# A window is a header named frm*.h or MDIForm*.h. docs/architecture.md draws
# the whole ladder.
cmake_minimum_required(VERSION 3.25)
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "layering.cmake: SOURCE_DIR is not set")
endif()

set(violations "")
# Checks each file under `folder` with `check`, a macro that sets `refused`
# for an include it does not allow.
macro(check_folder folder)
  file(GLOB_RECURSE files ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(file IN LISTS files)
    file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" included "${line}")
      set(refused FALSE)
      cmake_language(CALL check_${folder} "${included}")
      if(refused)
        file(RELATIVE_PATH where ${SOURCE_DIR} ${file})
        list(APPEND violations "${where} includes ${included}")
      endif()
    endforeach()
  endforeach()
endmacro()

macro(check_common included)
  if(NOT "${included}" MATCHES "^common/" AND NOT "${included}" MATCHES "^platform/(system_files|mapped_file)\\.h$")
    set(refused TRUE)
  endif()
endmacro()

macro(check_book included)
  get_filename_component(name "${included}" NAME)
  if("${included}" MATCHES "^(cli|people|shell)/" OR name MATCHES "^(frm|MDIForm)")
    set(refused TRUE)
  endif()
endmacro()

check_folder(common)
check_folder(book)

if(violations)
  list(JOIN violations "\n  " listed)
  message(FATAL_ERROR "A lower folder includes a higher one (docs/architecture.md):\n  ${listed}")
endif()
