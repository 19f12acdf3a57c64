#include "AcpiDevice.h"
#include "FaceSlots.h"
#include "RadioOpsFixture.h"
#include "SkinImage.h"
#include "VolumeKnob.h"

#include <QTimer>

#include <functional>

using namespace FaceChecks;

namespace {


QByteArray Presets(int count)
{
    QByteArray presets = "[LastOne]\nLastChannel=9640\n[Station]\n9120=Jazz\n[Channel]\nNum=" +
                         QByteArray::number(count) + "\n";
    for (int channel = 1; channel <= count; ++channel)
        presets += QByteArray::number(channel) + "=" + QByteArray::number(8750 + 10 * channel) + "\n";
    return presets;
}

class RadioCommands : public RadioOpsFixture {
protected:
    TfrmRadio& On(int channels = 3)
    {
        WritePresets(Presets(channels));
        TfrmRadio& radio = Shown(9640);
        mixer.ClearWrites();
        return radio;
    }

    void Release(int slot, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint at = SlotPoint(state, slot);
        ASSERT_GE(at.x(), 0) << "slot " << slot << " has no region";
        radio->imgBackgroundMouseUp(button, at.x(), at.y());
    }

    void Press(int slot)
    {
        const QPoint at = SlotPoint(state, slot);
        radio->imgBackgroundMouseDown(Qt::LeftButton, at.x(), at.y());
    }

    // Runs the action from inside the next scan's wait.
    void DuringTheScan(std::function<void()> action)
    {
        QTimer::singleShot(60, radio.get(), std::move(action));
    }

    bool AreaShows(const QRect& rect, const char* face) const
    {
        return AreaIsPicture(Face(), rect, Picture(QString::fromLatin1(face)));
    }

