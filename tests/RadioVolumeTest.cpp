#include "RadioOpsFixture.h"
#include "SkinImage.h"

#include <QCoreApplication>

using namespace FaceChecks;

namespace {

class RadioVolume : public RadioOpsFixture {
protected:
    // Shown with the mixer at a volume, its notifications handled.
    TfrmRadio& ShownAtVolume(std::uint32_t volume)
    {
        mixer.SetExternalVolume(volume);
        TfrmRadio& radio = Shown(9640);
        Deliver();
        mixer.ClearWrites();
        return radio;
    }

    static void Deliver() { QCoreApplication::processEvents(); }

    QPoint Dot() const { return radio->imgVolDot->pos(); }
    QPoint Knob(int step) const { return state.KnobPoints[step]; }
};

TEST_F(RadioVolume, CreationReadsTheVolumeAndUnmutesTheTunerLines)
{
    mixer.SetExternalVolume(30000);
    TfrmRadio& radio = Create();
    EXPECT_EQ(radio.MixerVolume, 30000u);
    EXPECT_EQ(radio.VolumeUnit, 2730u);
    EXPECT_EQ(mixer.Writes(), (std::vector<MixerWrite>{{"Aux Mute", 0}, {"Line In Mute", 0}}));
}

TEST_F(RadioVolume, StepsStopAtTheEndsOfTheKnob)
{
    TfrmRadio& radio = ShownAtVolume(65535);
    ASSERT_EQ(state.VolumeStep, 24);
    radio.imgPlusClick();
    EXPECT_EQ(state.VolumeStep, 24);
    EXPECT_TRUE(mixer.Writes().empty());

    state.VolumeStep = 0;
    radio.imgMinClick();
    EXPECT_EQ(state.VolumeStep, 0);
    EXPECT_TRUE(mixer.Writes().empty());
}

TEST_F(RadioVolume, StepUpFrom64000IsHeldAtTheTop)
{
    TfrmRadio& radio = ShownAtVolume(64000);
    ASSERT_EQ(state.VolumeStep, 23);
    radio.imgPlusClick();
    EXPECT_EQ(state.VolumeStep, 24);
    EXPECT_EQ(Dot(), Knob(24));
    EXPECT_EQ(mixer.Writes(), (std::vector<MixerWrite>{{"Master Volume", 65535}}));
}

TEST_F(RadioVolume, StepDownFrom1000IsHeldAtZero)
{
    TfrmRadio& radio = ShownAtVolume(1000);
    state.VolumeStep = 1;
    radio.imgMinClick();
    EXPECT_EQ(state.VolumeStep, 0);
    EXPECT_EQ(mixer.Writes(), (std::vector<MixerWrite>{{"Master Volume", 0}}));
}

// A step moves from the mixer's present value, whoever set it last.
TEST_F(RadioVolume, DoubleClickStepsTwiceFromTheMixersValue)
{
    TfrmRadio& radio = ShownAtVolume(27300);
    ASSERT_EQ(state.VolumeStep, 10);
    radio.imgPlusDblClick();
    EXPECT_EQ(state.VolumeStep, 12);
    EXPECT_EQ(mixer.Writes(), (std::vector<MixerWrite>{{"Master Volume", 30030}, {"Master Volume", 32760}}));

    mixer.ClearWrites();
    state.VolumeStep = 1;
    radio.imgMinDblClick();
    EXPECT_EQ(state.VolumeStep, 0);
    EXPECT_EQ(mixer.Writes(), (std::vector<MixerWrite>{{"Master Volume", 30030}}));
}

// (370, 253) lies at squared distance 1 from steps 14 and 15.
TEST_F(RadioVolume, DotReleaseTieGoesToTheHigherStep)
{
    TfrmRadio& radio = ShownAtVolume(0);
    const QPoint origin = Dot();
    radio.imgVolDotMouseDown(Qt::LeftButton, 1, 1);
    radio.imgVolDotMouseUp(Qt::LeftButton, 370 - origin.x(), 253 - origin.y());
    EXPECT_EQ(state.VolumeStep, 15);
    EXPECT_EQ(Dot(), Knob(15));
    EXPECT_EQ(mixer.Writes(), (std::vector<MixerWrite>{{"Master Volume", 15 * 2730}}));
}

TEST_F(RadioVolume, OnlyTheLeftButtonMovesTheDot)
{
    TfrmRadio& radio = ShownAtVolume(0);
    radio.imgVolDotMouseDown(Qt::RightButton, 1, 1);
    radio.imgVolDotMouseUp(Qt::RightButton, 20, -10);
    EXPECT_EQ(state.VolumeStep, 0);
    EXPECT_TRUE(mixer.Writes().empty());
}

TEST_F(RadioVolume, ReleaseFarOffTheKnobPicksTheNearestStep)
{
    TfrmRadio& radio = ShownAtVolume(0);
    radio.imgVolDotMouseDown(Qt::LeftButton, 1, 1);
    radio.imgVolDotMouseUp(Qt::LeftButton, 100000, 0);
    EXPECT_EQ(state.VolumeStep, 23);
    EXPECT_EQ(Dot(), Knob(23));
}

struct NotificationCase {
    const char* name;
    std::uint32_t volume;
    int step;
};

// Cases print as their names in test listings.
void PrintTo(const NotificationCase& row, std::ostream* out)
{
    *out << row.name;
}

class RadioVolumeNotification : public RadioVolume, public testing::WithParamInterface<NotificationCase> {};

TEST_P(RadioVolumeNotification, PutsTheDotOnTheMixersStep)
{
    ShownAtVolume(30000);
    mixer.SetExternalVolume(GetParam().volume);
    Deliver();
    EXPECT_EQ(radio->MixerVolume, GetParam().volume);
    EXPECT_EQ(state.VolumeStep, GetParam().step);
    EXPECT_EQ(Dot(), Knob(GetParam().step));
    EXPECT_TRUE(mixer.Writes().empty()) << "a notification only reads";
}

INSTANTIATE_TEST_SUITE_P(Volumes, RadioVolumeNotification,
                         testing::Values(NotificationCase{"Top", 65535, 24}, NotificationCase{"BelowOneUnit", 2729, 0},
                                         NotificationCase{"OneUnit", 2730, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RadioVolume, AnotherProgramsMuteShowsOnTheFace)
{
    ShownAtVolume(30000);
    ASSERT_TRUE(FaceShows(258, 242, QStringLiteral("RES\\MainBtn\\bu_5a.bmp"), true));
    mixer.SetExternalMute(true);
    Deliver();
    EXPECT_EQ(state.MuteOn, 1);
    EXPECT_TRUE(FaceShows(258, 242, QStringLiteral("RES\\MainBtn\\bu_5.bmp")));

    mixer.SetExternalMute(false);
    Deliver();
    EXPECT_EQ(state.MuteOn, 0);
    EXPECT_TRUE(FaceShows(258, 242, QStringLiteral("RES\\MainBtn\\bu_5a.bmp")));
}

TEST_F(RadioVolume, NotificationsWhileOffLeaveTheDotAndShowTheDarkMuteButton)
{
    TfrmRadio& radio = ShownAtVolume(30000);
    state.RadioMode = 0;
    const QPoint dot = Dot();
    const int step = state.VolumeStep;
    mixer.SetExternalVolume(65535);
    mixer.SetExternalMute(true);
    Deliver();
    EXPECT_EQ(radio.MixerVolume, 65535u);
    EXPECT_EQ(state.VolumeStep, step);
    EXPECT_EQ(Dot(), dot);
    EXPECT_TRUE(FaceShows(258, 242, QStringLiteral("RES\\MainBtn\\bu_5_off.bmp")));
}

TEST_F(RadioVolume, OtherMessagesAreNotNotifications)
{
    TfrmRadio& radio = ShownAtVolume(30000);
    mixer.SetExternalVolume(65535);
    radio.MixerWndProc(0x3D0);
    EXPECT_EQ(radio.MixerVolume, 30000u);
}

// Without a mixer device the knob still turns; nothing divides by the
// zero volume unit and nothing is written.
TEST_F(RadioVolume, WithoutAMixerTheKnobStillTurns)
{
    mixer.SetMode(MixerMemory::Mode::NoDevice);
    TfrmRadio& radio = Shown(9640);
    EXPECT_EQ(radio.VolumeUnit, 0u);
    EXPECT_EQ(state.VolumeStep, 0);
    EXPECT_EQ(Dot(), Knob(0));
    EXPECT_TRUE(radio.imgVolDot->isVisibleTo(&radio));
    EXPECT_EQ(radio.MixerControl(1, 0), -1);

    radio.imgPlusClick();
    EXPECT_EQ(state.VolumeStep, 1);
    EXPECT_EQ(Dot(), Knob(1));
    radio.SetVolumeFromPoint(380, 262);
    EXPECT_EQ(state.VolumeStep, 23);
    radio.MixerWndProc(TfrmRadio::MM_MIXM_CONTROL_CHANGE);
    EXPECT_EQ(state.VolumeStep, 23);
    EXPECT_TRUE(mixer.Writes().empty());
}

// A volume that cannot be read leaves the knob where it was, and a step
// with nothing to start from does not write.
TEST_F(RadioVolume, FailedReadKeepsTheKnob)
{
    mixer.SetMode(MixerMemory::Mode::ReadFails);
    state.VolumeStep = 7;
    TfrmRadio& radio = Shown(9640);
    EXPECT_EQ(state.VolumeStep, 7);
    EXPECT_EQ(Dot(), Knob(7));
    mixer.ClearWrites();

    radio.MixerWndProc(TfrmRadio::MM_MIXM_CONTROL_CHANGE);
    EXPECT_EQ(state.VolumeStep, 7);
    EXPECT_EQ(state.MuteOn, 1) << "an unreadable mute counts as muted";

    radio.imgPlusClick();
    EXPECT_EQ(state.VolumeStep, 8);
    EXPECT_EQ(Dot(), Knob(8));
    EXPECT_TRUE(mixer.Writes().empty());
}

TEST_F(RadioVolume, DotOutsideTheKnobRangeIsPlacedAtItsEnd)
{
    TfrmRadio& radio = ShownAtVolume(0);
    state.VolumeStep = 40;
    radio.PlaceVolumeDot();
    EXPECT_EQ(Dot(), Knob(24));
    state.VolumeStep = -5;
    radio.PlaceVolumeDot();
    EXPECT_EQ(Dot(), Knob(0));
}

}
