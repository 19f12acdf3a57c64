#pragma once

#include "MarlowinServices.h"

#include <string>

// Marlowin over hidraw: interfaces are the entries of
// <sysfsRoot>/class/hidraw, identified by the HID_ID line of their
// device/uevent, and opened as <devRoot>/<name>. Handles are file descriptors.
class MarlowinLinuxServices final : public MarlowinServices {
public:
    MarlowinLinuxServices(std::string sysfsRoot, std::string devRoot);

    std::unique_ptr<HidInterfaceSet> PresentInterfaces() override;
    void* Open(const std::string& path) override;
    std::optional<HidIdentity> Attributes(void* device) override;
    int Write(void* device, const std::uint8_t* report, std::uint32_t size,
              std::uint32_t* written) override;
    int Read(void* device, std::uint8_t* report, std::uint32_t size, std::uint32_t* read) override;
    int Close(void* device) override;
    std::uint8_t* AllocateZeroed(std::size_t size) override;
    void Free(std::uint8_t* block) override;

private:
    std::string m_sysfsRoot;
    std::string m_devRoot;
};

// The identity in a uevent text's "HID_ID=bus:vendor:product" line (hex
// fields), if it has a well-formed one.
std::optional<HidIdentity> ParseHidId(const std::string& uevent);
