#pragma once

#include "AcpiDevice.h"

#include <optional>
#include <ostream>
#include <vector>

// An ACPI device for tests: it opens (or, built missing, refuses to), keeps
// every request it is handed and answers like the built-in substitute (one
// integer record holding the argument) unless a test sets the reply bytes.
class AcpiDeviceRecording final : public AcpiDevice {
public:
    struct Call {
        std::uint32_t code = 0;
        std::uint32_t method = 0;
        std::int32_t argument = 0;
        friend bool operator==(const Call&, const Call&) = default;
        friend std::ostream& operator<<(std::ostream& out, const Call& call)
        {
            return out << "{code 0x" << std::hex << call.code << ", method 0x" << call.method << std::dec
                       << ", argument " << call.argument << "}";
        }
    };

    enum class Presence { Present, Missing };

    explicit AcpiDeviceRecording(Presence presence = Presence::Present) : m_presence(presence) {}

    bool Open() override;
    bool IsOpen() const override { return m_open; }
    bool Control(std::uint32_t code, const AcpiRequest& request, AcpiReply& reply) override;
    void Close() override;

    // Requests that reached the open device, in order. Requests sent while
    // the device is not open fail and are not listed.
    const std::vector<Call>& Calls() const { return m_calls; }
    int OpenCount() const { return m_openCount; }
    int CloseCount() const { return m_closeCount; }
    // Every later reply is these bytes instead of the argument echo.
    void SetReply(const AcpiReply& reply) { m_reply = reply; }

private:
    Presence m_presence;
    bool m_open = false;
    int m_openCount = 0;
    int m_closeCount = 0;
    std::vector<Call> m_calls;
    std::optional<AcpiReply> m_reply;
};
