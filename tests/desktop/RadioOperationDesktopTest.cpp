#include "DesktopSession.h"
#include "FacePictures.h"

#include <QDir>

#include <cstdio>

#include <gtest/gtest.h>

namespace {

const QRgb Key = qRgb(255, 189, 255);

QImage Skin(const QString& resPath)
{
    QString path = resPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QImage(QDir(QStringLiteral(SOLVANE_APPDIR_BUILT)).filePath(path)).convertToFormat(QImage::Format_RGB32);
}

// How many of the picture's non-key pixels the screen shows at the place,
// and how many there are.
struct Match {
    int same = 0;
    int total = 0;
    bool Exact() const { return total > 0 && same == total; }
    double Share() const { return total ? static_cast<double>(same) / total : 0.0; }
};

Match Compare(const QImage& screen, const QImage& picture, QPoint at, bool keyed = true)
{
    Match match;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            if (keyed && picture.pixel(x, y) == Key)
                continue;
            ++match.total;
            match.same += screen.valid(at.x() + x, at.y() + y) &&
                          screen.pixel(at.x() + x, at.y() + y) == picture.pixel(x, y);
        }
    return match;
}

// The text the large readout shows: each cell is the glyph whose pixels
// the screen shows exactly, the fullest one where several do (an 8 holds
// every pixel of a 3).
QString Readout(const QImage& screen, QPoint origin)
{
    static const QStringList glyphs = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                       QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
                                       QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8"),
                                       QStringLiteral("9"), QStringLiteral("dot")};
    QString text;
    for (int cell = 0; cell < 6; ++cell) {
        const QPoint at = origin + QPoint(145 + 14 * cell, 117);
        QString best;
        int bestPixels = 0;
        for (const QString& glyph : glyphs) {
            const Match match = Compare(screen, Skin(QStringLiteral("RES\\Number\\") + glyph + QStringLiteral(".bmp")), at);
            if (match.Exact() && match.total > bestPixels) {
                best = glyph == QLatin1String("dot") ? QStringLiteral(".") : glyph;
                bestPixels = match.total;
            }
        }
        text += best;
    }
    return text;
}

// Left of the pointer on the face, -1 when it is nowhere on the scale.
int PointerLeft(const QImage& screen, QPoint origin)
{
    const QImage pointer = PointerPicture();
    for (int left = 0; left < 320; ++left)
        if (Compare(screen, pointer, origin + QPoint(left, 164)).Exact())
            return left;
    return -1;
}

// Where the band 87.50 to 108.00 puts the pointer for a frequency.
int PointerLeftFor(int frequency)
{
    return (frequency - 8750) / 10 + 80 - 11;
}

// The inner colour of the volume dot.
bool DotAt(const QImage& screen, QPoint origin, QPoint dot)
{
    const QPoint at = origin + dot + QPoint(1, 1);
    return screen.valid(at) && screen.pixel(at) == qRgb(41, 255, 255);
}

class RadioOperationDesktop : public ::testing::Test {
protected:
    void StartPlayer(const QByteArray& presets)
    {
        ASSERT_TRUE(install.Ready());
        install.WritePresets(presets);
        player = install.Start(DesktopSession::Current());
        ASSERT_TRUE(WaitFor([] { return PlayerWindowOrigin(DesktopSession::Current()).x() >= 0; }, 10000));
        origin = PlayerWindowOrigin(DesktopSession::Current());
    }

    void TearDown() override
    {
        if (player && player->state() == QProcess::Running) {
            player->kill();
            player->waitForFinished(3000);
        }
    }

