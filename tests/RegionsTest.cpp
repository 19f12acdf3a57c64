#include "Regions.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QRegion>
#include <QWidget>

namespace {

TEST(RegionsTest, OffsetMovesThePointTest)
{
    QRegion region(QRect(0, 0, 3, 2));
    EXPECT_TRUE(PtInRegion(&region, 2, 1));
    EXPECT_FALSE(PtInRegion(&region, 3, 1));

    OffsetRgn(&region, 201, 221);
    EXPECT_FALSE(PtInRegion(&region, 0, 0));
    EXPECT_TRUE(PtInRegion(&region, 201, 221));
    EXPECT_TRUE(PtInRegion(&region, 203, 222));
    EXPECT_FALSE(PtInRegion(&region, 204, 222));
}

TEST(RegionsTest, NoRegionContainsNothing)
{
    OffsetRgn(nullptr, 5, 5);
    EXPECT_FALSE(PtInRegion(nullptr, 0, 0));
}

TEST(RegionsTest, WindowTakesTheRegionAsItsShape)
{
    int argc = 1;
    char name[] = "RegionsTest";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);

    QWidget window;
    window.resize(20, 10);
    QRegion shape = QRegion(0, 0, 20, 10) - QRegion(5, 0, 10, 5);
    SetWindowRgn(&window, &shape);
    OffsetRgn(&shape, 3, 3);
    EXPECT_EQ(window.mask(), QRegion(0, 0, 20, 10) - QRegion(5, 0, 10, 5));

    SetWindowRgn(&window, nullptr);
    EXPECT_TRUE(window.mask().isEmpty());
}

}
