#include "Mixer.h"
#include "MixerMemory.h"
#include "MixerScale.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

// Mixer notifications travel through the event loop, which needs an
// application object; no display is involved.
class CoreApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override { m_app = std::make_unique<QCoreApplication>(m_argc, m_argv); }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    char m_name[10] = "MixerTest";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QCoreApplication> m_app;
};

[[maybe_unused]] const ::testing::Environment* const CoreApplication =
    ::testing::AddGlobalTestEnvironment(new CoreApplicationEnvironment);

struct SelectorCase {
    const char* name;
    std::vector<std::string> sources;
    MixerMemory::Mode mode;
    std::int32_t selector;
    std::int32_t value;
    std::int32_t expected;
    std::vector<MixerWrite> writes;
};

void PrintTo(const SelectorCase& c, std::ostream* out) { *out << c.name; }

const std::vector<std::string> ManyLines{"CD", "Aux", "Line In", "AUX", "Line In 2", "Line", "aux", "line in"};

class MixerSelectorTest : public ::testing::TestWithParam<SelectorCase> {};

TEST_P(MixerSelectorTest, ApplyMixerControl)
{
    const SelectorCase& c = GetParam();
    MixerMemory device(c.sources);
    device.SetMode(c.mode);
    device.SetExternalVolume(40000);
    device.SetExternalMute(true);
    const std::unique_ptr<Mixer> mixer = device.Open();
    ASSERT_TRUE(mixer);

    EXPECT_EQ(ApplyMixerControl(mixer.get(), c.selector, c.value), c.expected);
    EXPECT_EQ(device.Writes(), c.writes);
}

using Mode = MixerMemory::Mode;

INSTANTIATE_TEST_SUITE_P(Selectors, MixerSelectorTest, ::testing::Values(
    SelectorCase{"ReadVolume", ManyLines, Mode::Normal, 1, 0, 40000, {}},
    SelectorCase{"WriteVolume", ManyLines, Mode::Normal, 2, 2730, 2730, {{"Master Volume", 2730}}},
    SelectorCase{"ReadMute", ManyLines, Mode::Normal, 3, 0, 1, {}},
    SelectorCase{"WriteMute", ManyLines, Mode::Normal, 4, 0, 0, {{"Master Mute", 0}}},
    SelectorCase{"AuxOnlyExactName", ManyLines, Mode::Normal, 6, 1, 1, {{"Aux Mute", 1}}},
    SelectorCase{"EveryLineIn", ManyLines, Mode::Normal, 8, 0, 0, {{"Line In Mute", 0}, {"Line In 2 Mute", 0}}},
    SelectorCase{"UnusedFiveWritesVolume", ManyLines, Mode::Normal, 5, 100, 100, {{"Master Volume", 100}}},
    SelectorCase{"UnusedSevenWritesVolume", ManyLines, Mode::Normal, 7, 0, 0, {{"Master Volume", 0}}},
    SelectorCase{"ZeroWritesVolume", ManyLines, Mode::Normal, 0, 65535, 65535, {{"Master Volume", 65535}}},
    SelectorCase{"NegativeWritesVolume", ManyLines, Mode::Normal, -8, 12, 12, {{"Master Volume", 12}}},
    SelectorCase{"AuxOtherCase", {"AUX", "aux", "Aux 2"}, Mode::Normal, 6, 1, -1, {}},
    SelectorCase{"LineInOtherCase", {"line in", "LINE IN", "Line", "Line i"}, Mode::Normal, 8, 1, -1, {}},
    SelectorCase{"NoSourceLines", {}, Mode::Normal, 8, 1, -1, {}},
    SelectorCase{"VolumeReadFails", ManyLines, Mode::ReadFails, 1, 0, -1, {}},
    SelectorCase{"MuteReadFails", ManyLines, Mode::ReadFails, 3, 0, -1, {}},
    SelectorCase{"WriteDespiteFailingReads", ManyLines, Mode::ReadFails, 2, 5, 5, {{"Master Volume", 5}}},
    SelectorCase{"NoSpeakersRead", ManyLines, Mode::NoSpeakers, 1, 0, -1, {}},
    SelectorCase{"NoSpeakersWrite", ManyLines, Mode::NoSpeakers, 2, 5, -1, {}},
    SelectorCase{"NoSpeakersMute", ManyLines, Mode::NoSpeakers, 4, 1, -1, {}},
    SelectorCase{"NoSpeakersLineIn", ManyLines, Mode::NoSpeakers, 8, 1, -1, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MixerControlTest, WritesReachTheDevice)
{
    MixerMemory device({"Aux", "CD", "Line In"});
    const std::unique_ptr<Mixer> mixer = device.Open();
    ApplyMixerControl(mixer.get(), 2, 64000);
    ApplyMixerControl(mixer.get(), 4, 1);
    ApplyMixerControl(mixer.get(), 6, 1);
    ApplyMixerControl(mixer.get(), 8, 1);
    EXPECT_EQ(device.Volume(), 64000u);
    EXPECT_EQ(device.Mute(), 1u);
    EXPECT_EQ(device.SourceMute(0), 1u);
    EXPECT_EQ(device.SourceMute(1), 0u);
    EXPECT_EQ(device.SourceMute(2), 1u);
    EXPECT_EQ(ApplyMixerControl(mixer.get(), 1, 0), 64000);
    EXPECT_EQ(ApplyMixerControl(mixer.get(), 3, 0), 1);
}

TEST(MixerControlTest, NoMixerTouchesNothing)
{
    EXPECT_EQ(ApplyMixerControl(nullptr, 1, 0), -1);
    EXPECT_EQ(ApplyMixerControl(nullptr, 6, 1), -1);
    EXPECT_EQ(ApplyMixerControl(nullptr, 2, 100), -1);
}

TEST(MixerMemoryTest, NoDeviceOpensNothing)
{
    MixerMemory device;
    device.SetMode(MixerMemory::Mode::NoDevice);
    EXPECT_EQ(device.Open(), nullptr);
    EXPECT_FALSE(device.IsOpen());
}

// Changes are reported later, from the event loop, as the system mixer
// reports them: never inside the call that made the change.
class MixerNotificationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_mixer = m_device.Open();
        m_mixer->SetChangeHandler([this] {
            ++m_notifications;
            m_mutedSeen = ApplyMixerControl(m_mixer.get(), 3, 0);
        });
    }

    MixerMemory m_device;
    std::unique_ptr<Mixer> m_mixer;
    int m_notifications = 0;
    std::int32_t m_mutedSeen = -2;
};

