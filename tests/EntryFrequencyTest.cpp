#include "EntryFrequency.h"
#include "ListRows.h"

#include <gtest/gtest.h>

namespace {

// What the masked field shows, as its value and as 10 kHz units.
struct Shown {
    const char* name;
    const char* shown;
    const char* value;
    int frequency;
};

void PrintTo(const Shown& row, std::ostream* out)
{
    *out << row.name;
}

class EntryFieldTest : public ::testing::TestWithParam<Shown> {};

TEST_P(EntryFieldTest, ReadsTheFiveDigitPositionsWithBlanks)
{
    const Shown& row = GetParam();
    const QString value = EntryFieldValue(QString::fromLatin1(row.shown), QLatin1Char('_'));
    EXPECT_EQ(value, QString::fromLatin1(row.value));
    EXPECT_EQ(ParseEntryFrequency(value), row.frequency);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, EntryFieldTest,
    ::testing::Values(Shown{"FirstPositionEmpty", "_87.50", " 8750", 8750},
                      Shown{"AllFilled", "107.90", "10790", 10790},
                      Shown{"LeadingZero", "096.30", "09630", 9630},
                      Shown{"Empty", "___.__", "     ", 0},
                      Shown{"OnlyTwoDigits", "87_.__", "87   ", 87000},
                      Shown{"DecimalsMissing", "_87.__", " 87  ", 8700},
                      Shown{"GapInside", "1_7.9_", "1 79 ", 10790},
                      Shown{"NotMasked", "87.5", "", 0}),
    [](const ::testing::TestParamInfo<Shown>& info) { return std::string(info.param.name); });

TEST(ParseEntryFrequencyTest, FillsShortValuesWithZerosOnTheRight)
{
    EXPECT_EQ(ParseEntryFrequency(QString()), 0);
    EXPECT_EQ(ParseEntryFrequency(QStringLiteral("87")), 87000);
    EXPECT_EQ(ParseEntryFrequency(QStringLiteral("1079")), 10790);
}

TEST(ParseEntryFrequencyTest, AnythingButDigitsAndBlanksLiesBelowEveryBand)
{
    EXPECT_EQ(ParseEntryFrequency(QStringLiteral("87a50")), -1);
    EXPECT_EQ(ParseEntryFrequency(QStringLiteral("-8750")), -1);
    EXPECT_EQ(ParseEntryFrequency(QStringLiteral("99999999999")), -1);
}

TEST(EntryFieldTextTest, FourDigitFrequenciesGetOneLeadingBlank)
{
    EXPECT_EQ(EntryFieldText(8750), QStringLiteral(" 8750"));
    EXPECT_EQ(EntryFieldText(10790), QStringLiteral("10790"));
    EXPECT_EQ(ParseEntryFrequency(EntryFieldText(8750)), 8750);
}

TEST(ListRowsTest, TextsLineUpOnTheRight)
{
    EXPECT_EQ(ListNumberText(7), QStringLiteral("  7"));
    EXPECT_EQ(ListNumberText(17), QStringLiteral("17"));
    EXPECT_EQ(ListFrequencyText(8750, QLatin1Char('.')), QStringLiteral("  87.50"));
    EXPECT_EQ(ListFrequencyText(10790, QLatin1Char('.')), QStringLiteral("107.90"));
    EXPECT_EQ(ListFrequencyText(8750, QLatin1Char(',')), QStringLiteral("  87,50"));
}

TEST(ListRowsTest, RowsStandEighteenPixelsApart)
{
    EXPECT_EQ(ListRowTextTop(1), 63);
    EXPECT_EQ(ListRowTextTop(13), 99);
    EXPECT_EQ(ListRowTextTop(10), 225);
    EXPECT_EQ(ListRowTextTop(20), 225);
    EXPECT_EQ(ListRowBarTop(1), 61);
    EXPECT_EQ(ListRowBarTop(3), 97);
    EXPECT_EQ(ListRowBarTop(10), 223);
    EXPECT_EQ(ListChannelOfRow(2, 3), 13);
}

TEST(ListRowsTest, PagesRoundUp)
{
    EXPECT_EQ(ListPageCountFor(9), 1);
    EXPECT_EQ(ListPageCountFor(10), 1);
    EXPECT_EQ(ListPageCountFor(11), 2);
    EXPECT_EQ(ListPageCountFor(25), 3);
    EXPECT_EQ(ListPageCountFor(60), 6);
}

} // namespace
