#include "BarScale.h"

#include <gtest/gtest.h>

#include <ostream>

#include <climits>
#include <vector>

namespace {

BarGeometry Band(int low, int high)
{
    BarGeometry geometry;
    EXPECT_TRUE(TableBarGeometry(low, high, geometry)) << low << ".." << high;
    return geometry;
}

struct TableBandCase {
    const char* name;
    int low, high;
    BarGeometry expected;
    int tickCount, lowestTick;
};

// Cases print as their names in test listings.
void PrintTo(const TableBandCase& row, std::ostream* out)
{
    *out << row.name;
}

class BarScaleTableBand : public testing::TestWithParam<TableBandCase> {};

TEST_P(BarScaleTableBand, GeometryAndTicks)
{
    const TableBandCase& row = GetParam();
    const BarGeometry geometry = Band(row.low, row.high);
    EXPECT_EQ(geometry.BarLeft, row.expected.BarLeft);
    EXPECT_EQ(geometry.BarRight, row.expected.BarRight);
    EXPECT_EQ(geometry.BarFreqLow, row.expected.BarFreqLow);
    EXPECT_EQ(geometry.BarFreqHigh, row.expected.BarFreqHigh);
    EXPECT_EQ(UnitsPerPixel(geometry), 10);

    const std::vector<ScaleTick> ticks = ScaleTicks(geometry.BarLeft, geometry.BarRight);
    ASSERT_EQ(static_cast<int>(ticks.size()), row.tickCount);
    EXPECT_EQ(ticks.front().x, geometry.BarRight);
    EXPECT_EQ(ticks.back().x, row.lowestTick);
    for (std::size_t k = 0; k < ticks.size(); ++k) {
        EXPECT_EQ(ticks[k].x, geometry.BarRight - 5 * static_cast<int>(k));
        EXPECT_EQ(ticks[k].longTick, k % 4 == 0) << "tick at " << ticks[k].x;
    }
}

INSTANTIATE_TEST_SUITE_P(Bands, BarScaleTableBand,
                         testing::Values(TableBandCase{"Fm87_108", 8750, 10800, {80, 285, 8750, 10800}, 42, 80},
                                         TableBandCase{"Fm88_107", 8810, 10790, {87, 285, 8810, 10790}, 40, 90},
                                         TableBandCase{"Japan76_90", 7600, 9000, {90, 230, 7600, 9000}, 29, 90},
                                         TableBandCase{"Oirt65_74", 6500, 7400, {110, 200, 6500, 7400}, 19, 110}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BarScale, LongTicksEveryTwentyPixelsFromTheHighEnd)
{
    std::vector<int> longTicks;
    for (const ScaleTick& tick : ScaleTicks(80, 285))
        if (tick.longTick)
            longTicks.push_back(tick.x);
    ASSERT_EQ(longTicks.size(), 11u);
    EXPECT_EQ(longTicks.front(), 285);
    EXPECT_EQ(longTicks[1], 265);
    EXPECT_EQ(longTicks.back(), 85);
}

TEST(BarScale, LabelsStandUnderTheEnds)
{
    EXPECT_EQ(LowLabelX(80), 68);
    EXPECT_EQ(HighLabelX(285), 261);
    EXPECT_EQ(LowLabelX(110), 98);
    EXPECT_EQ(HighLabelX(200), 176);
}

TEST(BarScale, BandsNotInTheTableAreNotMatched)
{
    BarGeometry geometry{1, 2, 3, 4};
    EXPECT_FALSE(TableBarGeometry(8750, 10790, geometry));
    EXPECT_FALSE(TableBarGeometry(10800, 8750, geometry));
    EXPECT_EQ(geometry.BarLeft, 1);
    EXPECT_EQ(geometry.BarFreqHigh, 4);
}

struct MappingCase {
    const char* name;
    int low, high, frequency, left;
};

// Cases print as their names in test listings.
void PrintTo(const MappingCase& row, std::ostream* out)
{
    *out << row.name;
}

class BarScaleMapping : public testing::TestWithParam<MappingCase> {};

TEST_P(BarScaleMapping, FrequencyToPointer)
{
    const MappingCase& row = GetParam();
    EXPECT_EQ(PointerLeftForFrequency(Band(row.low, row.high), row.frequency), row.left);
}

INSTANTIATE_TEST_SUITE_P(WorkedNumbers, BarScaleMapping,
                         testing::Values(MappingCase{"Middle", 8750, 10800, 9800, 174},
                                         MappingCase{"LowEnd", 8750, 10800, 8750, 69},
                                         MappingCase{"HighEnd", 8750, 10800, 10800, 274},
                                         MappingCase{"TruncatesToTheLowEnd", 8750, 10800, 8755, 69},
                                         MappingCase{"BelowTheBandTruncatesTowardZero", 8750, 10800, 8745, 69},
                                         MappingCase{"FarBelowTheBand", 8750, 10800, 8740, 68},
                                         MappingCase{"JapanBand", 7600, 9000, 8000, 119}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BarScale, PointerToFrequency)
{
    const BarGeometry geometry = Band(8750, 10800);
    EXPECT_EQ(FrequencyAtPointer(geometry, 174), 9800);
    EXPECT_EQ(FrequencyAtPointer(geometry, 69), 8750);
    EXPECT_EQ(FrequencyAtPointer(geometry, 274), 10800);
    // The 88.10 band counts from its top: the pointer chooses whole 100 kHz
    // steps below 107.90.
    EXPECT_EQ(FrequencyAtPointer(Band(8810, 10790), 76), 8810);
}

TEST(BarScale, DragStaysOnTheBar)
{
    const BarGeometry geometry = Band(8750, 10800);
    EXPECT_EQ(DraggedPointerLeft(geometry, 174, 500), 274);
    EXPECT_EQ(DraggedPointerLeft(geometry, 174, -500), 69);
    EXPECT_EQ(DraggedPointerLeft(geometry, 174, 11), 185);
    EXPECT_TRUE(PointerOnBar(geometry, 69));
    EXPECT_TRUE(PointerOnBar(geometry, 274));
    EXPECT_FALSE(PointerOnBar(geometry, 68));
    EXPECT_FALSE(PointerOnBar(geometry, 275));
}

TEST(BarScale, DragReadoutPutsThePointBeforeTheLastTwoDigits)
{
    EXPECT_EQ(DragReadoutText("9800"), "98.00");
    EXPECT_EQ(DragReadoutText("10800"), "108.00");
    EXPECT_EQ(DragReadoutText("5"), ".5");
    EXPECT_EQ(DragReadoutText(""), ".");
}

struct FallbackCase {
    const char* name;
    int low, high;
};

// Cases print as their names in test listings.
void PrintTo(const FallbackCase& row, std::ostream* out)
{
    *out << row.name;
}

class BarScaleFallback : public testing::TestWithParam<FallbackCase> {};

// Any band gets a bar inside the scale area whose ends cover the band, and
// whose pointer follows the frequency from end to end.
TEST_P(BarScaleFallback, UsableBar)
{
    const FallbackCase& row = GetParam();
    const BarGeometry geometry = FallbackBarGeometry(row.low, row.high);
    EXPECT_EQ(geometry.BarRight, 285);
    EXPECT_GE(geometry.BarLeft, 80);
    EXPECT_LT(geometry.BarLeft, geometry.BarRight);
    EXPECT_LE(geometry.BarFreqLow, row.low);
    EXPECT_GE(geometry.BarFreqHigh, row.high);

    const int units = UnitsPerPixel(geometry);
    EXPECT_GE(units, 10);
    EXPECT_EQ(static_cast<long long>(geometry.BarFreqHigh) - geometry.BarFreqLow,
              static_cast<long long>(units) * (geometry.BarRight - geometry.BarLeft));

    const int lowLeft = PointerLeftForFrequency(geometry, row.low);
    const int highLeft = PointerLeftForFrequency(geometry, std::max(row.low, row.high));
    EXPECT_TRUE(PointerOnBar(geometry, lowLeft));
    EXPECT_TRUE(PointerOnBar(geometry, highLeft));
    EXPECT_LE(lowLeft, highLeft);
    EXPECT_EQ(FrequencyAtPointer(geometry, geometry.BarRight - 11), geometry.BarFreqHigh);
}

INSTANTIATE_TEST_SUITE_P(Bands, BarScaleFallback,
                         testing::Values(FallbackCase{"Narrow", 9000, 9500}, FallbackCase{"NotAWholePixel", 8755, 10802},
                                         FallbackCase{"WiderThanTheBar", 6400, 10800},
                                         FallbackCase{"Extreme", INT_MIN / 2, INT_MAX / 2},
                                         FallbackCase{"EdgesReversed", 10800, 8750},
                                         FallbackCase{"Empty", 9000, 9000}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BarScale, FallbackKeepsTenUnitsAPixelWhileTheBandFits)
{
    const BarGeometry geometry = FallbackBarGeometry(9000, 9500);
    EXPECT_EQ(geometry.BarLeft, 235);
    EXPECT_EQ(geometry.BarFreqLow, 9000);
    EXPECT_EQ(PointerLeftForFrequency(geometry, 9250), 249);
}

struct ScanCase {
    const char* name;
    int direction, start;
    std::vector<int> readings;
    int endingReading;  // index of the reading that ends the scan, -1 none
};

// Cases print as their names in test listings.
void PrintTo(const ScanCase& row, std::ostream* out)
{
    *out << row.name;
}

class BarScaleScan : public testing::TestWithParam<ScanCase> {};

TEST_P(BarScaleScan, EndsOnceRoundTheBand)
{
    const ScanCase& row = GetParam();
    bool wrapped = false;
    int ended = -1;
    for (std::size_t i = 0; i < row.readings.size() && ended < 0; ++i) {
        const ScanCheck check = CheckScan(row.direction, row.start, row.readings[i], wrapped);
        wrapped = check.wrapped;
        if (check.ended)
            ended = static_cast<int>(i);
    }
    EXPECT_EQ(ended, row.endingReading);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, BarScaleScan,
    testing::Values(ScanCase{"UpFrom10000", 1, 10000, {10200, 10700, 8800, 9500, 10050}, 4},
                    ScanCase{"DownFrom9000", 0, 9000, {8900, 8760, 10700, 9600, 8990}, 4},
                    ScanCase{"StartReadingBeforeTheWrapUp", 1, 10000, {10000, 10000, 10100}, -1},
                    ScanCase{"StartReadingBeforeTheWrapDown", 0, 9000, {9000, 8900}, -1},
                    ScanCase{"WrappedAndBackExactlyAtStart", 1, 10000, {8800, 10000}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

}
