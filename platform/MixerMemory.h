#pragma once

#include "Mixer.h"

#include <ostream>

// One change a program made through an opened MixerMemory: "Master Volume",
// "Master Mute" or "<source name> Mute", and the value written.
struct MixerWrite {
    std::string control;
    std::uint32_t value = 0;
    friend bool operator==(const MixerWrite&, const MixerWrite&) = default;
    friend std::ostream& operator<<(std::ostream& out, const MixerWrite& write)
    {
        return out << "{" << write.control << ", " << write.value << "}";
    }
};

// A mixer device held in memory for tests, standing for the sound hardware:
// the test owns it, the code under test opens it (Open() is what the
// program's OpenMixer service returns) and may close it again, and the test
// still sees the state and the write log afterwards. Like a real mixer it
// reports every change later, from the event loop, to every open handle.
class MixerMemory {
public:
    enum class Mode {
        Normal,
        // The system has no mixer device: Open() gives null.
        NoDevice,
        // The device has no speakers destination.
        NoSpeakers,
        // Volume and mute cannot be read.
        ReadFails,
    };

    explicit MixerMemory(std::vector<std::string> sourceNames = {"Aux", "Line In", "CD"});
    ~MixerMemory();
    MixerMemory(const MixerMemory&) = delete;
    MixerMemory& operator=(const MixerMemory&) = delete;

    void SetMode(Mode mode);
    std::unique_ptr<Mixer> Open();
    // True while a handle from Open() is alive.
    bool IsOpen() const;

    std::uint32_t Volume() const;
    std::uint32_t Mute() const;
    std::uint32_t SourceMute(std::size_t source) const;

    // Another program's change: no write is logged, a notification follows.
    void SetExternalVolume(std::uint32_t value);
    void SetExternalMute(bool muted);

    const std::vector<MixerWrite>& Writes() const;
    void ClearWrites();

    struct State;

private:
    std::shared_ptr<State> m_state;
};
