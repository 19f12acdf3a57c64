#include "TunerLink.h"

#include "Marlowin.h"

#include <cstdint>

namespace {

void* NoDevice()
{
    return reinterpret_cast<void*>(static_cast<std::intptr_t>(-1));
}

class MarlowinLink final : public TunerLink {
public:
    ~MarlowinLink() override { ZI65D4_CloseDevice(m_device); }

    const char* Name() const override { return "marlowin"; }
    // hidraw moves reports of at most 16384 bytes, the report id included.
    std::uint32_t TransferLimit() const override { return 16383; }

    bool Open() override
    {
        m_device = ZI65D4_OpenDevice(0);
        return m_device != NoDevice();
    }

    std::optional<std::int64_t> Write(const std::vector<std::uint8_t>& block) override
    {
        std::int32_t count = -1;
        if (!ZI65D4_WriteBuffer(m_device, static_cast<std::uint32_t>(block.size()), block.data(), &count))
            return std::nullopt;
        return count;
    }

    std::optional<std::vector<std::uint8_t>> Read(std::uint32_t length) override
    {
        std::vector<std::uint8_t> reply(length);
        std::int32_t count = -1;
        if (!ZI65D4_ReadBuffer(m_device, length, reply.data(), &count))
            return std::nullopt;
        reply.resize(count < 0 ? 0 : static_cast<std::size_t>(count));
        return reply;
    }

private:
    void* m_device = NoDevice();
};

} // namespace

std::unique_ptr<TunerLink> MakeMarlowinLink()
{
    return std::make_unique<MarlowinLink>();
}