    std::vector<int> AcpiArguments() const
    {
        std::vector<int> arguments;
        for (const AcpiDeviceRecording::Call& call : acpi->Calls()) {
            EXPECT_EQ(call.method, AcpiMethodSndo);
            arguments.push_back(call.argument);
        }
        return arguments;
    }
};

struct RowCase {
    const char* name;
    int page, count, x, y;
    int channel;  // 0: not a hit
};

// Cases print as their names in test listings.
void PrintTo(const RowCase& row, std::ostream* out)
{
    *out << row.name;
}

class RadioCommandsRow : public RadioCommands, public testing::WithParamInterface<RowCase> {};

TEST_P(RadioCommandsRow, SelectsTheChannelUnderTheRelease)
{
    const RowCase& row = GetParam();
    TfrmRadio& radio = On(row.count);
    state.ChannelPage = row.page;
    module->ClearLog();
    radio.imgBackgroundMouseUp(Qt::LeftButton, row.x, row.y);
    if (row.channel == 0) {
        EXPECT_TRUE(ModuleLog().empty());
        return;
    }
    const int frequency = 8750 + 10 * row.channel;
    EXPECT_EQ(ModuleLog(), (std::vector<std::string>{"SetFrequency(0, " + std::to_string(frequency) + ")",
                                                     "GetFrequency(0)"}));
    EXPECT_EQ(radio.Image1->x(), (frequency - 8750) / 10 + 69);
    EXPECT_EQ(state.CurrentFrequency, 9640) << "a selection does not change the remembered frequency";
}

INSTANTIATE_TEST_SUITE_P(Bounds, RadioCommandsRow,
                         testing::Values(RowCase{"AboveTheFirstRow", 1, 3, 300, 72, 0},
                                         RowCase{"FirstRow", 1, 3, 300, 73, 1},
                                         RowCase{"LeftEdgeIsOutside", 1, 3, 269, 78, 0},
                                         RowCase{"ThirdRow", 1, 3, 330, 106, 3},
                                         RowCase{"RowBeyondTheCount", 1, 3, 300, 118, 0},
                                         RowCase{"PageTwoRightColumnFirstRow", 2, 20, 360, 78, 19},
                                         RowCase{"PageOneRightColumnLastRow", 1, 20, 396, 158, 12}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RadioCommands, SelectionShowsThePresetAndItsName)
{
    TfrmRadio& radio = On(3);
    state.ChannelFreq[2] = 9120;
    state.ChannelFreqText[2] = QStringLiteral("91.20");
    state.ChannelPressed[1] = 1;
    radio.imgBackgroundMouseUp(Qt::LeftButton, 300, 93);
    EXPECT_TRUE(Readout(QStringLiteral("91.20")));
    EXPECT_EQ(state.ChannelPressed[1], 0);
    EXPECT_FALSE(NameFieldBlank());
}

TEST_F(RadioCommands, PagingWithTwelvePresetsStaysOnPageOne)
{
    On(12);
    const QImage before = Face();
    Release(Slot::NextPage);
    EXPECT_EQ(state.ChannelPage, 1);
    EXPECT_EQ(state.ChannelPageCount, 1);
    EXPECT_EQ(Face(), before);
}

TEST_F(RadioCommands, PagingWithThirteenPresetsShowsChannelThirteenAlone)
{
    On(13);
    Release(Slot::NextPage);
    EXPECT_EQ(state.ChannelPage, 2);
    EXPECT_EQ(state.ChannelPageCount, 2);
    EXPECT_TRUE(ShowsDigits(Face(), AppDir(), 271, 74, QStringLiteral("13"), false, 2));
    EXPECT_TRUE(ShowsDigits(Face(), AppDir(), 288, 74, QStringLiteral("88.80"), false, 6));
    EXPECT_TRUE(FaceShows(270, 88, QStringLiteral("RES\\MainBtn\\index.bmp")));
    EXPECT_TRUE(FaceShows(287, 88, QStringLiteral("RES\\MainBtn\\channel.bmp")));
    EXPECT_TRUE(FaceShows(353, 73, QStringLiteral("RES\\MainBtn\\channel.bmp")));

    Release(Slot::NextPage);
    EXPECT_EQ(state.ChannelPage, 2);
    Release(Slot::PreviousPage);
    EXPECT_EQ(state.ChannelPage, 1);
    EXPECT_TRUE(ShowsDigits(Face(), AppDir(), 337, 149, QStringLiteral("12"), false, 2));
}

TEST_F(RadioCommands, PreviousOnPageOneDoesNothing)
{
    On(13);
    const QImage before = Face();
    Release(Slot::PreviousPage);
    EXPECT_EQ(state.ChannelPage, 1);
    EXPECT_EQ(Face(), before);
}

TEST_F(RadioCommands, KnobReleaseWithoutAPressThereDoesNothing)
{
    On();
    Release(Slot::Knob);
    EXPECT_TRUE(mixer.Writes().empty());

    Press(Slot::Knob);
    ASSERT_EQ(state.ButtonPressed[Slot::Knob], 1);
    Release(Slot::Knob);
    const QPoint at = SlotPoint(state, Slot::Knob);
    const int step = NearestKnobStep(state.KnobPoints, at.x(), at.y());
    EXPECT_EQ(state.VolumeStep, step);
    EXPECT_EQ(radio->imgVolDot->pos(), state.KnobPoints[step]);
    EXPECT_EQ(mixer.Writes(), (std::vector<MixerWrite>{{"Master Volume", static_cast<std::uint32_t>(step * 2730)}}));
    EXPECT_EQ(state.ButtonPressed[Slot::Knob], 0);
}

TEST_F(RadioCommands, OutputSwitchAlternatesStartingWithTheSpeaker)
{
    On();
    Release(Slot::Output);
    EXPECT_TRUE(FaceShows(225, 249, QStringLiteral("RES\\MainBtn\\bu_4.bmp")));
    Release(Slot::Output);
    EXPECT_TRUE(FaceShows(225, 249, QStringLiteral("RES\\MainBtn\\bu_4a.bmp")));
    Release(Slot::Output);
    EXPECT_EQ(AcpiArguments(), (std::vector<int>{2, 1, 2}));
    EXPECT_EQ(radio->AudioOutput, 2);
}

TEST_F(RadioCommands, AnyMouseButtonActs)
{
    On();
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        module->ClearLog();
        Release(Slot::TuneUp, button);
        EXPECT_EQ(ModuleLog(), (std::vector<std::string>{"OneStep(1)", "GetFrequency(0)", "GetFrequency(0)"}))
            << "button " << button;
    }
}

TEST_F(RadioCommands, TuneShowsTheNewFrequencyItsNameAndPointer)
{
    WritePresets("[Station]\n9115=Jazz\n");
    TfrmRadio& radio = Shown(9120);
    Release(Slot::TuneDown);
    EXPECT_EQ(ModuleLog(), (std::vector<std::string>{"OneStep(0)", "GetFrequency(0)", "GetFrequency(0)"}));
    EXPECT_TRUE(Readout(QStringLiteral("91.15")));
    EXPECT_FALSE(NameFieldBlank());
    EXPECT_EQ(radio.Image1->x(), (9115 - 8750) / 10 + 69);

    Release(Slot::TuneUp);
    EXPECT_TRUE(Readout(QStringLiteral("91.20")));
    EXPECT_TRUE(NameFieldBlank());
}

TEST_F(RadioCommands, MuteTogglesTheMasterAndTheTunerLines)
{
    On();
    Release(Slot::Mute);
    EXPECT_EQ(state.MuteOn, 1);
    EXPECT_EQ(mixer.Writes(), (std::vector<MixerWrite>{{"Master Mute", 1}, {"Aux Mute", 1}, {"Line In Mute", 1}}));
    mixer.ClearWrites();
    Release(Slot::Mute);
    EXPECT_EQ(state.MuteOn, 0);
    EXPECT_EQ(mixer.Writes(), (std::vector<MixerWrite>{{"Master Mute", 0}, {"Aux Mute", 0}, {"Line In Mute", 0}}));
}

TEST_F(RadioCommands, PressFlagsAreClearedWhateverTheRelease)
{
    On();
    state.ButtonPressed.fill(1);
    radio->imgBackgroundMouseUp(Qt::LeftButton, 20, 20);
    for (int slot = 0; slot < 17; ++slot)
        EXPECT_EQ(state.ButtonPressed[slot], 0) << "slot " << slot;
}

TEST_F(RadioCommands, PowerOffAndOn)
{
    mixer.SetExternalVolume(30000);
    TfrmRadio& radio = On();
    Release(Slot::Power);
    EXPECT_EQ(state.RadioMode, 0);
    EXPECT_EQ(ModuleLog(), std::vector<std::string>{"SetMode(0)"});
    EXPECT_EQ(mixer.Writes(), (std::vector<MixerWrite>{{"Aux Mute", 1}, {"Line In Mute", 1}}));
    EXPECT_TRUE(AreaShows(QRect(100, 100, 150, 40), "RES\\main_off.jpg"));
    EXPECT_TRUE(FaceShows(258, 242, QStringLiteral("RES\\MainBtn\\bu_5a_off.bmp")));
    EXPECT_FALSE(radio.tmrTime->isActive());
    EXPECT_FALSE(radio.Image1->isVisibleTo(&radio));
    EXPECT_FALSE(radio.imgVolDot->isVisibleTo(&radio));
    EXPECT_FALSE(radio.imgPlus->isEnabled());
    EXPECT_FALSE(radio.imgMin->isEnabled());

    // Off, only power, minimise and exit act.
    module->ClearLog();
    mixer.ClearWrites();
    for (int slot : {Slot::Store, Slot::Output, Slot::Mute, Slot::TuneUp, Slot::ScanUp, Slot::NextPage})
        Release(slot);
    radio.imgBackgroundMouseUp(Qt::LeftButton, 300, 78);
    EXPECT_TRUE(ModuleLog().empty());
    EXPECT_TRUE(mixer.Writes().empty());
    EXPECT_TRUE(acpi->Calls().empty());

    Release(Slot::Power);
    EXPECT_EQ(state.RadioMode, 1);
    EXPECT_EQ(ModuleLog(), (std::vector<std::string>{"SetMode(1)", "GetFrequency(0)", "SetFrequency(0, 9640)"}));
    EXPECT_EQ(mixer.Writes(), (std::vector<MixerWrite>{{"Aux Mute", 0}, {"Line In Mute", 0}}));
    EXPECT_TRUE(Readout(QStringLiteral("96.40")));
    EXPECT_TRUE(AreaShows(QRect(400, 200, 60, 40), "RES\\main_on.jpg"));
    EXPECT_EQ(Face().pixel(285, 185), ScaleColour());
    EXPECT_TRUE(radio.tmrTime->isActive());
    EXPECT_TRUE(radio.Image1->isVisibleTo(&radio));
    EXPECT_TRUE(radio.imgVolDot->isVisibleTo(&radio));
    EXPECT_EQ(radio.Image1->x(), (9640 - 8750) / 10 + 69);
}

TEST_F(RadioCommands, MinimiseDrawsTheButtonAndMinimises)
{
    TfrmRadio& radio = On();
    Release(Slot::Minimise);
    EXPECT_TRUE(FaceShows(462, 114, QStringLiteral("RES\\MainBtn\\bu_scale.bmp")));
    EXPECT_TRUE(radio.isMinimized());
}

TEST_F(RadioCommands, ScanShowsTheStationItStoppedAt)
{
    TfrmRadio& radio = On();
    module->QueueScan(3, 9810);
    Release(Slot::ScanUp);
    EXPECT_EQ(ModuleLog(), (std::vector<std::string>{"GetFrequency(0)", "AutoScan(1)", "GetFrequency(0)",
                                                     "GetFrequency(0)"}));
    EXPECT_EQ(state.ScanStartFrequency, 9640);
    EXPECT_EQ(state.ScanDirection, 1);
    EXPECT_FALSE(radio.tmrScan->isActive());
    EXPECT_FALSE(radio.Scanning());
    EXPECT_TRUE(Readout(QStringLiteral("98.10")));
    EXPECT_EQ(radio.Image1->x(), (9810 - 8750) / 10 + 69);
}

// The scan timer runs inside the module's wait and ends a scan that has
// gone once round the band; the command then shows where it began.
TEST_F(RadioCommands, ScanTimerEndsAWrappedScanFromInsideTheWait)
{
    TfrmRadio& radio = On();
    radio.tmrScan->setInterval(20);
    module->QueueScan(RecordingModule::UntilStopped);
    module->MarkScanReturns(true);
    module->QueueFrequencies({10000, 10200, 8800, 10050});
    Release(Slot::ScanUp);

    const std::vector<std::string> log = ModuleLog();
    const std::vector<std::string> expected{"GetFrequency(0)",         "AutoScan(1)",     "GetFrequency(0)",
                                            "GetFrequency(0)",         "GetFrequency(0)", "AutoScan(-1)",
                                            "SetFrequency(0, 10000)",  "AutoScan(1) returned",
                                            "GetFrequency(0)",         "GetFrequency(0)"};
    EXPECT_EQ(log, expected);
    EXPECT_TRUE(Readout(QStringLiteral("100.00")));
    EXPECT_EQ(radio.Image1->x(), (10000 - 8750) / 10 + 69);
}

TEST_F(RadioCommands, StopEndsTheScanFromInsideItsWait)
{
    TfrmRadio& radio = On();
    module->QueueScan(RecordingModule::UntilStopped);
    module->MarkScanReturns(true);
    bool timerRanDuringTheScan = false;
    DuringTheScan([&] {
        timerRanDuringTheScan = radio.tmrScan->isActive() && radio.Scanning();
        Release(Slot::Stop);
    });
    Release(Slot::ScanDown);
    EXPECT_TRUE(timerRanDuringTheScan);
    const std::vector<std::string> log = ModuleLog();
    ASSERT_GE(log.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 4),
              (std::vector<std::string>{"GetFrequency(0)", "AutoScan(0)", "AutoScan(-1)", "GetFrequency(0)"}));
    EXPECT_EQ(log[4], "AutoScan(0) returned");
    EXPECT_FALSE(radio.tmrScan->isActive());
}

