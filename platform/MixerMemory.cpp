#include "MixerMemory.h"

#include <QObject>

#include <algorithm>
#include <utility>

namespace {

class MemoryMixerHandle;

constexpr std::uint32_t MaxRawVolume = 65535;

} // namespace

struct MixerMemory::State {
    Mode mode = Mode::Normal;
    std::uint32_t volume = 0;
    std::uint32_t mute = 0;
    std::vector<std::string> sourceNames;
    std::vector<std::uint32_t> sourceMutes;
    std::vector<MixerWrite> writes;
    std::vector<MemoryMixerHandle*> handles;

    void NotifyLater();
};

namespace {

class MemoryMixerHandle final : public Mixer {
public:
    explicit MemoryMixerHandle(std::shared_ptr<MixerMemory::State> state) : m_state(std::move(state))
    {
        m_state->handles.push_back(this);
    }

    ~MemoryMixerHandle() override { std::erase(m_state->handles, this); }

    void SetChangeHandler(ChangeHandler handler) override { m_handler = std::move(handler); }

    // Queued on the handle's own object: a handle closed before the event
    // loop runs gets no call.
    void NotifyLater()
    {
        QMetaObject::invokeMethod(&m_context, [this] {
            if (m_handler)
                m_handler();
        }, Qt::QueuedConnection);
    }

    bool HasSpeakers() override { return m_state->mode != MixerMemory::Mode::NoSpeakers; }

    std::optional<std::uint32_t> ReadVolume() override
    {
        if (m_state->mode == MixerMemory::Mode::ReadFails)
            return std::nullopt;
        return m_state->volume;
    }

    void WriteVolume(std::uint32_t value) override
    {
        m_state->volume = std::min(value, MaxRawVolume);
        Logged("Master Volume", value);
    }

    std::optional<std::uint32_t> ReadMute() override
    {
        if (m_state->mode == MixerMemory::Mode::ReadFails)
            return std::nullopt;
        return m_state->mute;
    }

    void WriteMute(std::uint32_t value) override
    {
        m_state->mute = value != 0 ? 1 : 0;
        Logged("Master Mute", value);
    }

    std::vector<std::string> SourceNames() override { return m_state->sourceNames; }

    void WriteSourceMute(std::size_t source, std::uint32_t value) override
    {
        if (source >= m_state->sourceMutes.size())
            return;
        m_state->sourceMutes[source] = value != 0 ? 1 : 0;
        Logged(m_state->sourceNames[source] + " Mute", value);
    }

private:
    void Logged(std::string control, std::uint32_t value)
    {
        m_state->writes.push_back({std::move(control), value});
        m_state->NotifyLater();
    }

    std::shared_ptr<MixerMemory::State> m_state;
    ChangeHandler m_handler;
    QObject m_context;
};

} // namespace

void MixerMemory::State::NotifyLater()
{
    for (MemoryMixerHandle* handle : handles)
        handle->NotifyLater();
}

MixerMemory::MixerMemory(std::vector<std::string> sourceNames) : m_state(std::make_shared<State>())
{
    m_state->sourceMutes.assign(sourceNames.size(), 0);
    m_state->sourceNames = std::move(sourceNames);
}

MixerMemory::~MixerMemory() = default;

void MixerMemory::SetMode(Mode mode)
{
    m_state->mode = mode;
}

std::unique_ptr<Mixer> MixerMemory::Open()
{
    if (m_state->mode == Mode::NoDevice)
        return nullptr;
    return std::make_unique<MemoryMixerHandle>(m_state);
}

bool MixerMemory::IsOpen() const
{
    return !m_state->handles.empty();
}

std::uint32_t MixerMemory::Volume() const
{
    return m_state->volume;
}

std::uint32_t MixerMemory::Mute() const
{
    return m_state->mute;
}

std::uint32_t MixerMemory::SourceMute(std::size_t source) const
{
    return m_state->sourceMutes.at(source);
}

void MixerMemory::SetExternalVolume(std::uint32_t value)
{
    m_state->volume = std::min(value, MaxRawVolume);
    m_state->NotifyLater();
}

void MixerMemory::SetExternalMute(bool muted)
{
    m_state->mute = muted ? 1 : 0;
    m_state->NotifyLater();
}

const std::vector<MixerWrite>& MixerMemory::Writes() const
{
    return m_state->writes;
}

void MixerMemory::ClearWrites()
{
    m_state->writes.clear();
}
