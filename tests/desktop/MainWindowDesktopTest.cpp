#include "DesktopSession.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

QImage SkinPicture(const QString& resPath)
{
    QString path = resPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QImage(QDir(QStringLiteral(SOLVANE_APPDIR_BUILT)).filePath(path)).convertToFormat(QImage::Format_RGB32);
}

// Share of the picture's non-key pixels (or all, when unkeyed) that the
// screen shows exactly at the given place.
double ShareShown(const QImage& screen, const QImage& picture, QPoint at, const QImage& mask = {})
{
    const QRgb key = qRgb(255, 189, 255);
    int same = 0;
    int total = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            if (!mask.isNull() && mask.pixel(x, y) == key)
                continue;
            ++total;
            same += screen.pixel(at.x() + x, at.y() + y) == picture.pixel(x, y);
        }
    return total ? static_cast<double>(same) / total : 0.0;
}

class MainWindowDesktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(install.Ready());
        rootBefore = GrabScreen();
        player = install.Start(DesktopSession::Current());
        ASSERT_TRUE(WaitFor([this] { return PlayerWindowOrigin(DesktopSession::Current()).x() >= 0; }, 10000));
        origin = PlayerWindowOrigin(DesktopSession::Current());
        // The first show has painted the lit face: by what the screen shows,
        // not by the clock, so a busy machine cannot make a case look too early.
        const QImage face = SkinPicture(QStringLiteral("RES\\main_on.jpg"));
        const QImage mask = SkinPicture(QStringLiteral("RES\\mask.bmp"));
        ASSERT_TRUE(WaitFor([&] { return ShareShown(GrabScreen(), face, origin, mask) > 0.5; }, 10000))
            << "the lit face was not drawn";
    }

    void TearDown() override
    {
        if (player && player->state() == QProcess::Running) {
            player->kill();
            player->waitForFinished(3000);
        }
    }

    void MoveTo(QPoint facePoint)
    {
        const QPoint at = origin + facePoint;
        DesktopSession::Current().XdoTool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
    }

    PlayerInstall install;
    QImage rootBefore;
    std::unique_ptr<QProcess> player;
    QPoint origin;
};

TEST_F(MainWindowDesktop, ShapedFaceStandsAboveTheCentre)
{
    const QImage screen = GrabScreen();
    // Centred on a 1024 x 768 screen, then 100 pixels up.
    EXPECT_EQ(origin, QPoint((1024 - 575) / 2, (768 - 404) / 2 - 100));

    const QImage mask = SkinPicture(QStringLiteral("RES\\mask.bmp"));
    const QRgb key = qRgb(255, 189, 255);
    int outside = 0;
    int rootShows = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            if (mask.pixel(x, y) == key) {
                ++outside;
                rootShows += screen.pixel(origin.x() + x, origin.y() + y) ==
                             rootBefore.pixel(origin.x() + x, origin.y() + y);
            }
    ASSERT_GT(outside, 0);
    EXPECT_EQ(rootShows, outside) << "the window must show nothing outside its shape";

    EXPECT_GT(ShareShown(screen, SkinPicture(QStringLiteral("RES\\main_on.jpg")), origin, mask), 0.5)
        << "the lit face must be drawn";
}

TEST_F(MainWindowDesktop, SecondCopyEndsAtOnce)
{
    auto second = install.Start(DesktopSession::Current());
    ASSERT_TRUE(second->waitForFinished(5000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(player->state(), QProcess::Running);
}

TEST_F(MainWindowDesktop, TuneUpShowsItsHoverLook)
{
    const QImage mask = SkinPicture(QStringLiteral("RES\\MainBtn\\bu_tune_mask.bmp"));
    const QImage hover = SkinPicture(QStringLiteral("RES\\MainBtn\\bu_tuneR_o.bmp"));
    MoveTo(QPoint(20, 20));
    MoveTo(ControlPoint(QStringLiteral("RES\\MainBtn\\bu_tune_mask.bmp"), 201, 221));
    EXPECT_TRUE(WaitFor([&] { return ShareShown(GrabScreen(), hover, origin + QPoint(201, 221), mask) > 0.99; }, 3000));
}

TEST_F(MainWindowDesktop, ExitEndsTheProgramAndRemembersTheFrequency)
{
    MoveTo(ControlPoint(QStringLiteral("RES\\MainBtn\\bu_close_m.bmp"), 470, 95));
    DesktopSession::Current().XdoTool({QStringLiteral("click"), QStringLiteral("1")});
    ASSERT_TRUE(player->waitForFinished(5000));
    EXPECT_EQ(player->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(player->exitCode(), 0);
    EXPECT_TRUE(install.ReadPresets().contains("[LastOne]\nLastChannel="));
}

} // namespace
