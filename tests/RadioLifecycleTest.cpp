#include "RadioOpsFixture.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace {

using Log = std::vector<std::string>;

Log Last(const Log& log, std::size_t count)
{
    return Log(log.end() - static_cast<long>(std::min(count, log.size())), log.end());
}

class RadioLifecycle : public RadioOpsFixture {};

TEST_F(RadioLifecycle, ModuleSeesConstructionShowAndCloseInOrder)
{
    Module().SetTunedFrequency(9630);
    TfrmRadio& radio = Create();
    EXPECT_EQ(ModuleLog(), (Log{"HaveRadio()", "SetLocation(0)", "SetMode(0)", "GetLocation(1)"}));
    EXPECT_EQ(state.BandLow, 8750);
    EXPECT_EQ(state.BandHigh, 10800);
    EXPECT_EQ(state.RadioMode, 0);

    module->ClearLog();
    radio.show();
    const Log shown = ModuleLog();
    ASSERT_GE(shown.size(), 3u);
    EXPECT_EQ(shown[0], "SetMode(1)");
    EXPECT_EQ(shown[1], "GetFrequency(0)") << "the power-on restore follows at once";
    EXPECT_EQ(state.RadioMode, 1);

    module->ClearLog();
    Close();
    EXPECT_EQ(Last(ModuleLog(), 3), (Log{"GetFrequency(0)", "SetMode(0)", "CloseRadio()"}));
    EXPECT_TRUE(ReadPresets().contains("[LastOne]\nLastChannel=9630\n"));
    EXPECT_EQ(acpi->Calls().back().method, AcpiMethodSndo);
    EXPECT_EQ(acpi->Calls().back().argument, 1) << "the audio path goes back to output 1";
    EXPECT_EQ(acpi->CloseCount(), 1);
    EXPECT_FALSE(mixer.IsOpen());
    EXPECT_EQ(state.RadioModule, nullptr);
    EXPECT_EQ(state.RegionLibrary, nullptr);

    // Nothing released is used again: a later session end calls nothing.
    module->ClearLog();
    radio.QueryEndSession();
    radio.ResumeFromSuspend();
    EXPECT_TRUE(ModuleLog().empty());
}

TEST_F(RadioLifecycle, CloseMutesTheTunerLinesAfterTheModuleStops)
{
    CreateShown();
    mixer.ClearWrites();
    Close();
    EXPECT_EQ(mixer.Writes(), (std::vector<MixerWrite>{{"Aux Mute", 1}, {"Line In Mute", 1}}));
}

TEST_F(RadioLifecycle, LastChannelIsWrittenAlsoWithTheRadioOff)
{
    TfrmRadio& radio = Shown(9010);
    const QPoint power = FaceChecks::SlotPoint(state, 0);
    radio.imgBackgroundMouseUp(Qt::LeftButton, power.x(), power.y());
    ASSERT_EQ(state.RadioMode, 0);
    Close();
    EXPECT_TRUE(ReadPresets().contains("LastChannel=9010"));
}

TEST_F(RadioLifecycle, ResumeResendsThePowerState)
{
    TfrmRadio& radio = Shown(9010);
    radio.ResumeFromSuspend();
    EXPECT_EQ(ModuleLog(), (Log{"SetMode(1)"}));

    const QPoint power = FaceChecks::SlotPoint(state, 0);
    radio.imgBackgroundMouseUp(Qt::LeftButton, power.x(), power.y());
    module->ClearLog();
    radio.ResumeFromSuspend();
    EXPECT_EQ(ModuleLog(), (Log{"SetMode(0)"}));
    EXPECT_EQ(state.RadioMode, 0) << "a resume re-sends the state without changing it";
}

TEST_F(RadioLifecycle, SessionEndRunsTheCloseSequenceOnce)
{
    TfrmRadio& radio = Shown(9630);
    radio.QueryEndSession();
    radio.QueryEndSession();
    Close();
    const Log log = ModuleLog();
    EXPECT_EQ(std::count(log.begin(), log.end(), "CloseRadio()"), 1);
    EXPECT_EQ(ReadPresets().count("LastChannel="), 1);
}

TEST_F(RadioLifecycle, RefusedLastChannelWriteStillSwitchesTheTunerOff)
{
    CreateShown();
    // A folder where the file should be: the write is refused even as root.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Solvane.cfg")));
    module->ClearLog();
    Close();
    EXPECT_EQ(Last(ModuleLog(), 2), (Log{"SetMode(0)", "CloseRadio()"}));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Unable to write to ") + dir.filePath("Solvane.cfg"));
}

