#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The system's mixer device 0, opened: its speakers destination (the master
// output: volume and mute) and the source lines that feed it, each known by
// its short name. Raw volumes run from 0 to 65535 whatever the hardware's own
// range; every value applies to all channels of a control. Destroying the
// object closes the device.
class Mixer {
public:
    using ChangeHandler = std::function<void()>;

    virtual ~Mixer() = default;

    // Called from the event loop after any control of the mixer changed,
    // whoever changed it (this program included).
    virtual void SetChangeHandler(ChangeHandler handler) = 0;

    virtual bool HasSpeakers() = 0;
    // nullopt when nothing could be read.
    virtual std::optional<std::uint32_t> ReadVolume() = 0;
    // Values above 65535 are taken as 65535.
    virtual void WriteVolume(std::uint32_t value) = 0;
    // 1 when muted, 0 when not.
    virtual std::optional<std::uint32_t> ReadMute() = 0;
    // Nonzero mutes.
    virtual void WriteMute(std::uint32_t value) = 0;
    // Short names of the speakers' source lines, in the device's order.
    virtual std::vector<std::string> SourceNames() = 0;
    // Mutes (nonzero) or unmutes source line number source; a line without a
    // mute control is left alone.
    virtual void WriteSourceMute(std::size_t source, std::uint32_t value) = 0;
};

// Opens this system's mixer device 0; null when the system has none.
std::unique_ptr<Mixer> OpenSystemMixer();

// The selectors of the main window's MixerControl:
//   1 read the master volume, 2 write it;
//   3 read the master mute (0 or 1), 4 write it;
//   6 write the mute of every source line named exactly "Aux";
//   8 write the mute of every source line whose name begins with "Line I";
//   any other selector writes the master volume.
// Reads give -1 when nothing was read; writes give value, except 6 and 8,
// which give -1 when no line has that name. Names compare case-sensitively.
// With no mixer, or one without a speakers destination, nothing is touched
// and the result is -1.
std::int32_t ApplyMixerControl(Mixer* mixer, std::int32_t selector, std::int32_t value);
