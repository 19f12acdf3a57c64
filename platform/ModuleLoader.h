#pragma once

#include <string>

// Loading the outside libraries by their Windows names. On Linux
// "Tessmod.dll" is the shared object "libTessmod.so", looked up in the
// program's folder first and then by the system's normal search.
using ModuleHandle = void*;

// "Tessmod.dll" -> "libTessmod.so" on Linux; unchanged on Windows.
std::string PlatformLibraryName(const std::string& windowsName);

// nullptr when the library cannot be loaded.
ModuleHandle LoadModule(const std::string& windowsName, const std::string& programDir);

// nullptr when the library has no such entry point.
void* FindEntryPoint(ModuleHandle module, const char* name);

void UnloadModule(ModuleHandle module);

// The system's text for the last failed load or lookup, for diagnostics.
std::string LastModuleError();
