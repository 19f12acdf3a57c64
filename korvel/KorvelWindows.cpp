#include "KorvelServices.h"

#include <windows.h>
#include <setupapi.h>

#include <cstdlib>

namespace {

// Device interface class of the vendor's USB driver.
const GUID KorvelInterfaceClass = {
    0xC0CF0647, 0x65F4, 0x11D2, {0xB6, 0x77, 0x00, 0xC0, 0xDF, 0xE4, 0xC1, 0xF3}};

constexpr DWORD PresentInterfaces = DIGCF_PRESENT | DIGCF_DEVICEINTERFACE;
static_assert(PresentInterfaces == 0x12);
// The record sizes the driver's 32-bit callers pass; 64-bit builds use their
// own, larger layouts, which SetupAPI insists on there.
static_assert(sizeof(void*) != 4 || sizeof(SP_DEVICE_INTERFACE_DATA) == 28);
static_assert(sizeof(void*) != 4 || sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A) == 5);

std::optional<std::string> InterfacePath(HDEVINFO set, DWORD index)
{
    SP_DEVICE_INTERFACE_DATA interfaceData{};
    interfaceData.cbSize = sizeof interfaceData;
    if (!SetupDiEnumDeviceInterfaces(set, nullptr, &KorvelInterfaceClass, index, &interfaceData))
        return std::nullopt;
    DWORD size = 0;
    SetupDiGetDeviceInterfaceDetailA(set, &interfaceData, nullptr, 0, &size, nullptr);
    if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A))
        return std::nullopt;
    auto* detail = static_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(std::calloc(1, size));
    if (!detail)
        return std::nullopt;
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
    std::optional<std::string> path;
    if (SetupDiGetDeviceInterfaceDetailA(set, &interfaceData, detail, size, nullptr, nullptr))
        path = std::string(detail->DevicePath);
    std::free(detail);
    return path;
}

class KorvelWindowsServices final : public KorvelServices {
public:
    InterfaceLookup FindFirstInterface() override
    {
        HDEVINFO set = SetupDiGetClassDevsA(&KorvelInterfaceClass, nullptr, nullptr, PresentInterfaces);
        if (set == INVALID_HANDLE_VALUE)
            return {};
        InterfaceLookup lookup;
        lookup.haveDeviceSet = true;
        lookup.firstPath = InterfacePath(set, 0);
        SetupDiDestroyDeviceInfoList(set);
        return lookup;
    }

    void* OpenPath(const std::string& path) override
    {
        HANDLE device = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        return device == INVALID_HANDLE_VALUE ? nullptr : device;
    }

    int Control(void* device, std::uint32_t code, KorvelTransferFrame& frame, std::uint32_t outSize,
                std::uint32_t* bytesReturned) override
    {
        DWORD returned = 0;
        const BOOL result = DeviceIoControl(device, code, frame.request.data(), KorvelRequestSize,
                                            outSize != 0 ? frame.data.data() : nullptr, outSize,
                                            &returned, nullptr);
        *bytesReturned = returned;
        return result;
    }
};

} // namespace

KorvelServices& SystemKorvelServices()
{
    static KorvelWindowsServices services;
    return services;
}
