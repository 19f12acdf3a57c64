# Win32 sources of the core services.
