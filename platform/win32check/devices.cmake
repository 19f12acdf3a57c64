# Win32 sources of the device services (the program links them with winmm).
list(APPEND SOLVANE_WIN32_SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/../AcpiDevice.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/../AcpiDeviceWin32.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/../Mixer.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/../MixerWin32.cpp
)