    void Click(QPoint facePoint)
    {
        const QPoint at = origin + facePoint;
        DesktopSession::Current().XdoTool(
            {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
        DesktopSession::Current().XdoTool({QStringLiteral("click"), QStringLiteral("1")});
    }

    static QPoint Control(const char* mask, int x, int y)
    {
        return ControlPoint(QStringLiteral("RES\\MainBtn\\") + QLatin1String(mask), x, y);
    }

    bool ReadoutShows(const QString& text, int timeoutMs = 5000)
    {
        return WaitFor([&] { return Readout(GrabScreen(), origin) == text; }, timeoutMs);
    }

    bool PointerAt(int left, int timeoutMs = 5000)
    {
        return WaitFor([&] { return PointerLeft(GrabScreen(), origin) == left; }, timeoutMs);
    }

    PlayerInstall install;
    std::unique_ptr<QProcess> player;
    QPoint origin;
};

const QByteArray Presets = "[LastOne]\nLastChannel=9640\n"
                           "[Channel]\nNum=3\n1=8950\n2=9120\n3=10150\n";

TEST_F(RadioOperationDesktop, ComesUpOnTheRememberedFrequencyAndTunes)
{
    StartPlayer(Presets);
    ASSERT_TRUE(ReadoutShows(QStringLiteral("96.40"))) << Readout(GrabScreen(), origin).toStdString();
    EXPECT_TRUE(PointerAt(PointerLeftFor(9640)));

    Click(Control("bu_tune_mask.bmp", 201, 221));
    EXPECT_TRUE(ReadoutShows(QStringLiteral("96.45"))) << Readout(GrabScreen(), origin).toStdString();
}

TEST_F(RadioOperationDesktop, ScanUpStopsAtTheNextStation)
{
    StartPlayer(Presets);
    ASSERT_TRUE(ReadoutShows(QStringLiteral("96.40")));
    Click(Control("bu_tune_mask.bmp", 168, 221));
    EXPECT_TRUE(ReadoutShows(QStringLiteral("98.10"), 8000)) << Readout(GrabScreen(), origin).toStdString();
    EXPECT_TRUE(PointerAt(PointerLeftFor(9810)));
}

TEST_F(RadioOperationDesktop, ChannelRowTunesItsPreset)
{
    StartPlayer(Presets);
    ASSERT_TRUE(ReadoutShows(QStringLiteral("96.40")));
    // Row 1 of the left column: channel 2.
    Click(QPoint(300, 93));
    EXPECT_TRUE(ReadoutShows(QStringLiteral("91.20"))) << Readout(GrabScreen(), origin).toStdString();
    EXPECT_TRUE(PointerAt(PointerLeftFor(9120)));
}

TEST_F(RadioOperationDesktop, ClickOnTheKnobRingMovesTheDot)
{
    StartPlayer(Presets);
    ASSERT_TRUE(ReadoutShows(QStringLiteral("96.40")));
    // Step 20's place on the knob, (378, 257), away from where the dot is.
    const QPoint step20(378, 257);
    ASSERT_FALSE(DotAt(GrabScreen(), origin, step20));
    Click(step20);
    EXPECT_TRUE(WaitFor([&] { return DotAt(GrabScreen(), origin, step20); }, 5000));
}

TEST_F(RadioOperationDesktop, PowerOffShowsTheDarkFaceAndPowerOnRestores)
{
    StartPlayer(Presets);
    ASSERT_TRUE(ReadoutShows(QStringLiteral("96.40")));
    const QImage dark = Skin(QStringLiteral("RES\\main_off.jpg"));
    const QPoint power = Control("bu_power_m.bmp", 449, 137);

    Click(power);
    // The readout region of the dark face is the dark face's own.
    EXPECT_TRUE(WaitFor([&] { return Compare(GrabScreen(), dark.copy(100, 100, 200, 60), origin + QPoint(100, 100), false).Share() > 0.95; }, 5000));
    EXPECT_EQ(PointerLeft(GrabScreen(), origin), -1) << "the pointer is hidden while off";

    Click(power);
    EXPECT_TRUE(ReadoutShows(QStringLiteral("96.40")));
    EXPECT_TRUE(PointerAt(PointerLeftFor(9640)));
}

TEST_F(RadioOperationDesktop, ExitDuringAScanEndsCleanlyAndTheRestartShowsTheFrequency)
{
    StartPlayer(Presets);
    ASSERT_TRUE(ReadoutShows(QStringLiteral("96.40")));
    Click(Control("bu_tune_mask.bmp", 168, 221));
    // Still on the way to 98.10 when the exit is clicked.
    Click(Control("bu_close_m.bmp", 470, 95));
    ASSERT_TRUE(player->waitForFinished(5000));
    EXPECT_EQ(player->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(player->exitCode(), 0);

    const QByteArray saved = install.ReadPresets();
    const qsizetype at = saved.indexOf("LastChannel=");
    ASSERT_GE(at, 0);
    const int last = saved.mid(at + 12).split('\n').front().toInt();
    EXPECT_GE(last, 9640);
    EXPECT_LE(last, 9810);

    player = install.Start(DesktopSession::Current());
    ASSERT_TRUE(WaitFor([] { return PlayerWindowOrigin(DesktopSession::Current()).x() >= 0; }, 10000));
    origin = PlayerWindowOrigin(DesktopSession::Current());
    char text[16];
    std::snprintf(text, sizeof text, "%d.%02d", last / 100, last % 100);
    EXPECT_TRUE(ReadoutShows(QString::fromLatin1(text))) << Readout(GrabScreen(), origin).toStdString();
}

}
