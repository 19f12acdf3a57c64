#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// The tuner as reached through one transport library; the handle is released
// when the link goes away.
class TunerLink {
public:
    virtual ~TunerLink() = default;

    virtual const char* Name() const = 0;
    // The most bytes one transfer may move.
    virtual std::uint32_t TransferLimit() const = 0;
    // True when the library found and opened the tuner.
    virtual bool Open() = 0;
    // The count the library reports, or nothing when the transfer failed.
    virtual std::optional<std::int64_t> Write(const std::vector<std::uint8_t>& block) = 0;
    // The bytes the library reports as received, or nothing when the transfer failed.
    virtual std::optional<std::vector<std::uint8_t>> Read(std::uint32_t length) = 0;
};

std::unique_ptr<TunerLink> MakeKorvelLink();
std::unique_ptr<TunerLink> MakeMarlowinLink();
