# Win32 sources of the device services: list(APPEND SOLVANE_WIN32_SOURCES ...).
