# Korvel and Marlowin: their transfer logic against in-memory devices, their
# Linux backends against a temporary sysfs and /dev tree, their export tables.

solvane_add_test(KorvelTest
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/KorvelTest.cpp
  LIBS KorvelCore)
solvane_add_test(MarlowinTest
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/MarlowinTest.cpp
  LIBS MarlowinCore)
solvane_add_test(KorvelLinuxTest
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/KorvelLinuxTest.cpp
  LIBS KorvelCore)
solvane_add_test(MarlowinLinuxTest
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/MarlowinLinuxTest.cpp
  LIBS MarlowinCore)

# The Windows DLLs come from the mingw-w64 cross-build (scripts/build-windows),
# which scripts/test runs before ctest.
if(DEFINED ENV{SOLVANE_WINDOWS_BUILD_DIR})
  set(windows_build_default "$ENV{SOLVANE_WINDOWS_BUILD_DIR}")
else()
  set(windows_build_default "${CMAKE_SOURCE_DIR}/build-mingw")
endif()
set(SOLVANE_WINDOWS_BUILD_DIR "${windows_build_default}" CACHE PATH
  "Build folder of the mingw-w64 cross-build checked by WindowsExportsTest")
find_program(SOLVANE_MINGW_OBJDUMP x86_64-w64-mingw32-objdump)

add_test(NAME WindowsExportsTest
  COMMAND ${CMAKE_COMMAND} -DPLATFORM=windows -DTOOL=${SOLVANE_MINGW_OBJDUMP}
    -DLIBRARY_DIR=${SOLVANE_WINDOWS_BUILD_DIR}/bin -P ${CMAKE_CURRENT_LIST_DIR}/ExportsTest.cmake)
add_test(NAME LinuxExportsTest
  COMMAND ${CMAKE_COMMAND} -DPLATFORM=linux -DTOOL=${CMAKE_NM}
    -DLIBRARY_DIR=$<TARGET_FILE_DIR:Korvel> -P ${CMAKE_CURRENT_LIST_DIR}/ExportsTest.cmake)

add_test(NAME TunerprobeTest
  COMMAND ${CMAKE_COMMAND} -DTUNERPROBE=$<TARGET_FILE:tunerprobe>
    -P ${CMAKE_CURRENT_LIST_DIR}/TunerprobeTest.cmake)
