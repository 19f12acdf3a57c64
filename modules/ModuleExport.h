#pragma once

// The outside libraries are built with hidden symbols; only their documented
// entry points carry this mark.
#if defined(_WIN32)
#define SOLVANE_MODULE_EXPORT __declspec(dllexport)
#else
#define SOLVANE_MODULE_EXPORT __attribute__((visibility("default")))
#endif
