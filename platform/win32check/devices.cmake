# Win32 sources of the device services.
