# Checks that Korvel and Marlowin export exactly their documented names.
#   cmake -DPLATFORM=windows -DTOOL=<mingw objdump> -DLIBRARY_DIR=<build-mingw>/bin -P ExportsTest.cmake
#   cmake -DPLATFORM=linux -DTOOL=<nm> -DLIBRARY_DIR=<build>/bin -P ExportsTest.cmake
# Korvel keeps C++ linkage, so its functions and class members appear under
# their decorated names; Marlowin's names are plain.

set(korvel_names
  _Z17ZI65D4_OpenDevicev
  _Z17ZI65D4_ReadBufferPvjPhPj
  _Z18ZI65D4_WriteBufferPvjPKhPj
  _ZN7CKorvelC1Ev
  _ZN7CKorvelC2Ev
  _ZN7CKorvelaSERKS_
  nKorvel)
set(marlowin_names
  ZI65D4_CloseDevice
  ZI65D4_OpenDevice
  ZI65D4_ReadBuffer
  ZI65D4_WriteBuffer)

if(PLATFORM STREQUAL "windows")
  set(korvel_file Korvel.dll)
  set(marlowin_file Marlowin.dll)
  set(hint "run scripts/build-windows first")
elseif(PLATFORM STREQUAL "linux")
  set(korvel_file libKorvel.so)
  set(marlowin_file libMarlowin.so)
  set(hint "build the Korvel and Marlowin targets first")
else()
  message(FATAL_ERROR "PLATFORM must be windows or linux, not '${PLATFORM}'")
endif()

if(NOT TOOL OR NOT EXISTS "${TOOL}")
  message(FATAL_ERROR "No export table reader ('${TOOL}'); for Windows install mingw-w64")
endif()

function(exported_names library result)
  if(PLATFORM STREQUAL "windows")
    execute_process(COMMAND "${TOOL}" -p "${library}"
      OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
    # The names follow the "[Ordinal/Name Pointer] Table" heading, one a line.
    string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n([^\n]+\n)*" dump "${dump}")
    set(entry_pattern "^[ \t]*\\[ *[0-9]+\\][ \t]+")
  else()
    execute_process(COMMAND "${TOOL}" -D --defined-only --format=posix "${library}"
      OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
    # Each line: name, type, address, size.
    set(entry_pattern "^")
  endif()
  string(REPLACE "\n" ";" lines "${dump}")
  set(entries "")
  foreach(line IN LISTS lines)
    if(line MATCHES "${entry_pattern}([^ \t]+)")
      list(APPEND entries "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  if(failed)
    message(FATAL_ERROR "Cannot read the export table of ${library}")
  endif()
  list(SORT entries)
  set(${result} "${entries}" PARENT_SCOPE)
endfunction()

set(failures "")
foreach(library korvel marlowin)
  set(path "${LIBRARY_DIR}/${${library}_file}")
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "${path} is missing: ${hint}")
  endif()
  exported_names("${path}" actual)
  set(expected ${${library}_names})
  list(SORT expected)
  if(NOT actual STREQUAL expected)
    string(APPEND failures "${${library}_file} exports\n  ${actual}\nexpected\n  ${expected}\n")
  else()
    message(STATUS "${${library}_file}: ${actual}")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
