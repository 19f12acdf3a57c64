#include "MarlowinTransfer.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

bool IsDevice(void* device)
{
    return device != nullptr && device != MarlowinNoDevice();
}

bool IsTuner(const HidIdentity& identity)
{
    return identity.vendorId == MarlowinVendorId && identity.productId == MarlowinProductId;
}

bool Acceptable(std::uint32_t length, const void* buffer)
{
    return length <= static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())
        && (length == 0 || buffer != nullptr);
}

// The report carries the report id 0 in front of the caller's bytes.
class Report {
public:
    Report(MarlowinServices& services, std::uint32_t length)
        : m_services(services)
        , m_size(length + 1)
        , m_block(services.AllocateZeroed(m_size))
    {
    }
    ~Report()
    {
        if (m_block)
            m_services.Free(m_block);
    }
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    std::uint8_t* Block() const { return m_block; }
    std::uint32_t Size() const { return m_size; }

    // The caller's count: the bytes moved without the report id.
    std::int32_t DataCount(std::uint32_t moved) const
    {
        return static_cast<std::int32_t>(std::min(moved, m_size)) - 1;
    }

private:
    MarlowinServices& m_services;
    std::uint32_t m_size;
    std::uint8_t* m_block;
};

} // namespace

void* MarlowinNoDevice()
{
    return reinterpret_cast<void*>(static_cast<std::intptr_t>(-1));
}

void* MarlowinOpenDevice(MarlowinServices& services)
{
    const std::unique_ptr<HidInterfaceSet> set = services.PresentInterfaces();
    if (!set)
        return MarlowinNoDevice();
    for (std::uint32_t index = 0;; ++index) {
        const HidInterfaceEntry entry = set->At(index);
        if (entry.kind == HidInterfaceEntry::Kind::End)
            break;
        if (entry.kind == HidInterfaceEntry::Kind::Skipped)
            continue;
        if (entry.identity && !IsTuner(*entry.identity))
            continue;
        void* device = services.Open(entry.path);
        if (!IsDevice(device))
            continue;
        const std::optional<HidIdentity> identity =
            entry.identity ? entry.identity : services.Attributes(device);
        if (identity && IsTuner(*identity))
            return device;
        services.Close(device);
    }
    return MarlowinNoDevice();
}

int MarlowinWriteBuffer(MarlowinServices& services, void* device, std::uint32_t length,
                        const std::uint8_t* data, std::int32_t* bytesWritten)
{
    std::int32_t unused = 0;
    std::int32_t& count = bytesWritten ? *bytesWritten : unused;
    count = -1;
    if (!Acceptable(length, data))
        return 0;
    const Report report(services, length);
    if (!report.Block())
        return 0;
    if (length != 0)
        std::memcpy(report.Block() + 1, data, length);
    std::uint32_t written = 0;
    const int result = services.Write(device, report.Block(), report.Size(), &written);
    count = report.DataCount(written);
    return result;
}

int MarlowinReadBuffer(MarlowinServices& services, void* device, std::uint32_t length,
                       std::uint8_t* buffer, std::int32_t* bytesRead)
{
    std::int32_t unused = 0;
    std::int32_t& count = bytesRead ? *bytesRead : unused;
    count = -1;
    if (!Acceptable(length, buffer))
        return 0;
    const Report report(services, length);
    if (!report.Block())
        return 0;
    std::uint32_t read = 0;
    const int result = services.Read(device, report.Block(), report.Size(), &read);
    const std::int32_t dataCount = report.DataCount(read);
    if (result != 0 && dataCount > 0)
        std::memcpy(buffer, report.Block() + 1, static_cast<std::size_t>(dataCount));
    count = dataCount;
    return result;
}

int MarlowinCloseDevice(MarlowinServices& services, void* device)
{
    return IsDevice(device) ? services.Close(device) : 0;
}
