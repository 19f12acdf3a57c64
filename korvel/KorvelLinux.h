#pragma once

#include "KorvelServices.h"

#include <string>

// Linux has no vendor driver for the tuner; Korvel talks to a character
// device under <devRoot>/korvel/ that answers the same control requests
// through ioctl (contract in README.md). Handles are file descriptors.
class KorvelLinuxServices final : public KorvelServices {
public:
    explicit KorvelLinuxServices(std::string devRoot);

    InterfaceLookup FindFirstInterface() override;
    void* OpenPath(const std::string& path) override;
    int Control(void* device, std::uint32_t code, KorvelTransferFrame& frame, std::uint32_t outSize,
                std::uint32_t* bytesReturned) override;

private:
    std::string m_devRoot;
};