TEST_F(RadioLifecycle, StandsAHundredPixelsAboveTheCentreAndStaysThere)
{
    TfrmRadio& radio = Create();
    const QPoint centred = radio.pos();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(centred, QPoint(screen.x() + (screen.width() - 575) / 2, screen.y() + (screen.height() - 404) / 2));
    radio.show();
    EXPECT_EQ(radio.pos(), centred - QPoint(0, 100));
    radio.hide();
    radio.show();
    EXPECT_EQ(radio.pos(), centred - QPoint(0, 100)) << "activation moves the window once only";
    EXPECT_EQ(radio.size(), QSize(575, 404));
    EXPECT_TRUE(radio.windowFlags() & Qt::FramelessWindowHint);
}

TEST_F(RadioLifecycle, NoAcpiDeviceKeepsTheRememberedStation)
{
    WritePresets("[LastOne]\nLastChannel=9630\n");
    acpiPresence = AcpiDeviceRecording::Presence::Missing;
    Module().SetTunedFrequency(8750);
    EXPECT_TRUE(Create().TerminateRequested());
    EXPECT_EQ(ReadPresets(), QByteArray("[LastOne]\nLastChannel=9630\n"));
    EXPECT_EQ(Last(ModuleLog(), 2), (Log{"SetMode(0)", "CloseRadio()"}));
}

struct StartupFailure {
    const char* name;
    bool regionLibrary;
    bool module;
    RecordingModule::Variant variant;
    int haveRadio;
    AcpiDeviceRecording::Presence acpi;
    const char* text;       // null: no message
    const char* caption;
    MessageIcon icon;
    bool terminates;
    Log moduleCalls;        // what the module saw, when it was installed
};

class RadioStartupFailure : public RadioOpsFixture, public ::testing::WithParamInterface<StartupFailure> {};

TEST_P(RadioStartupFailure, TellsTheUserAndEndsAsDocumented)
{
    const StartupFailure& row = GetParam();
    installRegionLibrary = row.regionLibrary;
    installModule = row.module;
    moduleVariant = row.variant;
    acpiPresence = row.acpi;
    if (row.module)
        Module().SetHaveRadio(row.haveRadio);

    TfrmRadio& radio = Create();

    if (row.text) {
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, QString::fromLatin1(row.text));
        EXPECT_EQ(messages.shown[0].caption, QString::fromLatin1(row.caption));
        EXPECT_EQ(messages.shown[0].icon, row.icon);
    } else {
        EXPECT_TRUE(messages.shown.empty());
    }
    EXPECT_EQ(radio.TerminateRequested(), row.terminates);
    if (row.terminates) {
        EXPECT_EQ(state.RadioModule, nullptr);
        EXPECT_EQ(state.RegionLibrary, nullptr);
    }
    if (row.module) {
        EXPECT_EQ(ModuleLog(), row.moduleCalls);
    }
}

const Log NormalConstruction{"HaveRadio()", "SetLocation(0)", "SetMode(0)", "GetLocation(1)"};

INSTANTIATE_TEST_SUITE_P(
    Cases, RadioStartupFailure,
    ::testing::Values(
        StartupFailure{"NoRegionLibrary", false, true, RecordingModule::Variant::Complete, 1,
                       AcpiDeviceRecording::Presence::Present, "Load Contora.dll failed !", "Solvane",
                       MessageIcon::None, true, {}},
        StartupFailure{"NoRadioModule", true, false, RecordingModule::Variant::Complete, 1,
                       AcpiDeviceRecording::Presence::Present, "Load Tessmod.dll failed !", "Solvane",
                       MessageIcon::None, true, {}},
        StartupFailure{"MissingRequiredEntryPoint", true, true, RecordingModule::Variant::WithoutGetStereo, 1,
                       AcpiDeviceRecording::Presence::Present, "Can't get functions !", "Radio", MessageIcon::None,
                       false, NormalConstruction},
        StartupFailure{"MissingOptionalEntryPoints", true, true, RecordingModule::Variant::WithoutOptional, 1,
                       AcpiDeviceRecording::Presence::Present, nullptr, nullptr, MessageIcon::None, false,
                       NormalConstruction},
        StartupFailure{"NoTuner", true, true, RecordingModule::Variant::Complete, 0,
                       AcpiDeviceRecording::Presence::Present, "Radio module not found !", "Quillon Radio Player",
                       MessageIcon::Stop, true, {"HaveRadio()"}},
        StartupFailure{"NoAcpiDevice", true, true, RecordingModule::Variant::Complete, 1,
                       AcpiDeviceRecording::Presence::Missing, "Can't Open ACPI QVR0100 kernel Mode Driver",
                       "test bios str", MessageIcon::Warning, true,
                       {"HaveRadio()", "SetLocation(0)", "SetMode(0)", "GetLocation(1)", "SetMode(0)",
                        "CloseRadio()"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
