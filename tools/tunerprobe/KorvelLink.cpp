#include "TunerLink.h"

#include "Korvel.h"

#include <algorithm>
#include <cstdint>
#include <unistd.h>

namespace {

class KorvelLink final : public TunerLink {
public:
    ~KorvelLink() override
    {
        // Korvel's handle is a plain file descriptor with no close of its own.
        if (m_device)
            close(static_cast<int>(reinterpret_cast<std::intptr_t>(m_device)));
    }

    const char* Name() const override { return "korvel"; }
    std::uint32_t TransferLimit() const override { return 256; }

    bool Open() override
    {
        m_device = ZI65D4_OpenDevice();
        return m_device != nullptr;
    }

    std::optional<std::int64_t> Write(const std::vector<std::uint8_t>& block) override
    {
        std::uint32_t count = 0;
        if (!ZI65D4_WriteBuffer(m_device, static_cast<std::uint32_t>(block.size()), block.data(), &count))
            return std::nullopt;
        return count;
    }

    std::optional<std::vector<std::uint8_t>> Read(std::uint32_t length) override
    {
        std::vector<std::uint8_t> reply(length);
        std::uint32_t count = 0;
        if (!ZI65D4_ReadBuffer(m_device, length, reply.data(), &count))
            return std::nullopt;
        reply.resize(std::min(count, length));
        return reply;
    }

private:
    void* m_device = nullptr;
};

} // namespace

std::unique_ptr<TunerLink> MakeKorvelLink()
{
    return std::make_unique<KorvelLink>();
}
