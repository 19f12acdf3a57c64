# Win32 sources of the core services: library loading and single instance.
list(APPEND SOLVANE_WIN32_SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/../ModuleLoaderWin32.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/../SingleInstanceWin32.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/../RadioModuleApi.cpp)
