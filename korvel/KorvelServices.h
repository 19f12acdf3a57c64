#pragma once

#include "KorvelRequest.h"

#include <cstdint>
#include <optional>
#include <string>

// The operating system services Korvel needs: find the vendor driver's device,
// open it and send it control requests. One implementation per OS.
class KorvelServices {
public:
    struct InterfaceLookup {
        bool haveDeviceSet = false;          // the driver's interface class could be enumerated
        std::optional<std::string> firstPath; // device path of interface number 0, if any
    };

    virtual ~KorvelServices() = default;

    virtual InterfaceLookup FindFirstInterface() = 0;

    // Null when the path cannot be opened for reading and writing.
    virtual void* OpenPath(const std::string& path) = 0;

    // Sends frame.request to the driver with the control code. outSize is the
    // number of bytes of frame.data the driver may fill (0: no output buffer).
    // Returns the platform's success value, nonzero on success.
    virtual int Control(void* device, std::uint32_t code, KorvelTransferFrame& frame,
                        std::uint32_t outSize, std::uint32_t* bytesReturned) = 0;
};

// The services of the OS this library was built for.
KorvelServices& SystemKorvelServices();
