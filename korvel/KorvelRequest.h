#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// What Korvel sends to the vendor driver for one transfer.

inline constexpr std::uint32_t KorvelTransferLimit = 256;
inline constexpr std::size_t KorvelRequestSize = 12;

// Buffered, any access, device type 0x22: the driver's control code layout.
constexpr std::uint32_t KorvelControlCode(std::uint32_t function)
{
    return (0x22u << 16) | (function << 2);
}

inline constexpr std::uint32_t KorvelReadCode = KorvelControlCode(0x807);
inline constexpr std::uint32_t KorvelWriteCode = KorvelControlCode(0x808);
inline constexpr std::uint8_t KorvelReadOpcode = 0x88;
inline constexpr std::uint8_t KorvelWriteOpcode = 0x66;

// One transfer as it leaves the library: the 12-byte request block directly
// followed by the library's transfer buffer. On Linux this whole frame is the
// ioctl argument (see README.md).
struct KorvelTransferFrame {
    std::array<std::uint8_t, KorvelRequestSize> request{};
    std::array<std::uint8_t, KorvelTransferLimit> data{};
};

static_assert(offsetof(KorvelTransferFrame, data) == KorvelRequestSize);
static_assert(sizeof(KorvelTransferFrame) == KorvelRequestSize + KorvelTransferLimit);

// Fills the request block: opcode at 0, little-endian length at 4 and data
// address at 8; bytes 1 to 3 stay zero.
void EncodeKorvelRequest(KorvelTransferFrame& frame, std::uint8_t opcode, std::uint32_t length,
                         std::uint32_t dataAddress);

// The request's data address field is 32 bits wide. A transfer buffer that a
// 64-bit process placed above 4 GiB cannot be named there, so the field then
// carries 0 rather than a truncated address the driver would follow.
std::uint32_t KorvelAddressField(const void* buffer);
