#include "Mixer.h"

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr char WindowClassName[] = "SolvaneMixerWindow";
constexpr DWORD MaxRawVolume = 65535;
// Every call names the opened device by its handle.
constexpr DWORD ByHandle = MIXER_OBJECTF_HMIXER;

// The hidden window the mixer posts its notifications to; its user data
// points at the handler of the MixerWin32 that owns it.
LRESULT CALLBACK MixerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == MM_MIXM_CONTROL_CHANGE) {
        auto* handler = reinterpret_cast<Mixer::ChangeHandler*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (handler && *handler)
            (*handler)();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateMixerWindow()
{
    static const ATOM windowClass = [] {
        WNDCLASSA description{};
        description.lpfnWndProc = MixerWindowProc;
        description.hInstance = GetModuleHandleA(nullptr);
        description.lpszClassName = WindowClassName;
        return RegisterClassA(&description);
    }();
    if (windowClass == 0)
        return nullptr;
    return CreateWindowExA(0, WindowClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
}

class MixerWin32 final : public Mixer {
public:
    MixerWin32(HMIXER mixer, HWND window) : m_mixer(mixer), m_window(window)
    {
        SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&m_handler));
    }

    ~MixerWin32() override
    {
        mixerClose(m_mixer);
        DestroyWindow(m_window);
    }

    MixerWin32(const MixerWin32&) = delete;
    MixerWin32& operator=(const MixerWin32&) = delete;

    void SetChangeHandler(ChangeHandler handler) override { m_handler = std::move(handler); }

    bool HasSpeakers() override
    {
        MIXERLINEA line;
        return Speakers(line);
    }

    std::optional<std::uint32_t> ReadVolume() override
    {
        return ReadSpeakersControl(MIXERCONTROL_CONTROLTYPE_VOLUME);
    }

    void WriteVolume(std::uint32_t value) override
    {
        WriteSpeakersControl(MIXERCONTROL_CONTROLTYPE_VOLUME, std::min<DWORD>(value, MaxRawVolume));
    }

    std::optional<std::uint32_t> ReadMute() override
    {
        const std::optional<std::uint32_t> value = ReadSpeakersControl(MIXERCONTROL_CONTROLTYPE_MUTE);
        if (!value)
            return std::nullopt;
        return *value != 0 ? 1 : 0;
    }

    void WriteMute(std::uint32_t value) override { WriteSpeakersControl(MIXERCONTROL_CONTROLTYPE_MUTE, value); }

    std::vector<std::string> SourceNames() override
    {
        std::vector<std::string> names;
        MIXERLINEA speakers;
        if (!Speakers(speakers))
            return names;
        for (DWORD i = 0; i < speakers.cConnections; ++i) {
            MIXERLINEA source;
            // A source that cannot be asked for keeps its place with no name,
            // so the indexes stay those of the device.
            names.push_back(Source(speakers, i, source) ? ShortName(source) : std::string());
        }
        return names;
    }

    void WriteSourceMute(std::size_t index, std::uint32_t value) override
    {
        MIXERLINEA speakers;
        MIXERLINEA source;
        DWORD control = 0;
        if (Speakers(speakers) && index < speakers.cConnections && Source(speakers, static_cast<DWORD>(index), source)
            && ControlOf(source, MIXERCONTROL_CONTROLTYPE_MUTE, control))
            SetValue(control, value);
    }

private:
    HMIXEROBJ Object() const { return reinterpret_cast<HMIXEROBJ>(m_mixer); }

    static std::string ShortName(const MIXERLINEA& line)
    {
        const char* name = line.szShortName;
        return std::string(name, strnlen(name, MIXER_SHORT_NAME_CHARS));
    }

    bool Speakers(MIXERLINEA& line) const
    {
        line = MIXERLINEA{};
        line.cbStruct = sizeof line;
        line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
        return mixerGetLineInfoA(Object(), &line, ByHandle | MIXER_GETLINEINFOF_COMPONENTTYPE) == MMSYSERR_NOERROR;
    }

    bool Source(const MIXERLINEA& speakers, DWORD index, MIXERLINEA& line) const
    {
        line = MIXERLINEA{};
        line.cbStruct = sizeof line;
        line.dwDestination = speakers.dwDestination;
        line.dwSource = index;
        return mixerGetLineInfoA(Object(), &line, ByHandle | MIXER_GETLINEINFOF_SOURCE) == MMSYSERR_NOERROR;
    }

    // One control of the given type; the request has room for exactly one
    // control record, so it asks for exactly one.
    bool ControlOf(const MIXERLINEA& line, DWORD type, DWORD& id) const
    {
        if (line.cControls == 0)
            return false;
        MIXERCONTROLA control{};
        control.cbStruct = sizeof control;
        MIXERLINECONTROLSA request{};
        request.cbStruct = sizeof request;
        request.dwLineID = line.dwLineID;
        request.dwControlType = type;
        request.cControls = 1;
        request.cbmxctrl = sizeof control;
        request.pamxctrl = &control;
        if (mixerGetLineControlsA(Object(), &request, ByHandle | MIXER_GETLINECONTROLSF_ONEBYTYPE) != MMSYSERR_NOERROR)
            return false;
        id = control.dwControlID;
        return true;
    }

    // One value for all channels of the control.
    static MIXERCONTROLDETAILS Details(DWORD control, MIXERCONTROLDETAILS_UNSIGNED& value)
    {
        MIXERCONTROLDETAILS details{};
        details.cbStruct = sizeof details;
        details.dwControlID = control;
        details.cChannels = 1;
        details.cMultipleItems = 0;
        details.cbDetails = sizeof value;
        details.paDetails = &value;
        return details;
    }

    std::optional<std::uint32_t> ReadSpeakersControl(DWORD type) const
    {
        MIXERLINEA speakers;
        DWORD control = 0;
        if (!Speakers(speakers) || !ControlOf(speakers, type, control))
            return std::nullopt;
        MIXERCONTROLDETAILS_UNSIGNED value{};
        MIXERCONTROLDETAILS details = Details(control, value);
        if (mixerGetControlDetailsA(Object(), &details, ByHandle | MIXER_GETCONTROLDETAILSF_VALUE) != MMSYSERR_NOERROR)
            return std::nullopt;
        return value.dwValue;
    }

    void WriteSpeakersControl(DWORD type, DWORD value) const
    {
        MIXERLINEA speakers;
        DWORD control = 0;
        if (Speakers(speakers) && ControlOf(speakers, type, control))
            SetValue(control, value);
    }

    void SetValue(DWORD control, DWORD raw) const
    {
        MIXERCONTROLDETAILS_UNSIGNED value{raw};
        MIXERCONTROLDETAILS details = Details(control, value);
        mixerSetControlDetails(Object(), &details, ByHandle | MIXER_SETCONTROLDETAILSF_VALUE);
    }

    HMIXER m_mixer;
    HWND m_window;
    ChangeHandler m_handler;
};

} // namespace

std::unique_ptr<Mixer> OpenSystemMixer()
{
    if (mixerGetNumDevs() == 0)
        return nullptr;
    HWND window = CreateMixerWindow();
    if (!window)
        return nullptr;
    HMIXER mixer = nullptr;
    if (mixerOpen(&mixer, 0, reinterpret_cast<DWORD_PTR>(window), 0, CALLBACK_WINDOW) != MMSYSERR_NOERROR) {
        DestroyWindow(window);
        return nullptr;
    }
    return std::make_unique<MixerWin32>(mixer, window);
}
