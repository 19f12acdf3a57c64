#include "Mixer.h"

#include <string_view>

namespace {

constexpr std::int32_t NothingDone = -1;

bool SourceMatches(std::int32_t selector, std::string_view name)
{
    if (selector == 6)
        return name == "Aux";
    // The first six characters of "Line In", so "Line In 2" counts too.
    return name.starts_with("Line I");
}

std::int32_t FromRead(const std::optional<std::uint32_t>& read)
{
    return read ? static_cast<std::int32_t>(*read) : NothingDone;
}

} // namespace

std::int32_t ApplyMixerControl(Mixer* mixer, std::int32_t selector, std::int32_t value)
{
    if (!mixer || !mixer->HasSpeakers())
        return NothingDone;
    const auto raw = static_cast<std::uint32_t>(value);

    if (selector == 6 || selector == 8) {
        std::int32_t result = NothingDone;
        const std::vector<std::string> names = mixer->SourceNames();
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (SourceMatches(selector, names[i])) {
                result = value;
                mixer->WriteSourceMute(i, raw);
            }
        }
        return result;
    }

    switch (selector) {
    case 1:
        return FromRead(mixer->ReadVolume());
    case 3:
        return FromRead(mixer->ReadMute());
    case 4:
        mixer->WriteMute(raw);
        return value;
    default:
        mixer->WriteVolume(raw);
        return value;
    }
}
