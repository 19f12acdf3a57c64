#include "RadioOpsFixture.h"

#include "ChannelRows.h"
#include "SkinImage.h"

namespace {

using FaceChecks::SlotPoint;

// A point of the face that belongs to no control and no list row.
const QPoint EmptyFace(30, 300);

class RadioSkin : public RadioOpsFixture {
protected:
    TfrmRadio& Radio(int channels = 9)
    {
        WritePresets("[Channel]\nNum=" + QByteArray::number(channels) + "\n");
        return Shown(9000);
    }

    bool Shows(int slot, const char* look) const
    {
        static const struct {
            int slot;
            int x;
            int y;
            const char* base;
        } places[] = {{0, 449, 137, "bu_power"}, {4, 156, 263, "bu_2"}, {5, 190, 255, "bu_3"},
                      {9, 67, 221, "bu_tuneL"},  {12, 168, 221, "bu_scanR"}, {13, 201, 221, "bu_tuneR"}};
        for (const auto& place : places)
            if (place.slot == slot)
                return FaceShows(place.x, place.y,
                                 QStringLiteral("RES\\MainBtn\\") + place.base + QLatin1String(look) + ".bmp");
        return false;
    }

    // The row's look where its frequency text does not cover it.
    bool RowShows(int row, const char* picture) const
    {
        const ChannelRowPlace place = ChannelRow(row);
        const QImage look = Picture(QStringLiteral("RES\\MainBtn\\") + QLatin1String(picture));
        const QRect text(place.textX, place.textY, 6 * 7, 11);
        for (int y = 0; y < look.height(); ++y)
            for (int x = 0; x < look.width(); ++x) {
                const QPoint at(place.pictureX + x, place.pictureY + y);
                if (!text.contains(at) && Face().pixel(at) != look.pixel(x, y))
                    return false;
            }
        return true;
    }
};

TEST_F(RadioSkin, WindowIsMovedOnlyByALeftPressOnEmptyFace)
{
    TfrmRadio& radio = Radio();
    radio.imgBackgroundMouseDown(Qt::RightButton, EmptyFace.x(), EmptyFace.y());
    radio.imgBackgroundMouseDown(Qt::MiddleButton, EmptyFace.x(), EmptyFace.y());
    EXPECT_FALSE(radio.MovingWindow());
    radio.imgBackgroundMouseDown(Qt::LeftButton, EmptyFace.x(), EmptyFace.y());
    EXPECT_TRUE(radio.MovingWindow());
}

TEST_F(RadioSkin, PressShowsThePressedLookAndSetsItsFlag)
{
    TfrmRadio& radio = Radio();
    const QPoint tuneUp = SlotPoint(state, 13);
    radio.imgBackgroundMouseDown(Qt::RightButton, tuneUp.x(), tuneUp.y());
    EXPECT_TRUE(Shows(13, "_d"));
    EXPECT_EQ(state.ButtonPressed[13], 1);
    EXPECT_FALSE(radio.MovingWindow());

    // Moving over the held control keeps its pressed look.
    radio.imgBackgroundMouseMove(tuneUp.x(), tuneUp.y());
    EXPECT_TRUE(Shows(13, "_d"));

    const QPoint knob = SlotPoint(state, 14);
    radio.imgBackgroundMouseDown(Qt::RightButton, knob.x(), knob.y());
    EXPECT_EQ(state.ButtonPressed[14], 0) << "only a left press arms the knob";
    radio.imgBackgroundMouseDown(Qt::LeftButton, knob.x(), knob.y());
    EXPECT_EQ(state.ButtonPressed[14], 1);
}

TEST_F(RadioSkin, WithTheRadioOffOnlyTheWindowButtonsReact)
{
    TfrmRadio& radio = Radio();
    const QPoint power = SlotPoint(state, 0);
    radio.imgBackgroundMouseUp(Qt::LeftButton, power.x(), power.y());
    ASSERT_EQ(state.RadioMode, 0);

    const QImage off = Face().copy();
    const QPoint tuneUp = SlotPoint(state, 13);
    radio.imgBackgroundMouseMove(tuneUp.x(), tuneUp.y());
    radio.imgBackgroundMouseDown(Qt::LeftButton, tuneUp.x(), tuneUp.y());
    EXPECT_EQ(state.ButtonPressed[13], 0);
    EXPECT_FALSE(radio.MovingWindow()) << "a control's area never moves the window";
    EXPECT_FALSE(Shows(13, "_o"));
    EXPECT_FALSE(Shows(13, "_d"));

    radio.imgBackgroundMouseMove(power.x(), power.y());
    EXPECT_TRUE(Shows(0, "_o"));
    EXPECT_EQ(radio.imgBackground->Hint(), QStringLiteral("Power On/Off"));
    EXPECT_NE(off, Face());

    const ChannelRowPlace left = ChannelRow(0);
    radio.imgBackgroundMouseDown(Qt::LeftButton, left.pictureX + 5, left.pictureY + 4);
    EXPECT_FALSE(radio.MovingWindow()) << "the left column always counts as a control";
    const ChannelRowPlace right = ChannelRow(6);
    radio.imgBackgroundMouseDown(Qt::LeftButton, right.pictureX + 5, right.pictureY + 4);
    EXPECT_TRUE(radio.MovingWindow()) << "the right column is empty face while the radio is off";
}

TEST_F(RadioSkin, RowsAboveTheCountShowNothingButStillHoldTheWindow)
{
    TfrmRadio& radio = Radio(3);
    const ChannelRowPlace fourth = ChannelRow(3);
    const QImage before = Face().copy();
    radio.imgBackgroundMouseMove(fourth.pictureX + 5, fourth.pictureY + 4);
    radio.imgBackgroundMouseDown(Qt::LeftButton, fourth.pictureX + 5, fourth.pictureY + 4);
    EXPECT_EQ(state.ChannelPressed[3], 0);
    EXPECT_FALSE(radio.MovingWindow());

    const ChannelRowPlace second = ChannelRow(1);
    radio.imgBackgroundMouseMove(second.pictureX + 5, second.pictureY + 4);
    EXPECT_TRUE(RowShows(1, "channel_o.bmp"));
    EXPECT_EQ(state.ChannelHover[1], 1);
    radio.imgBackgroundMouseDown(Qt::LeftButton, second.pictureX + 5, second.pictureY + 4);
    EXPECT_TRUE(RowShows(1, "channel_d.bmp"));
    EXPECT_EQ(state.ChannelPressed[1], 1);
    EXPECT_TRUE(FaceChecks::ShowsDigits(Face(), AppDir(), second.textX, second.textY, state.ChannelFreqText[2],
                                        false, 6))
        << "the row's frequency is written over its look";
}

TEST_F(RadioSkin, ARowPressLetGoElsewhereLeavesNoPressedLook)
{
    TfrmRadio& radio = Radio();
    const ChannelRowPlace second = ChannelRow(1);
    radio.imgBackgroundMouseDown(Qt::LeftButton, second.pictureX + 5, second.pictureY + 4);
    ASSERT_EQ(state.ChannelPressed[1], 1);
    // The user changes their mind and lets go over empty face.
    radio.imgBackgroundMouseUp(Qt::LeftButton, EmptyFace.x(), EmptyFace.y());
    EXPECT_EQ(state.ChannelPressed[1], 0);

    radio.imgBackgroundMouseMove(second.pictureX + 5, second.pictureY + 4);
    EXPECT_TRUE(RowShows(1, "channel_o.bmp")) << "the row is hovered, not pressed";
}

TEST_F(RadioSkin, HoverRepaintsNeighboursAndSetsHints)
{
    TfrmRadio& radio = Radio();
    const QPoint scanUp = SlotPoint(state, 12);
    const QPoint tuneUp = SlotPoint(state, 13);
    radio.imgBackgroundMouseMove(scanUp.x(), scanUp.y());
    EXPECT_TRUE(Shows(12, "_o"));
    EXPECT_EQ(radio.imgBackground->Hint(), QStringLiteral("Scan Up"));
    EXPECT_TRUE(radio.imgBackground->ShowHint());

    radio.imgBackgroundMouseMove(tuneUp.x(), tuneUp.y());
    EXPECT_TRUE(Shows(13, "_o"));
    EXPECT_TRUE(Shows(12, "")) << "the neighbour goes back to normal";
    EXPECT_EQ(radio.imgBackground->Hint(), QStringLiteral("Tune Up"));

    // A jump to a control that is no neighbour leaves the hover look.
    const QPoint tuneDown = SlotPoint(state, 9);
    radio.imgBackgroundMouseMove(tuneDown.x(), tuneDown.y());
    EXPECT_TRUE(Shows(13, "_o"));

    const QPoint output = SlotPoint(state, 6);
    radio.imgBackgroundMouseMove(output.x(), output.y());
    EXPECT_EQ(radio.imgBackground->Hint(), QStringLiteral("Earphone"));
    EXPECT_TRUE(FaceShows(225, 249, QStringLiteral("RES\\MainBtn\\bu_4a_o.bmp")));

    radio.imgBackgroundMouseMove(EmptyFace.x(), EmptyFace.y());
    EXPECT_FALSE(radio.imgBackground->ShowHint());
    EXPECT_TRUE(Shows(13, ""));
    EXPECT_TRUE(Shows(9, ""));
}

TEST_F(RadioSkin, KnobAndUnusedSlotDoNothingOnHover)
{
    TfrmRadio& radio = Radio();
    const QPoint tuneUp = SlotPoint(state, 13);
    radio.imgBackgroundMouseMove(tuneUp.x(), tuneUp.y());
    const QImage before = Face().copy();
    const QPoint knob = SlotPoint(state, 14);
    radio.imgBackgroundMouseMove(knob.x(), knob.y());
    EXPECT_EQ(Face(), before);
    EXPECT_EQ(radio.imgBackground->Hint(), QStringLiteral("Tune Up"));
    EXPECT_EQ(state.ButtonRegions[7], nullptr);
    EXPECT_EQ(state.ButtonRegionCount, 17);
}

TEST_F(RadioSkin, RestoreChannelRowsKeepsTheNamedRow)
{
    TfrmRadio& radio = Radio();
    for (int row : {1, 2}) {
        const ChannelRowPlace place = ChannelRow(row);
        radio.imgBackgroundMouseMove(place.pictureX + 5, place.pictureY + 4);
    }
    // Moving from row 1 to row 2 already put row 1 back; light it again.
    state.ChannelHover[1] = 1;
    radio.RestoreChannelRows(3);
    EXPECT_EQ(state.ChannelHover[1], 0);
    EXPECT_TRUE(RowShows(1, "channel.bmp"));
    EXPECT_EQ(state.ChannelHover[2], 1);
    EXPECT_TRUE(RowShows(2, "channel_o.bmp"));
}

} // namespace
