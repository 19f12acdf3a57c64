#include "AcpiDevice.h"

#include <windows.h>

#include <cstdint>

namespace {

constexpr DWORD ReadWriteAccess = 0xC0000000;
constexpr DWORD ShareReadWrite = 3;

// The driver reads the argument record at the 32-bit address in the
// request. A work area the field cannot address (above 4 GiB in a 64-bit
// process) is never handed to it: the driver would read foreign memory.
bool HeaderAddressesWorkArea(const AcpiRequest& request)
{
    const auto address = reinterpret_cast<std::uintptr_t>(request.workArea.data());
    const std::uint8_t* field = request.header.data() + 16;
    const std::uint32_t stored = static_cast<std::uint32_t>(field[0]) | (static_cast<std::uint32_t>(field[1]) << 8)
        | (static_cast<std::uint32_t>(field[2]) << 16) | (static_cast<std::uint32_t>(field[3]) << 24);
    return address == stored;
}

class AcpiDeviceWin32 final : public AcpiDevice {
public:
    ~AcpiDeviceWin32() override { Close(); }

    bool Open() override
    {
        Close();
        m_handle = CreateFileA(AcpiDevicePath, ReadWriteAccess, ShareReadWrite, nullptr, OPEN_EXISTING, 0, nullptr);
        return IsOpen();
    }

    bool IsOpen() const override { return m_handle != INVALID_HANDLE_VALUE; }

    bool Control(std::uint32_t code, const AcpiRequest& request, AcpiReply& reply) override
    {
        if (!IsOpen() || !HeaderAddressesWorkArea(request))
            return false;
        DWORD returned = 0;
        return DeviceIoControl(m_handle, code, const_cast<std::uint8_t*>(request.header.data()),
                               static_cast<DWORD>(request.header.size()), reply.data(),
                               static_cast<DWORD>(reply.size()), &returned, nullptr)
            != 0;
    }

    void Close() override
    {
        if (IsOpen())
            CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};

} // namespace

std::unique_ptr<AcpiDevice> CreateAcpiDevice()
{
    return std::make_unique<AcpiDeviceWin32>();
}
