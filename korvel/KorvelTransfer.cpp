#include "KorvelTransfer.h"

#include <cstdio>
#include <cstring>
#include <limits>

namespace {

void PutLittleEndian(std::uint8_t* at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

bool Acceptable(std::uint32_t length, const void* buffer)
{
    return length <= KorvelTransferLimit && (length == 0 || buffer != nullptr);
}

} // namespace

void EncodeKorvelRequest(KorvelTransferFrame& frame, std::uint8_t opcode, std::uint32_t length,
                         std::uint32_t dataAddress)
{
    frame.request.fill(0);
    frame.request[0] = opcode;
    PutLittleEndian(&frame.request[4], length);
    PutLittleEndian(&frame.request[8], dataAddress);
}

std::uint32_t KorvelAddressField(const void* buffer)
{
    const auto address = reinterpret_cast<std::uintptr_t>(buffer);
    return address <= std::numeric_limits<std::uint32_t>::max() ? static_cast<std::uint32_t>(address)
                                                               : 0;
}

void* KorvelOpenDevice(KorvelServices& services)
{
    const KorvelServices::InterfaceLookup lookup = services.FindFirstInterface();
    if (!lookup.haveDeviceSet) {
        std::printf("No HDEVINFO available for this GUID\n");
        return nullptr;
    }
    if (!lookup.firstPath)
        return nullptr;
    std::printf("Symbolic link is %s\n", lookup.firstPath->c_str());
    return services.OpenPath(*lookup.firstPath);
}

int KorvelReadBuffer(KorvelServices& services, void* device, std::uint32_t length,
                     std::uint8_t* buffer, std::uint32_t* bytesReturned)
{
    std::uint32_t unused = 0;
    std::uint32_t& returned = bytesReturned ? *bytesReturned : unused;
    if (!Acceptable(length, buffer)) {
        returned = 0;
        return 0;
    }
    // Starts zeroed: a short reply then hands the caller zeros, never stale memory.
    KorvelTransferFrame frame;
    EncodeKorvelRequest(frame, KorvelReadOpcode, length, 0);
    const int result = services.Control(device, KorvelReadCode, frame, length, &returned);
    if (result != 0 && length != 0)
        std::memcpy(buffer, frame.data.data(), length);
    return result;
}

int KorvelWriteBuffer(KorvelServices& services, void* device, std::uint32_t length,
                      const std::uint8_t* buffer, std::uint32_t* bytesReturned)
{
    std::uint32_t unused = 0;
    std::uint32_t& returned = bytesReturned ? *bytesReturned : unused;
    if (!Acceptable(length, buffer)) {
        returned = 0;
        return 0;
    }
    KorvelTransferFrame frame;
    if (length != 0)
        std::memcpy(frame.data.data(), buffer, length);
    EncodeKorvelRequest(frame, KorvelWriteOpcode, length, KorvelAddressField(frame.data.data()));
    return services.Control(device, KorvelWriteCode, frame, 0, &returned);
}
