#include "FrequencyText.h"
#include "RadioOpsFixture.h"
#include "SkinImage.h"

#include <QTimer>

using namespace FaceChecks;

namespace {

using RadioTuning = RadioOpsFixture;

struct ScaleCase {
    const char* name;
    int low, high;
    int barLeft, barRight;
    const char* lowLabel;
    const char* highLabel;
};

// Cases print as their names in test listings.
void PrintTo(const ScaleCase& row, std::ostream* out)
{
    *out << row.name;
}

class RadioTuningScale : public RadioTuning, public testing::WithParamInterface<ScaleCase> {};

// The scale the creation event draws: the line, the ticks counted from the
// high end and the band labels, on the face's own pixels.
TEST_P(RadioTuningScale, DrawnOnTheFace)
{
    const ScaleCase& row = GetParam();
    Module().SetBand(row.low, row.high, 5);
    Create();
    ASSERT_EQ(state.BarLeft, row.barLeft);
    ASSERT_EQ(state.BarRight, row.barRight);

    const QImage& face = Face();
    const QImage lit = Picture(QStringLiteral("RES\\main_on.jpg"));
    for (int x = row.barLeft; x <= row.barRight; ++x)
        ASSERT_EQ(face.pixel(x, 185), ScaleColour()) << "line at x " << x;
    EXPECT_EQ(face.pixel(row.barLeft - 1, 185), lit.pixel(row.barLeft - 1, 185));
    EXPECT_EQ(face.pixel(row.barRight + 1, 185), lit.pixel(row.barRight + 1, 185));

    int ticks = 0;
    for (int x = row.barRight, k = 0; x >= row.barLeft; x -= 5, ++k, ++ticks) {
        const int top = k % 4 == 0 ? 178 : 181;
        for (int y = top; y < 185; ++y)
            ASSERT_EQ(face.pixel(x, y), ScaleColour()) << "tick at x " << x << " y " << y;
        EXPECT_EQ(face.pixel(x, top - 1), lit.pixel(x, top - 1)) << "tick at x " << x << " is too long";
        // Between ticks the face is untouched above the line.
        EXPECT_EQ(face.pixel(x - 2, 182), lit.pixel(x - 2, 182));
    }
    EXPECT_GT(ticks, 0);

    EXPECT_TRUE(ShowsDigits(face, AppDir(), row.barLeft - 12, 187, QString::fromLatin1(row.lowLabel), false, 5, true));
    EXPECT_TRUE(ShowsDigits(face, AppDir(), row.barRight - 24, 187, QString::fromLatin1(row.highLabel), false, 6, true));
    EXPECT_EQ(state.BandLowText, QString::fromLatin1(row.lowLabel));
    EXPECT_EQ(state.BandHighText, QString::fromLatin1(row.highLabel));
}

INSTANTIATE_TEST_SUITE_P(Bands, RadioTuningScale,
                         testing::Values(ScaleCase{"Fm87_108", 8750, 10800, 80, 285, "87.50", "108.00"},
                                         ScaleCase{"Fm88_107", 8810, 10790, 87, 285, "88.10", "107.90"},
                                         ScaleCase{"Japan76_90", 7600, 9000, 90, 230, "76.00", "90.00"},
                                         ScaleCase{"Oirt65_74", 6500, 7400, 110, 200, "65.00", "74.00"},
                                         // Not one of the face's bands: a bar of its own on the face.
                                         ScaleCase{"Other90_95", 9000, 9500, 235, 285, "90.00", "95.00"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct PointerCase {
    const char* name;
    int low, high, frequency, left;
};

// Cases print as their names in test listings.
void PrintTo(const PointerCase& row, std::ostream* out)
{
    *out << row.name;
}

class RadioTuningPointer : public RadioTuning, public testing::WithParamInterface<PointerCase> {};

TEST_P(RadioTuningPointer, StandsOverTheTunedFrequency)
{
    const PointerCase& row = GetParam();
    Module().SetBand(row.low, row.high, 5);
    TfrmRadio& radio = Shown(row.frequency);
    radio.SetBarPointer();
    EXPECT_EQ(radio.Image1->x(), row.left);
    EXPECT_EQ(radio.Image1->y(), 164);
    EXPECT_EQ(ModuleLog(), std::vector<std::string>{"GetFrequency(0)"});
}

INSTANTIATE_TEST_SUITE_P(WorkedNumbers, RadioTuningPointer,
                         testing::Values(PointerCase{"Middle", 8750, 10800, 9800, 174},
                                         PointerCase{"LowEnd", 8750, 10800, 8750, 69},
                                         PointerCase{"HighEnd", 8750, 10800, 10800, 274},
                                         PointerCase{"Truncated", 8750, 10800, 8755, 69},
                                         PointerCase{"Japan", 7600, 9000, 8000, 119},
                                         PointerCase{"OtherBand", 9000, 9500, 9250, 249}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RadioTuning, DragPastTheRightEndStopsAtTheTopOfTheBand)
{
    TfrmRadio& radio = Shown(9800);
    radio.SetBarPointer();
    module->ClearLog();

    radio.DotDown(Qt::LeftButton, 11, 6);
    EXPECT_TRUE(NameFieldBlank());
    radio.DotMove(11 + 500, 6);
    EXPECT_EQ(radio.Image1->x(), 274);
    EXPECT_EQ(state.PointerFreqText, QStringLiteral("10800"));
    EXPECT_TRUE(Readout(QStringLiteral("108.00")));
    EXPECT_TRUE(ModuleLog().empty()) << "dragging does not retune";

    // Once past the end the pointer rests there.
    radio.DotMove(11 + 30, 6);
    EXPECT_EQ(radio.Image1->x(), 274);

    radio.DotUp(Qt::LeftButton, 11, 6);
    EXPECT_EQ(state.PointerDragging, 0);
    EXPECT_EQ(ModuleLog(), std::vector<std::string>{"SetFrequency(0, 10800)"});
}

TEST_F(RadioTuning, DragToTheMiddleTunesAndNamesTheStation)
{
    WritePresets("[Station]\n9800=Jazz\n");
    TfrmRadio& radio = Shown(8750);
    radio.SetBarPointer();
    ASSERT_EQ(radio.Image1->x(), 69);
    module->ClearLog();

    radio.DotDown(Qt::LeftButton, 11, 6);
    radio.DotMove(11 + 105, 6);
    EXPECT_EQ(radio.Image1->x(), 174);
    EXPECT_TRUE(Readout(QStringLiteral("98.00")));
    EXPECT_TRUE(NameFieldBlank());

    radio.DotUp(Qt::LeftButton, 11, 6);
    EXPECT_EQ(ModuleLog(), std::vector<std::string>{"SetFrequency(0, 9800)"});
    EXPECT_FALSE(NameFieldBlank()) << "the station's name is written";
}

TEST_F(RadioTuning, ClickOnThePointerRetunesToTheFrequencyUnderItsTip)
{
    TfrmRadio& radio = Shown(8755);
    radio.SetBarPointer();
    module->ClearLog();

    radio.DotDown(Qt::LeftButton, 4, 4);
    radio.DotUp(Qt::LeftButton, 4, 4);
    EXPECT_EQ(radio.Image1->x(), 69);
    EXPECT_EQ(ModuleLog(), std::vector<std::string>{"SetFrequency(0, 8750)"});
    EXPECT_TRUE(NameFieldBlank()) << "no name stored for 8750";
}

TEST_F(RadioTuning, MovesWithoutAPressDoNothing)
{
    TfrmRadio& radio = Shown(9800);
    radio.SetBarPointer();
    radio.DotMove(100, 6);
    EXPECT_EQ(radio.Image1->x(), 174);
}

struct ScanTimerCase {
    const char* name;
    int direction, start;
    std::vector<int> readings;
    const char* finalReadout;
    int finalLeft;
};

// Cases print as their names in test listings.
void PrintTo(const ScanTimerCase& row, std::ostream* out)
{
    *out << row.name;
}

class RadioTuningScanTimer : public RadioTuning, public testing::WithParamInterface<ScanTimerCase> {};

// Each tick shows the moving frequency; the tick that finds the scan back
// at its start after a wrap ends it and sets the radio back.
TEST_P(RadioTuningScanTimer, EndsAScanThatWentOnceRound)
{
    const ScanTimerCase& row = GetParam();
    TfrmRadio& radio = Shown(row.start);
    state.ScanStartFrequency = row.start;
    state.ScanDirection = row.direction;
    state.ScanWrapped = 0;
    radio.tmrScan->start();
    module->QueueFrequencies(row.readings);

    for (std::size_t i = 0; i + 1 < row.readings.size(); ++i) {
        radio.tmrScanTimer();
        ASSERT_TRUE(radio.tmrScan->isActive()) << "ended early at reading " << row.readings[i];
        ASSERT_TRUE(Readout(FrequencyText(row.readings[i], QLatin1Char('.'))));
    }
    EXPECT_FALSE(Logged(ModuleLog(), "AutoScan(-1)"));

    radio.tmrScanTimer();
    EXPECT_FALSE(radio.tmrScan->isActive());
    const std::vector<std::string> log = ModuleLog();
    const std::vector<std::string> ending{"GetFrequency(0)", "AutoScan(-1)",
                                          "SetFrequency(0, " + std::to_string(row.start) + ")"};
    ASSERT_GE(log.size(), ending.size());
    EXPECT_EQ(std::vector<std::string>(log.end() - 3, log.end()), ending);
    EXPECT_TRUE(Readout(QString::fromLatin1(row.finalReadout)));
    EXPECT_EQ(radio.Image1->x(), row.finalLeft);
}

INSTANTIATE_TEST_SUITE_P(Sequences, RadioTuningScanTimer,
                         testing::Values(ScanTimerCase{"UpFrom10000", 1, 10000, {10200, 10700, 8800, 9500, 10050},
                                                       "100.00", 194},
                                         ScanTimerCase{"DownFrom9000", 0, 9000, {8900, 8760, 10700, 9600, 8990},
                                                       "90.00", 94}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RadioTuning, ScanTimerShowsTheMovingFrequencyAndPointer)
{
    TfrmRadio& radio = Shown(10000);
    state.ScanStartFrequency = 10000;
    state.ScanDirection = 1;
    radio.tmrScan->start();
    module->QueueFrequencies({10200});
    radio.tmrScanTimer();
    EXPECT_TRUE(Readout(QStringLiteral("102.00")));
    EXPECT_EQ(radio.Image1->x(), 214);
}

TEST_F(RadioTuning, ReadingEqualToTheStartBeforeAWrapDoesNotEndTheScan)
{
    TfrmRadio& radio = Shown(10000);
    state.ScanStartFrequency = 10000;
    state.ScanDirection = 1;
    state.ScanWrapped = 0;
    radio.tmrScan->start();
    module->QueueFrequencies({10000, 10000, 10100});
    for (int tick = 0; tick < 3; ++tick)
        radio.tmrScanTimer();
    EXPECT_TRUE(radio.tmrScan->isActive());
    EXPECT_EQ(state.ScanWrapped, 0);
    EXPECT_FALSE(Logged(ModuleLog(), "AutoScan(-1)"));
}

TEST_F(RadioTuning, ScanTimerWithTheRadioOffDrawsNothing)
{
    TfrmRadio& radio = Shown(10000);
    state.RadioMode = 0;
    state.ScanStartFrequency = 10000;
    state.ScanDirection = 1;
    const int left = radio.Image1->x();
    module->QueueFrequencies({10200});
    radio.tmrScanTimer();
    EXPECT_TRUE(Readout(QStringLiteral("100.00")));
    EXPECT_EQ(radio.Image1->x(), left);
}

}
