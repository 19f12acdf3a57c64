#include "AcpiDevice.h"

namespace {

// This system has no QVRACPI driver, and its audio path is the sound
// server's business. The substitute accepts every well-formed request,
// answers with one integer record holding the argument and switches nothing.
class AcpiSubstituteDevice final : public AcpiDevice {
public:
    bool Open() override
    {
        m_open = true;
        return true;
    }

    bool IsOpen() const override { return m_open; }

    bool Control(std::uint32_t code, const AcpiRequest& request, AcpiReply& reply) override
    {
        std::uint32_t method = 0;
        std::int32_t argument = 0;
        if (!m_open || code != AcpiControlCode || !DecodeAcpiRequest(request, method, argument))
            return false;
        BuildAcpiIntegerReply(argument, reply);
        return true;
    }

    void Close() override { m_open = false; }

private:
    bool m_open = false;
};

} // namespace

std::unique_ptr<AcpiDevice> CreateAcpiDevice()
{
    return std::make_unique<AcpiSubstituteDevice>();
}
