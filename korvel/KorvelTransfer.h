#pragma once

#include "KorvelServices.h"

#include <cstdint>

// Korvel's operations, written once over the device services.

void* KorvelOpenDevice(KorvelServices& services);

// Length above KorvelTransferLimit or a missing buffer for a nonzero length:
// refused with result 0 and a count of 0; no request is sent, no buffer touched.
int KorvelReadBuffer(KorvelServices& services, void* device, std::uint32_t length,
                     std::uint8_t* buffer, std::uint32_t* bytesReturned);
int KorvelWriteBuffer(KorvelServices& services, void* device, std::uint32_t length,
                      const std::uint8_t* buffer, std::uint32_t* bytesReturned);
