#pragma once

// Korvel: moves blocks of up to 256 bytes to and from the FM tuner's USB
// device through its vendor driver. The functions keep C++ linkage (their
// exported names are the compiler's decorated ones) and the caller cleans the
// stack.

#include "korvel_export.h"

#include <cstdint>

// A handle to the device, or null when none could be opened. It is the
// platform's file handle (a file descriptor on Linux) and is released with the
// platform's close; Korvel has no close of its own.
KORVEL_EXPORT void* ZI65D4_OpenDevice();

// Results are nonzero on success. A length above 256 is refused (result 0).
KORVEL_EXPORT int ZI65D4_ReadBuffer(void* device, std::uint32_t length, std::uint8_t* buffer,
                                    std::uint32_t* bytesReturned);
KORVEL_EXPORT int ZI65D4_WriteBuffer(void* device, std::uint32_t length, const std::uint8_t* buffer,
                                     std::uint32_t* bytesReturned);

// Kept for callers that link against these names; Korvel itself never uses them.
class KORVEL_EXPORT CKorvel {
public:
    CKorvel();
    CKorvel& operator=(const CKorvel& other);
};

KORVEL_EXPORT extern std::int32_t nKorvel;
