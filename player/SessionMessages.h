#pragma once

#include <cstdint>

// How the main window answers the Windows messages of the session. Kept
// free of the window system so the rule is the same wherever it is built.
enum class SessionMessage {
    // Not a session message: the default dispatch handles it.
    Other,
    // WM_QUERYENDSESSION: close (the close sequence runs), then answer 1.
    EndSession,
    // WM_POWERBROADCAST with PBT_APMRESUMESUSPEND: re-send the power state.
    Resumed,
    // Any other WM_POWERBROADCAST: nothing, answer 0, not passed on.
    OtherPowerEvent,
};

inline constexpr unsigned WmQueryEndSession = 0x0011;
inline constexpr unsigned WmPowerBroadcast = 0x0218;
inline constexpr std::uintptr_t PbtApmResumeSuspend = 7;

constexpr SessionMessage ClassifySessionMessage(unsigned message, std::uintptr_t wParam)
{
    if (message == WmQueryEndSession)
        return SessionMessage::EndSession;
    if (message == WmPowerBroadcast)
        return wParam == PbtApmResumeSuspend ? SessionMessage::Resumed : SessionMessage::OtherPowerEvent;
    return SessionMessage::Other;
}
