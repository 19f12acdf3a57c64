#include "DigitText.h"

#include <gtest/gtest.h>

namespace {

struct LayoutCase {
    const char* name;
    const char* text;
    const char* size;
    int cells;
    DigitBlank blank;
    std::vector<std::pair<int, const char*>> expected; // cell x, glyph file
};

class DigitTextLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(DigitTextLayoutTest, CellsAndFiles)
{
    const LayoutCase& row = GetParam();
    const auto cells = DigitTextLayout(145, QString::fromLatin1(row.text), QString::fromLatin1(row.size), row.cells,
                                       row.blank);
    ASSERT_EQ(cells.size(), row.expected.size());
    const bool small = QString::fromLatin1(row.size).toUpper() == QLatin1String("S");
    const QString blank = QStringLiteral("RES\\Number\\") + (small ? "s_" : "") +
                          (row.blank == DigitBlank::Display ? "n.bmp" : "n2.bmp");
    for (std::size_t i = 0; i < cells.size(); ++i) {
        EXPECT_EQ(cells[i].x, row.expected[i].first) << "cell " << i;
        EXPECT_EQ(cells[i].blankFile, blank) << "cell " << i;
        EXPECT_EQ(cells[i].glyphFile, QStringLiteral("RES\\Number\\") + QLatin1String(row.expected[i].second))
            << "cell " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, DigitTextLayoutTest,
    ::testing::Values(
        LayoutCase{"ReadoutWithBlankLead", "87.50", "L", 6, DigitBlank::Display,
                   {{145, "n.bmp"}, {159, "8.bmp"}, {173, "7.bmp"}, {187, "dot.bmp"}, {201, "5.bmp"}, {215, "0.bmp"}}},
        LayoutCase{"ReadoutFull", "107.90", "L", 6, DigitBlank::Display,
                   {{145, "1.bmp"}, {159, "0.bmp"}, {173, "7.bmp"}, {187, "dot.bmp"}, {201, "9.bmp"}, {215, "0.bmp"}}},
        LayoutCase{"DecimalComma", "12,5", "S", 4, DigitBlank::Display,
                   {{145, "s_1.bmp"}, {152, "s_2.bmp"}, {159, "s_dot.bmp"}, {166, "s_5.bmp"}}},
        LayoutCase{"LowerCaseSmall", "7", "s", 2, DigitBlank::Background, {{145, "s_n2.bmp"}, {152, "s_7.bmp"}}},
        LayoutCase{"TooLong", "1234567", "L", 6, DigitBlank::Display, {}},
        LayoutCase{"Empty", "", "L", 6, DigitBlank::Display, {}},
        LayoutCase{"UnknownSize", "12", "M", 2, DigitBlank::Display, {}},
        LayoutCase{"NoPathOutOfTheDigitSet", "/.", "S", 2, DigitBlank::Display, {{145, "s_n.bmp"}, {152, "s_dot.bmp"}}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
