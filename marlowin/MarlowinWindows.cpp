#include "MarlowinServices.h"

#include <windows.h>
#include <setupapi.h>
// mingw-w64's HID header declares its functions without C linkage.
extern "C" {
#include <hidsdi.h>
}

#include <cstdlib>

namespace {

constexpr DWORD PresentInterfaces = DIGCF_PRESENT | DIGCF_DEVICEINTERFACE;
static_assert(PresentInterfaces == 0x12);
// The record sizes of 32-bit callers; 64-bit builds use their own, larger
// layouts, which SetupAPI insists on there.
static_assert(sizeof(void*) != 4 || sizeof(SP_DEVICE_INTERFACE_DATA) == 28);
static_assert(sizeof(void*) != 4 || sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A) == 5);

class SetupApiHidSet final : public HidInterfaceSet {
public:
    SetupApiHidSet(HDEVINFO set, const GUID& hidClass)
        : m_set(set)
        , m_hidClass(hidClass)
    {
    }
    ~SetupApiHidSet() override { SetupDiDestroyDeviceInfoList(m_set); }
    SetupApiHidSet(const SetupApiHidSet&) = delete;
    SetupApiHidSet& operator=(const SetupApiHidSet&) = delete;

    HidInterfaceEntry At(std::uint32_t index) override
    {
        HidInterfaceEntry entry;
        SP_DEVICE_INTERFACE_DATA interfaceData{};
        interfaceData.cbSize = sizeof interfaceData;
        if (!SetupDiEnumDeviceInterfaces(m_set, nullptr, &m_hidClass, index, &interfaceData))
            return entry;
        entry.kind = HidInterfaceEntry::Kind::Skipped;
        DWORD size = 0;
        SetupDiGetDeviceInterfaceDetailA(m_set, &interfaceData, nullptr, 0, &size, nullptr);
        if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A))
            return entry;
        auto* detail = static_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(std::calloc(1, size));
        if (!detail)
            return entry;
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
        if (SetupDiGetDeviceInterfaceDetailA(m_set, &interfaceData, detail, size, nullptr, nullptr)) {
            entry.kind = HidInterfaceEntry::Kind::Interface;
            entry.path = detail->DevicePath;
        }
        std::free(detail);
        return entry;
    }

private:
    HDEVINFO m_set;
    GUID m_hidClass;
};

class MarlowinWindowsServices final : public MarlowinServices {
public:
    std::unique_ptr<HidInterfaceSet> PresentInterfaces() override
    {
        GUID hidClass;
        HidD_GetHidGuid(&hidClass);
        HDEVINFO set = SetupDiGetClassDevsA(&hidClass, nullptr, nullptr, ::PresentInterfaces);
        if (set == INVALID_HANDLE_VALUE)
            return nullptr;
        return std::make_unique<SetupApiHidSet>(set, hidClass);
    }

    void* Open(const std::string& path) override
    {
        return CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    }

    std::optional<HidIdentity> Attributes(void* device) override
    {
        HIDD_ATTRIBUTES attributes{};
        attributes.Size = sizeof attributes;
        if (!HidD_GetAttributes(device, &attributes))
            return std::nullopt;
        return HidIdentity{attributes.VendorID, attributes.ProductID};
    }

    int Write(void* device, const std::uint8_t* report, std::uint32_t size,
              std::uint32_t* written) override
    {
        DWORD count = 0;
        const BOOL result = WriteFile(device, report, size, &count, nullptr);
        *written = count;
        return result;
    }

    int Read(void* device, std::uint8_t* report, std::uint32_t size, std::uint32_t* read) override
    {
        DWORD count = 0;
        const BOOL result = ReadFile(device, report, size, &count, nullptr);
        *read = count;
        return result;
    }

    int Close(void* device) override { return CloseHandle(device); }

    std::uint8_t* AllocateZeroed(std::size_t size) override
    {
        return static_cast<std::uint8_t*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size));
    }

    void Free(std::uint8_t* block) override { HeapFree(GetProcessHeap(), 0, block); }
};

} // namespace

MarlowinServices& SystemMarlowinServices()
{
    static MarlowinWindowsServices services;
    return services;
}
