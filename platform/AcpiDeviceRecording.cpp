#include "AcpiDeviceRecording.h"

bool AcpiDeviceRecording::Open()
{
    ++m_openCount;
    m_open = m_presence == Presence::Present;
    return m_open;
}

bool AcpiDeviceRecording::Control(std::uint32_t code, const AcpiRequest& request, AcpiReply& reply)
{
    if (!m_open)
        return false;
    Call call;
    call.code = code;
    const bool decoded = DecodeAcpiRequest(request, call.method, call.argument);
    m_calls.push_back(call);
    if (m_reply)
        reply = *m_reply;
    else if (decoded)
        BuildAcpiIntegerReply(call.argument, reply);
    return decoded;
}

void AcpiDeviceRecording::Close()
{
    ++m_closeCount;
    m_open = false;
}