TEST_F(MixerNotificationTest, OwnWriteIsReportedThroughTheEventLoop)
{
    ApplyMixerControl(m_mixer.get(), 4, 1);
    EXPECT_EQ(m_notifications, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_notifications, 1);
    EXPECT_EQ(m_mutedSeen, 1);
}

TEST_F(MixerNotificationTest, AnotherProgramsMuteIsReported)
{
    m_device.SetExternalMute(true);
    EXPECT_EQ(m_notifications, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_notifications, 1);
    EXPECT_EQ(m_mutedSeen, 1);
    EXPECT_TRUE(m_device.Writes().empty());
}

TEST_F(MixerNotificationTest, ClosedMixerGetsNoMoreReports)
{
    ApplyMixerControl(m_mixer.get(), 2, 100);
    m_mixer.reset();
    EXPECT_FALSE(m_device.IsOpen());
    m_device.SetExternalMute(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_notifications, 0);
}

struct ScaleCase {
    long min;
    long max;
    long element;
    std::uint32_t raw;
};

void PrintTo(const ScaleCase& c, std::ostream* out)
{
    *out << c.element << " in " << c.min << ".." << c.max << " is raw " << c.raw;
}

class ElementScaleTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ElementScaleTest, ElementToRaw)
{
    const ScaleCase& c = GetParam();
    EXPECT_EQ(ElementVolumeToRaw(c.element, c.min, c.max), c.raw);
}

INSTANTIATE_TEST_SUITE_P(Ranges, ElementScaleTest, ::testing::Values(
    ScaleCase{0, 31, 0, 0},
    ScaleCase{0, 31, 31, 65535},
    ScaleCase{0, 31, 16, 33825},
    ScaleCase{0, 31, 1, 2114},
    ScaleCase{0, 87, 44, 33144},
    ScaleCase{-10, 10, 0, 32768},
    ScaleCase{-10, 10, -10, 0},
    ScaleCase{0, 65535, 1234, 1234},
    ScaleCase{0, 131070, 3, 2},
    ScaleCase{0, 31, 40, 65535},
    ScaleCase{0, 31, -5, 0},
    ScaleCase{5, 5, 5, 0},
    ScaleCase{-9000000000000000000L, 9000000000000000000L, 0, 32768}));

struct RawCase {
    long min;
    long max;
    std::uint32_t raw;
    long element;
};

void PrintTo(const RawCase& c, std::ostream* out)
{
    *out << "raw " << c.raw << " in " << c.min << ".." << c.max << " is " << c.element;
}

class RawScaleTest : public ::testing::TestWithParam<RawCase> {};

TEST_P(RawScaleTest, RawToElement)
{
    const RawCase& c = GetParam();
    EXPECT_EQ(RawToElementVolume(c.raw, c.min, c.max), c.element);
}

INSTANTIATE_TEST_SUITE_P(Ranges, RawScaleTest, ::testing::Values(
    RawCase{0, 31, 0, 0},
    RawCase{0, 31, 65535, 31},
    RawCase{0, 31, 32767, 15},
    RawCase{0, 31, 32768, 16},
    RawCase{0, 31, 2730, 1},
    RawCase{-10, 10, 32768, 0},
    RawCase{0, 131070, 2, 4},
    RawCase{0, 31, 70000, 31},
    RawCase{5, 5, 30000, 5}));

// Writing back the raw value just read must leave the element where it
// was, or the knob would creep on every notification.
TEST(ElementScaleRoundTripTest, RawReadBackAndWrittenIsStable)
{
    const std::vector<std::pair<long, long>> ranges{
        {0, 1}, {0, 31}, {0, 87}, {0, 100}, {-10, 10}, {-6400, 0}, {0, 65535}, {0, 65536}, {0, 1000000}};
    for (const auto& [min, max] : ranges) {
        const long step = std::max(1L, (max - min) / 5000);
        for (long element = min; element <= max; element += step) {
            const std::uint32_t raw = ElementVolumeToRaw(element, min, max);
            const long written = RawToElementVolume(raw, min, max);
            ASSERT_EQ(ElementVolumeToRaw(written, min, max), raw) << element << " in " << min << ".." << max;
            if (max - min <= 65535) {
                ASSERT_EQ(written, element) << min << ".." << max;
            }
        }
    }
}

// This machine may or may not have a sound card; either way opening the
// system mixer prints nothing, and an opened one has a usable master.
TEST(SystemMixerTest, OpensQuietly)
{
    ::testing::internal::CaptureStderr();
    ::testing::internal::CaptureStdout();
    const std::unique_ptr<Mixer> mixer = OpenSystemMixer();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    if (mixer) {
        EXPECT_TRUE(mixer->HasSpeakers());
        const std::int32_t volume = ApplyMixerControl(mixer.get(), 1, 0);
        EXPECT_GE(volume, 0);
        EXPECT_LE(volume, 65535);
    }
}

} // namespace