TEST_F(RadioCommands, ScanWhileScanningDoesNotNest)
{
    TfrmRadio& radio = On();
    module->QueueScan(RecordingModule::UntilStopped);
    int depthDuringSecondScan = -1;
    DuringTheScan([&] {
        Release(Slot::ScanUp);
        depthDuringSecondScan = module->ScanDepth();
        Release(Slot::Stop);
    });
    Release(Slot::ScanDown);
    EXPECT_EQ(depthDuringSecondScan, 1);
    EXPECT_FALSE(Logged(ModuleLog(), "AutoScan(1)"));
    EXPECT_FALSE(radio.Scanning());
}

// Exit during a scan: the scan is stopped, AutoScan returns, and only then
// is the tuner switched off and the module closed and unloaded.
TEST_F(RadioCommands, ExitDuringAScanClosesOnceTheScanHasReturned)
{
    TfrmRadio& radio = On();
    module->QueueScan(RecordingModule::UntilStopped);
    module->MarkScanReturns(true);
    DuringTheScan([&] { Release(Slot::Exit); });
    Release(Slot::ScanUp);

    EXPECT_EQ(module->ScanDepth(), 0);
    const std::vector<std::string> log = ModuleLog();
    const std::vector<std::string> expected{"GetFrequency(0)",      "AutoScan(1)",     "AutoScan(-1)",
                                            "AutoScan(1) returned", "GetFrequency(0)", "SetMode(0)",
                                            "CloseRadio()"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(state.RadioModule, nullptr) << "the module is unloaded";
    EXPECT_TRUE(ReadPresets().contains("LastChannel="));
    EXPECT_FALSE(radio.tmrScan->isActive());
}

TEST_F(RadioCommands, SessionEndDuringAScanClosesOnceTheScanHasReturned)
{
    TfrmRadio& radio = On();
    module->QueueScan(RecordingModule::UntilStopped);
    module->MarkScanReturns(true);
    DuringTheScan([&] { radio.QueryEndSession(); });
    Release(Slot::ScanDown);

    const std::vector<std::string> log = ModuleLog();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "CloseRadio()");
    const auto stop = std::find(log.begin(), log.end(), "AutoScan(-1)");
    const auto returned = std::find(log.begin(), log.end(), "AutoScan(0) returned");
    const auto off = std::find(log.begin(), log.end(), "SetMode(0)");
    ASSERT_NE(stop, log.end());
    EXPECT_LT(stop, returned);
    EXPECT_LT(returned, off);
}

TEST_F(RadioCommands, PowerOffDuringAScanSwitchesOffOnceTheScanHasReturned)
{
    TfrmRadio& radio = On();
    module->QueueScan(RecordingModule::UntilStopped);
    module->MarkScanReturns(true);
    DuringTheScan([&] {
        Release(Slot::Power);
        // Asked twice while the scan winds down: still one switch-off.
        Release(Slot::Power);
        EXPECT_EQ(state.RadioMode, 1);
    });
    Release(Slot::ScanUp);

    EXPECT_EQ(ModuleLog(), (std::vector<std::string>{"GetFrequency(0)", "AutoScan(1)", "AutoScan(-1)",
                                                     "AutoScan(1) returned", "SetMode(0)"}));
    EXPECT_EQ(state.RadioMode, 0);
    EXPECT_FALSE(radio.Image1->isVisibleTo(&radio));
    EXPECT_TRUE(AreaShows(QRect(100, 100, 150, 40), "RES\\main_off.jpg"));

    // And the radio comes back on as usual.
    module->ClearLog();
    Release(Slot::Power);
    EXPECT_EQ(state.RadioMode, 1);
    EXPECT_EQ(ModuleLog().front(), "SetMode(1)");
}

}
