# Win32 sources of the core services: list(APPEND SOLVANE_WIN32_SOURCES ...).
