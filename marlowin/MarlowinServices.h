#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// The operating system services Marlowin needs: enumerate the present HID
// interfaces, open them, read their identity, move reports. One
// implementation per OS.

struct HidIdentity {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
};

struct HidInterfaceEntry {
    enum class Kind {
        Interface, // path (and, where the platform tells it without opening, identity) are set
        Skipped,   // this index exists but its details could not be read
        End        // no interface at this index or beyond
    };
    Kind kind = Kind::End;
    std::string path;
    std::optional<HidIdentity> identity;
};

// One enumeration of the present HID interfaces; released when destroyed.
class HidInterfaceSet {
public:
    virtual ~HidInterfaceSet() = default;
    virtual HidInterfaceEntry At(std::uint32_t index) = 0;
};

class MarlowinServices {
public:
    virtual ~MarlowinServices() = default;

    // Null when the platform gives no set.
    virtual std::unique_ptr<HidInterfaceSet> PresentInterfaces() = 0;

    // 0 or all bits set when the path cannot be opened for reading and writing.
    virtual void* Open(const std::string& path) = 0;
    virtual std::optional<HidIdentity> Attributes(void* device) = 0;

    // Results are the platform's success values, nonzero on success.
    virtual int Write(void* device, const std::uint8_t* report, std::uint32_t size,
                      std::uint32_t* written) = 0;
    // Waits until the device delivers an input report.
    virtual int Read(void* device, std::uint8_t* report, std::uint32_t size, std::uint32_t* read) = 0;
    virtual int Close(void* device) = 0;

    // Zero-filled; null when the memory is not available.
    virtual std::uint8_t* AllocateZeroed(std::size_t size) = 0;
    virtual void Free(std::uint8_t* block) = 0;
};

// The services of the OS this library was built for.
MarlowinServices& SystemMarlowinServices();
