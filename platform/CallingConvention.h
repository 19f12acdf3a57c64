#pragma once

// The outside libraries use the Windows standard calling convention. Only
// 32-bit Windows distinguishes it; everywhere else it is the C convention.
#if defined(_WIN32) && !defined(_WIN64)
#define SOLVANE_STDCALL __stdcall
#else
#define SOLVANE_STDCALL
#endif
