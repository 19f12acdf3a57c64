#include "ModuleLoader.h"
#include "Regions.h"
#include "SkinHandles.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRegion>

#include <memory>
#include <string>
#include <vector>

namespace {

// Masks drawn as text: '.' is the key colour, '#' an ink colour and '~' a
// colour one step away from the key in each channel.
struct MaskCase {
    const char* name;
    std::vector<std::string> rows;
    QImage::Format format;
    std::uint32_t keyValue;
};

void PrintTo(const MaskCase& mask, std::ostream* os)
{
    *os << mask.name;
}

constexpr QRgb Ink = 0xFF204060;

QRgb KeyOf(std::uint32_t keyValue)
{
    return qRgb(keyValue & 0xFF, (keyValue >> 8) & 0xFF, (keyValue >> 16) & 0xFF);
}

QImage MaskImage(const MaskCase& mask)
{
    const QRgb key = KeyOf(mask.keyValue);
    const QRgb nearKey = qRgb(qRed(key) ^ 1, qGreen(key) ^ 1, qBlue(key) ^ 1);
    QImage image(static_cast<int>(mask.rows.front().size()), static_cast<int>(mask.rows.size()),
                 QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const char c = mask.rows[y][x];
            image.setPixel(x, y, c == '.' ? key : c == '~' ? nearKey : Ink);
        }
    }
    return image.convertToFormat(mask.format);
}

const std::vector<std::string> HolesAndIsland = {
    "##########", //
    "#..##....#", //
    "#..##.##.#", //
    "#..##.##.#", //
    "##########", //
    "..........", //
    "....#....~", //
    "..........", //
    "~#~#~#~#~#", //
};

const MaskCase MaskCases[] = {
    {"HolesAndIsland", HolesAndIsland, QImage::Format_RGB32, TransparentColorValue},
    {"HolesAndIslandFromRgb888", HolesAndIsland, QImage::Format_RGB888, TransparentColorValue},
    {"HolesAndIslandWithAlpha", HolesAndIsland, QImage::Format_ARGB32, TransparentColorValue},
    {"OtherKeyColour", HolesAndIsland, QImage::Format_RGB32, 0x00102030},
    {"AllKey", {"....", "....", "...."}, QImage::Format_RGB32, TransparentColorValue},
    {"NoKey", {"###", "###"}, QImage::Format_RGB32, TransparentColorValue},
    {"SinglePixel", {"#"}, QImage::Format_RGB32, TransparentColorValue},
};

class ContoraTest : public testing::TestWithParam<MaskCase> {
protected:
    static void SetUpTestSuite()
    {
        s_library = LoadModule("Contora.dll", SOLVANE_APPDIR_BUILT);
        ASSERT_NE(s_library, nullptr) << LastModuleError();
        s_getPictureRegion = reinterpret_cast<GetPictureRegionFn>(FindEntryPoint(s_library, "GetPictureRegion"));
        ASSERT_NE(s_getPictureRegion, nullptr) << LastModuleError();
    }

    static std::unique_ptr<QRegion> RegionOf(const QImage& image, std::uint32_t keyValue)
    {
        return std::unique_ptr<QRegion>(s_getPictureRegion(&image, keyValue, 0));
    }

    static ModuleHandle s_library;
    static GetPictureRegionFn s_getPictureRegion;
};

ModuleHandle ContoraTest::s_library = nullptr;
GetPictureRegionFn ContoraTest::s_getPictureRegion = nullptr;

TEST_P(ContoraTest, RegionHoldsExactlyTheNonKeyPixels)
{
    const MaskCase& mask = GetParam();
    const QImage image = MaskImage(mask);
    const auto region = RegionOf(image, mask.keyValue);
    ASSERT_NE(region, nullptr);

    for (int y = -1; y <= image.height(); ++y) {
        for (int x = -1; x <= image.width(); ++x) {
            const bool inside = image.rect().contains(x, y) && mask.rows[y][x] != '.';
            EXPECT_EQ(PtInRegion(region.get(), x, y), inside) << "at (" << x << ", " << y << ")";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Masks, ContoraTest, testing::ValuesIn(MaskCases),
                         [](const testing::TestParamInfo<MaskCase>& info) { return info.param.name; });

TEST_F(ContoraTest, AllKeyMaskGivesEmptyRegion)
{
    const QImage image = MaskImage(MaskCases[4]);
    EXPECT_TRUE(RegionOf(image, TransparentColorValue)->isEmpty());
}

TEST_F(ContoraTest, EachCallGivesAnIndependentRegion)
{
    const QImage image = MaskImage(MaskCases[0]);
    const auto first = RegionOf(image, TransparentColorValue);
    const auto second = RegionOf(image, TransparentColorValue);
    ASSERT_NE(first.get(), second.get());
    EXPECT_EQ(*first, *second);

    OffsetRgn(first.get(), 201, 221);
    EXPECT_TRUE(PtInRegion(first.get(), 201, 221));
    EXPECT_FALSE(PtInRegion(first.get(), 0, 0));
    EXPECT_TRUE(PtInRegion(second.get(), 0, 0));
    EXPECT_FALSE(PtInRegion(second.get(), 201, 221));
    EXPECT_EQ(*second, *RegionOf(image, TransparentColorValue));
}

TEST_F(ContoraTest, MissingOrEmptyBitmapGivesEmptyRegion)
{
    const std::unique_ptr<QRegion> none(s_getPictureRegion(nullptr, TransparentColorValue, 0));
    ASSERT_NE(none, nullptr);
    EXPECT_TRUE(none->isEmpty());

    const QImage empty;
    EXPECT_TRUE(RegionOf(empty, TransparentColorValue)->isEmpty());
}

}
