#ifndef MARLOWIN_H
#define MARLOWIN_H

/* Marlowin: moves blocks of bytes to and from the FM tuner's USB device as
   HID reports (report id 0 in front of the data). Plain C names; on 32-bit
   Windows the callee cleans the stack. */

#include "marlowin_export.h"

#include <stdint.h>

#if defined(_WIN32)
#define MARLOWIN_CALL __stdcall
#else
#define MARLOWIN_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The device handle, or all bits set (-1) when no tuner could be opened. The
   argument is not used. */
MARLOWIN_EXPORT void* MARLOWIN_CALL ZI65D4_OpenDevice(uint32_t unused);

/* Results are nonzero on success; the counts exclude the report id and read
   -1 when nothing was transferred. */
MARLOWIN_EXPORT int32_t MARLOWIN_CALL ZI65D4_WriteBuffer(void* device, uint32_t length,
                                                         const uint8_t* data, int32_t* bytesWritten);
MARLOWIN_EXPORT int32_t MARLOWIN_CALL ZI65D4_ReadBuffer(void* device, uint32_t length,
                                                        uint8_t* buffer, int32_t* bytesRead);

/* 0 for the handles 0 and -1, which mean no device. */
MARLOWIN_EXPORT int32_t MARLOWIN_CALL ZI65D4_CloseDevice(void* device);

#ifdef __cplusplus
}
#endif

#endif
