#include "FrequencyText.h"
#include "RadioOpsFixture.h"
#include "SkinImage.h"

#include <QTimer>

using namespace FaceChecks;

namespace {

// Channel n of a preset file written by these cases sits on 8750 + 100 n.
QByteArray ChannelSection(int count)
{
    QByteArray section = "[Channel]\nNum=" + QByteArray::number(count) + "\n";
    for (int channel = 1; channel <= 20; ++channel)
        section += QByteArray::number(channel) + "=" + QByteArray::number(8750 + 100 * channel) + "\n";
    return section;
}

class RadioRestore : public RadioOpsFixture {
protected:
    bool RowShows(int channel, const QString& text) const
    {
        const bool left = channel <= 6;
        const int y = left ? 15 * channel + 59 : 15 * channel - 31;
        return ShowsDigits(Face(), AppDir(), left ? 271 : 337, y, QString::number(channel), false, 2) &&
               ShowsDigits(Face(), AppDir(), left ? 288 : 354, y, text, false, 6);
    }

    // The list area of one row (number and frequency) shows the lit face.
    bool RowUntouched(int row) const
    {
        const int k = row % 6;
        const int x = row < 6 ? 270 : 336;
        return AreaIsPicture(Face(), QRect(x, 73 + 15 * k, 60, 12), Picture(QStringLiteral("RES\\main_on.jpg")));
    }

    bool NameUntouched() const
    {
        return AreaIsPicture(Face(), QRect(127, 98, 120, 16), Picture(QStringLiteral("RES\\main_on.jpg")));
    }

