#pragma once

#include "MarlowinServices.h"

#include <cstdint>

// Marlowin's operations, written once over the device services.

inline constexpr std::uint16_t MarlowinVendorId = 0x040B;
inline constexpr std::uint16_t MarlowinProductId = 0x4100;

// The platform's invalid handle, all bits set: "no device".
void* MarlowinNoDevice();

// Tries every interface of the set in index order until the enumeration ends;
// handles of devices that do not match are closed again.
void* MarlowinOpenDevice(MarlowinServices& services);

// A length above INT32_MAX (whose report size or count would not fit) or a
// missing buffer for a nonzero length is refused: result 0, count -1, nothing
// sent or touched. So is a failed allocation.
int MarlowinWriteBuffer(MarlowinServices& services, void* device, std::uint32_t length,
                        const std::uint8_t* data, std::int32_t* bytesWritten);
int MarlowinReadBuffer(MarlowinServices& services, void* device, std::uint32_t length,
                       std::uint8_t* buffer, std::int32_t* bytesRead);

int MarlowinCloseDevice(MarlowinServices& services, void* device);
