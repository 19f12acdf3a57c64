#include "RadioOpsFixture.h"

#include "SkinImage.h"

namespace {

using FaceChecks::ShowsDigits;
using FaceChecks::ShowsKeyed;

class RadioDigits : public RadioOpsFixture {
protected:
    bool Cell(int x, int y, const char* file) const
    {
        return ShowsKeyed(Face(), x, y, Picture(QStringLiteral("RES\\Number\\") + QLatin1String(file)));
    }
};

TEST_F(RadioDigits, ReadoutIsRightAlignedCellByCell)
{
    TfrmRadio& radio = Create();
    radio.DrawDigitText(145, 117, QStringLiteral("87.50"), QStringLiteral("L"), 6);
    EXPECT_TRUE(Cell(145, 117, "n.bmp")) << "the lead cell is blank";
    EXPECT_TRUE(Cell(159, 117, "8.bmp"));
    EXPECT_TRUE(Cell(173, 117, "7.bmp"));
    EXPECT_TRUE(Cell(187, 117, "dot.bmp"));
    EXPECT_TRUE(Cell(201, 117, "5.bmp"));
    EXPECT_TRUE(Cell(215, 117, "0.bmp"));

    radio.DrawDigitText(145, 117, QStringLiteral("107.90"), QStringLiteral("L"), 6);
    EXPECT_TRUE(ShowsDigits(Face(), AppDir(), 145, 117, QStringLiteral("107.90"), true, 6));
}

TEST_F(RadioDigits, FieldKeepsItsTextWhenTheNewOneDoesNotFit)
{
    TfrmRadio& radio = Create();
    radio.DrawDigitText(145, 117, QStringLiteral("98.00"), QStringLiteral("L"), 6);
    const QImage before = Face().copy();
    radio.DrawDigitText(145, 117, QStringLiteral("1234567"), QStringLiteral("L"), 6);
    radio.DrawDigitText(145, 117, QString(), QStringLiteral("L"), 6);
    radio.DrawDigitText(145, 117, QStringLiteral("98.00"), QStringLiteral("X"), 6);
    EXPECT_EQ(Face(), before);
}

TEST_F(RadioDigits, CommaAndLowerCaseSize)
{
    TfrmRadio& radio = Create();
    radio.DrawDigitText(271, 74, QStringLiteral("12,5"), QStringLiteral("s"), 4);
    EXPECT_TRUE(Cell(271, 74, "s_1.bmp"));
    EXPECT_TRUE(Cell(278, 74, "s_2.bmp"));
    EXPECT_TRUE(Cell(285, 74, "s_dot.bmp"));
    EXPECT_TRUE(Cell(292, 74, "s_5.bmp"));
}

TEST_F(RadioDigits, ClockDrawsHoursMinutesAndSecondsOnTheBackgroundBlank)
{
    now = QDateTime(QDate(2026, 12, 11), QTime(9, 5, 7));
    TfrmRadio& radio = Create();
    radio.tmrTimeTimer();
    EXPECT_TRUE(ShowsDigits(Face(), AppDir(), 254, 223, QStringLiteral("09"), false, 2, true));
    EXPECT_TRUE(ShowsDigits(Face(), AppDir(), 274, 223, QStringLiteral("05"), false, 2, true));
    EXPECT_TRUE(ShowsDigits(Face(), AppDir(), 294, 223, QStringLiteral("07"), false, 2, true));

    now = QDateTime(QDate(2026, 12, 11), QTime(23, 59, 59)).addSecs(1);
    radio.tmrTimeTimer();
    for (int x : {254, 274, 294})
        EXPECT_TRUE(ShowsDigits(Face(), AppDir(), x, 223, QStringLiteral("00"), false, 2, true)) << "at x " << x;
}

} // namespace
