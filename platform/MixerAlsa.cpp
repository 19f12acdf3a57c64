#include "Mixer.h"
#include "MixerScale.h"

#include <QSocketNotifier>

#include <alsa/asoundlib.h>

#include <string_view>
#include <utility>

namespace {

constexpr std::string_view MasterName = "Master";
constexpr snd_mixer_selem_channel_id_t FirstChannel = SND_MIXER_SCHN_FRONT_LEFT;

// The program shows no console output; ALSA would otherwise print its
// complaints (no card, no such device) to the terminal.
void SilentAlsaErrors(const char*, int, const char*, int, const char*, ...) {}

bool IsPlayback(snd_mixer_elem_t* element)
{
    return snd_mixer_selem_is_active(element)
        && (snd_mixer_selem_has_playback_volume(element) || snd_mixer_selem_has_playback_switch(element));
}

bool IsMaster(snd_mixer_elem_t* element)
{
    return snd_mixer_selem_get_index(element) == 0 && snd_mixer_selem_get_name(element) == MasterName
        && snd_mixer_selem_has_playback_volume(element);
}

snd_mixer_elem_t* FindMaster(snd_mixer_t* mixer)
{
    for (snd_mixer_elem_t* e = snd_mixer_first_elem(mixer); e; e = snd_mixer_elem_next(e)) {
        if (IsMaster(e) && snd_mixer_selem_is_active(e))
            return e;
    }
    return nullptr;
}

// The source lines, in the element order: every playback element but the
// master, known by its element name, ALSA's "Line" by the name the Windows
// mixer gives the line input.
std::vector<std::pair<snd_mixer_elem_t*, std::string>> Sources(snd_mixer_t* mixer)
{
    std::vector<std::pair<snd_mixer_elem_t*, std::string>> sources;
    for (snd_mixer_elem_t* e = snd_mixer_first_elem(mixer); e; e = snd_mixer_elem_next(e)) {
        if (!IsPlayback(e) || IsMaster(e))
            continue;
        std::string name = snd_mixer_selem_get_name(e);
        if (name == "Line")
            name = "Line In";
        sources.emplace_back(e, std::move(name));
    }
    return sources;
}

void SetMuted(snd_mixer_elem_t* element, std::uint32_t value)
{
    if (snd_mixer_selem_has_playback_switch(element))
        snd_mixer_selem_set_playback_switch_all(element, value != 0 ? 0 : 1);
}

// The "default" ALSA mixer. Elements are looked up on every call rather
// than kept, because a card removed at run time frees them.
class MixerAlsa final : public Mixer {
public:
    explicit MixerAlsa(snd_mixer_t* mixer) : m_mixer(mixer)
    {
        const int count = snd_mixer_poll_descriptors_count(m_mixer);
        if (count <= 0)
            return;
        std::vector<pollfd> descriptors(static_cast<std::size_t>(count));
        const int filled = snd_mixer_poll_descriptors(m_mixer, descriptors.data(), static_cast<unsigned>(count));
        for (int i = 0; i < filled; ++i) {
            auto notifier = std::make_unique<QSocketNotifier>(descriptors[static_cast<std::size_t>(i)].fd,
                                                              QSocketNotifier::Read);
            QObject::connect(notifier.get(), &QSocketNotifier::activated, [this] { HandleEvents(); });
            m_notifiers.push_back(std::move(notifier));
        }
    }

    ~MixerAlsa() override
    {
        m_notifiers.clear();
        snd_mixer_close(m_mixer);
    }

    MixerAlsa(const MixerAlsa&) = delete;
    MixerAlsa& operator=(const MixerAlsa&) = delete;

    void SetChangeHandler(ChangeHandler handler) override { m_handler = std::move(handler); }

    bool HasSpeakers() override { return FindMaster(m_mixer) != nullptr; }

    std::optional<std::uint32_t> ReadVolume() override
    {
        snd_mixer_elem_t* master = FindMaster(m_mixer);
        long min = 0;
        long max = 0;
        long value = 0;
        if (!master || snd_mixer_selem_get_playback_volume_range(master, &min, &max) < 0
            || snd_mixer_selem_get_playback_volume(master, FirstChannel, &value) < 0)
            return std::nullopt;
        return ElementVolumeToRaw(value, min, max);
    }

    void WriteVolume(std::uint32_t value) override
    {
        snd_mixer_elem_t* master = FindMaster(m_mixer);
        long min = 0;
        long max = 0;
        if (master && snd_mixer_selem_get_playback_volume_range(master, &min, &max) == 0)
            snd_mixer_selem_set_playback_volume_all(master, RawToElementVolume(value, min, max));
    }

    // A master without a switch cannot be muted, so it reads as not muted.
    std::optional<std::uint32_t> ReadMute() override
    {
        snd_mixer_elem_t* master = FindMaster(m_mixer);
        if (!master)
            return std::nullopt;
        if (!snd_mixer_selem_has_playback_switch(master))
            return 0;
        int on = 0;
        if (snd_mixer_selem_get_playback_switch(master, FirstChannel, &on) < 0)
            return std::nullopt;
        return on ? 0 : 1;
    }

    void WriteMute(std::uint32_t value) override
    {
        if (snd_mixer_elem_t* master = FindMaster(m_mixer))
            SetMuted(master, value);
    }

    std::vector<std::string> SourceNames() override
    {
        std::vector<std::string> names;
        for (auto& [element, name] : Sources(m_mixer))
            names.push_back(std::move(name));
        return names;
    }

    void WriteSourceMute(std::size_t source, std::uint32_t value) override
    {
        const auto sources = Sources(m_mixer);
        if (source < sources.size())
            SetMuted(sources[source].first, value);
    }

private:
    void HandleEvents()
    {
        if (snd_mixer_handle_events(m_mixer) < 0) {
            // The card went away: its descriptors would stay readable and
            // wake the event loop for ever.
            for (const auto& notifier : m_notifiers)
                notifier->setEnabled(false);
            return;
        }
        if (m_handler)
            m_handler();
    }

    snd_mixer_t* m_mixer;
    std::vector<std::unique_ptr<QSocketNotifier>> m_notifiers;
    ChangeHandler m_handler;
};

} // namespace

std::unique_ptr<Mixer> OpenSystemMixer()
{
    snd_lib_error_set_handler(SilentAlsaErrors);
    snd_mixer_t* mixer = nullptr;
    if (snd_mixer_open(&mixer, 0) < 0)
        return nullptr;
    // Without a card, or without a "Master" to serve as the speakers
    // destination, the system counts as having no mixer device.
    if (snd_mixer_attach(mixer, "default") < 0 || snd_mixer_selem_register(mixer, nullptr, nullptr) < 0
        || snd_mixer_load(mixer) < 0 || !FindMaster(mixer)) {
        snd_mixer_close(mixer);
        return nullptr;
    }
    return std::make_unique<MixerAlsa>(mixer);
}