    // What every restore draws whatever the presets hold.
    void ExpectTheRestOfTheFace(TfrmRadio& radio, const QString& readout)
    {
        EXPECT_TRUE(Readout(readout));
        EXPECT_TRUE(FaceShows(268, 223, QStringLiteral("RES\\Number\\clock_symbol.bmp"), true));
        EXPECT_TRUE(FaceShows(288, 223, QStringLiteral("RES\\Number\\clock_symbol.bmp"), true));
        EXPECT_TRUE(FaceShows(258, 242, QStringLiteral("RES\\MainBtn\\bu_5a.bmp"), true));
        EXPECT_TRUE(ShowsDigits(Face(), AppDir(), 254, 223, QStringLiteral("09"), false, 2, true)) << "the clock";
        EXPECT_TRUE(radio.tmrTime->isActive());
        EXPECT_TRUE(radio.imgVolDot->isVisibleTo(&radio));
        EXPECT_TRUE(radio.imgPlus->isEnabled());
        EXPECT_TRUE(radio.imgMin->isEnabled());
        EXPECT_EQ(radio.imgVolDot->pos(), state.KnobPoints[state.VolumeStep]);
    }
};

TEST_F(RadioRestore, TunesTheRememberedFrequency)
{
    WritePresets("[LastOne]\nLastChannel=9640\n" + ChannelSection(3));
    mixer.SetExternalVolume(30000);
    TfrmRadio& radio = Shown(8800);
    EXPECT_EQ(state.CurrentFrequency, 9640);
    EXPECT_EQ(state.ChannelPage, 1);
    EXPECT_EQ(radio.Image1->x(), (9640 - 8750) / 10 + 80 - 11);
    EXPECT_EQ(state.VolumeStep, 30000 / 2730);
    ExpectTheRestOfTheFace(radio, QStringLiteral("96.40"));

    module->ClearLog();
    radio.RestoreRadioState();
    EXPECT_EQ(ModuleLog(), (std::vector<std::string>{"GetFrequency(0)", "SetFrequency(0, 9640)"}));
}

TEST_F(RadioRestore, NoChannelsLeavesTheListBlank)
{
    WritePresets("[LastOne]\nLastChannel=9640\n[Station]\n8750=Band Edge\n[Channel]\nNum=0\n");
    Module().SetTunedFrequency(8800);
    TfrmRadio& radio = CreateShown();
    EXPECT_EQ(state.ChannelCount, 0);
    for (int row = 0; row < 12; ++row)
        EXPECT_TRUE(RowUntouched(row)) << "row " << row;
    EXPECT_TRUE(NameUntouched());
    EXPECT_TRUE(Logged(ModuleLog(), "SetFrequency(0, 9640)"));
    ExpectTheRestOfTheFace(radio, QStringLiteral("96.40"));
}

TEST_F(RadioRestore, ThreeChannelsFillTheTopOfTheLeftColumn)
{
    WritePresets(ChannelSection(3));
    Shown(9640);
    EXPECT_EQ(state.ChannelCount, 3);
    EXPECT_TRUE(RowShows(1, QStringLiteral("88.50")));
    EXPECT_TRUE(RowShows(2, QStringLiteral("89.50")));
    EXPECT_TRUE(RowShows(3, QStringLiteral("90.50")));
    for (int row = 3; row < 12; ++row)
        EXPECT_TRUE(RowUntouched(row)) << "row " << row;
}

TEST_F(RadioRestore, TwentyChannelsAreAllLoadedAndPageOneShown)
{
    WritePresets(ChannelSection(20));
    Shown(9640);
    EXPECT_EQ(state.ChannelCount, 20);
    for (int channel = 1; channel <= 20; ++channel) {
        EXPECT_EQ(state.ChannelFreq[channel], 8750 + 100 * channel);
        EXPECT_EQ(state.ChannelFreqText[channel], FrequencyText(8750 + 100 * channel, QLatin1Char('.')));
    }
    EXPECT_TRUE(RowShows(6, QStringLiteral("93.50")));
    EXPECT_TRUE(RowShows(7, QStringLiteral("94.50")));
    EXPECT_TRUE(RowShows(12, QStringLiteral("99.50")));
}

TEST_F(RadioRestore, MissingChannelKeysReadAsTheBandsLowEdge)
{
    WritePresets("[Channel]\nNum=2\n1=9000\n");
    Shown(9640);
    EXPECT_EQ(state.ChannelFreq[2], 8750);
    EXPECT_TRUE(RowShows(2, QStringLiteral("87.50")));
}

TEST_F(RadioRestore, NoFileGivesNineChannelsAtTheLowEdge)
{
    Shown(9640);
    EXPECT_EQ(state.ChannelCount, 9);
    EXPECT_EQ(state.ChannelFreq[9], 8750);
    EXPECT_TRUE(Readout(QStringLiteral("96.40")));
}

TEST_F(RadioRestore, NameComesFromTheFirstPageOnly)
{
    // 96.40 is channel 14 only: no name, though one is stored for it.
    QByteArray presets = "[LastOne]\nLastChannel=9640\n[Station]\n9640=City Radio\n[Channel]\nNum=14\n";
    for (int channel = 1; channel <= 13; ++channel)
        presets += QByteArray::number(channel) + "=8800\n";
    presets += "14=9640\n";
    WritePresets(presets);
    Shown(8800);
    EXPECT_TRUE(NameUntouched());
}

TEST_F(RadioRestore, NameOfAFirstPageChannelIsWritten)
{
    WritePresets("[LastOne]\nLastChannel=9640\n[Station]\n9640=City Radio\n[Channel]\nNum=2\n1=8800\n2=9640\n");
    Shown(8800);
    EXPECT_FALSE(NameUntouched());
}

TEST_F(RadioRestore, MissingLastChannelKeepsTheModulesFrequency)
{
    WritePresets(ChannelSection(3));
    TfrmRadio& radio = Shown(9120);
    EXPECT_EQ(state.CurrentFrequency, 9120);
    ExpectTheRestOfTheFace(radio, QStringLiteral("91.20"));
}

class RadioRestoreMalformed : public RadioRestore, public testing::WithParamInterface<const char*> {};

// A damaged "LastChannel" counts as missing: the face comes up whole on
// the frequency the module reports.
TEST_P(RadioRestoreMalformed, LastChannelCountsAsMissing)
{
    WritePresets("[LastOne]\nLastChannel=" + QByteArray(GetParam()) + "\n" + ChannelSection(3));
    Module().SetTunedFrequency(9120);
    TfrmRadio& radio = CreateShown();
    EXPECT_EQ(state.CurrentFrequency, 9120);
    EXPECT_TRUE(Logged(ModuleLog(), "SetFrequency(0, 9120)"));
    EXPECT_TRUE(RowShows(3, QStringLiteral("90.50")));
    ExpectTheRestOfTheFace(radio, QStringLiteral("91.20"));
    EXPECT_TRUE(messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Values, RadioRestoreMalformed,
                         testing::Values("Jazz", "96.40", "0x25A0", "", "9640abc", "99999999999"));

struct CountCase {
    const char* name;
    const char* num;
    int count;
};

// Cases print as their names in test listings.
void PrintTo(const CountCase& row, std::ostream* out)
{
    *out << row.name;
}

class RadioRestoreCount : public RadioRestore, public testing::WithParamInterface<CountCase> {};

TEST_P(RadioRestoreCount, HandEditedNumIsKeptInsideTheSlots)
{
    QByteArray presets = "[Channel]\nNum=" + QByteArray(GetParam().num) + "\n";
    for (int channel = 1; channel <= 75; ++channel)
        presets += QByteArray::number(channel) + "=9000\n";
    WritePresets(presets);
    TfrmRadio& radio = Shown(9640);
    EXPECT_EQ(state.ChannelCount, GetParam().count);
    EXPECT_EQ(state.ChannelFreq[60], GetParam().count == 60 ? 9000 : 0);
    ExpectTheRestOfTheFace(radio, QStringLiteral("96.40"));
}

INSTANTIATE_TEST_SUITE_P(Values, RadioRestoreCount,
                         testing::Values(CountCase{"Above60", "75", 60}, CountCase{"Negative", "-3", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RadioRestore, ClearChannelListBlanksEveryRow)
{
    WritePresets(ChannelSection(12));
    TfrmRadio& radio = Shown(9640);
    radio.ClearChannelList();
    for (int row = 0; row < 12; ++row) {
        const int k = row % 6;
        EXPECT_TRUE(FaceShows(row < 6 ? 270 : 336, 73 + 15 * k, QStringLiteral("RES\\MainBtn\\index.bmp")));
        EXPECT_TRUE(FaceShows(row < 6 ? 287 : 353, 73 + 15 * k, QStringLiteral("RES\\MainBtn\\channel.bmp")));
    }
}

}
