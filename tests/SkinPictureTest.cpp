#include "PlatformError.h"
#include "SkinPicture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

struct PathCase {
    const char* appDir;
    const char* resPath;
    const char* expected;
};

void PrintTo(const PathCase& path, std::ostream* os)
{
    *os << path.appDir << " + " << path.resPath;
}

class SkinFilePathTest : public testing::TestWithParam<PathCase> {};

TEST_P(SkinFilePathTest, JoinsAppDirAndMapsSeparators)
{
    EXPECT_EQ(SkinFilePath(GetParam().appDir, GetParam().resPath), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Paths, SkinFilePathTest,
                         testing::Values(PathCase{"/app/", "RES\\MainBtn\\bu_tune.bmp", "/app/RES/MainBtn/bu_tune.bmp"},
                                         PathCase{"/app", "RES\\mask.bmp", "/app/RES/mask.bmp"},
                                         PathCase{"/app/", "RES/main_on.jpg", "/app/RES/main_on.jpg"}));

class SkinPictureTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_appDir.isValid());
        QDir(m_appDir.path()).mkpath("RES/MainBtn");
    }

    QString AppDir() const { return m_appDir.path() + "/"; }

    // Throws, and the message names the file by its full path.
    void ExpectUnreadable(const char* resPath) const
    {
        const std::string fullPath = SkinFilePath(AppDir(), resPath).toStdString();
        try {
            LoadSkinPicture(AppDir(), resPath);
            ADD_FAILURE() << "no error for " << fullPath;
        } catch (const PlatformError& error) {
            EXPECT_EQ(std::string(error.what()), "Cannot read picture " + fullPath);
        }
    }

    QTemporaryDir m_appDir;
};

TEST_F(SkinPictureTest, ReadsBmpAndJpeg)
{
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(qRgb(10, 20, 30));
    picture.setPixel(2, 1, TransparentKey());
    ASSERT_TRUE(picture.save(m_appDir.path() + "/RES/MainBtn/pic.bmp", "BMP"));
    ASSERT_TRUE(picture.save(m_appDir.path() + "/RES/face.jpg", "JPEG"));

    const QImage bmp = LoadSkinPicture(AppDir(), "RES\\MainBtn\\pic.bmp");
    EXPECT_EQ(bmp, picture);
    EXPECT_EQ(LoadSkinPicture(AppDir(), "RES\\face.jpg").size(), picture.size());
}

TEST_F(SkinPictureTest, MissingFileThrowsNamingFullPath)
{
    ExpectUnreadable("RES\\MainBtn\\missing.bmp");
}

TEST_F(SkinPictureTest, FileThatIsNoPictureThrows)
{
    QFile file(m_appDir.path() + "/RES/broken.bmp");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM and then nothing a picture needs");
    file.close();
    ExpectUnreadable("RES\\broken.bmp");
}

TEST_F(SkinPictureTest, FolderInPlaceOfFileThrows)
{
    ExpectUnreadable("RES\\MainBtn");
}

class DrawTest : public testing::Test {
protected:
    static constexpr QRgb Canvas = 0xFF102030;
    static constexpr QRgb Ink = 0xFFC0FFEE;

    void SetUp() override
    {
        m_canvas = QImage(4, 3, QImage::Format_RGB32);
        m_canvas.fill(Canvas);
        m_picture = QImage(2, 2, QImage::Format_RGB32);
        m_picture.fill(Ink);
        m_picture.setPixel(1, 0, TransparentKey());
    }

    QImage m_canvas;
    QImage m_picture;
};

TEST_F(DrawTest, OpaqueCopiesEveryPixelIncludingKey)
{
    DrawOpaque(m_canvas, 1, 1, m_picture);
    EXPECT_EQ(m_canvas.pixel(1, 1), Ink);
    EXPECT_EQ(m_canvas.pixel(2, 1), TransparentKey() | 0xFF000000);
    EXPECT_EQ(m_canvas.pixel(2, 2), Ink);
    EXPECT_EQ(m_canvas.pixel(0, 0), Canvas);
    EXPECT_EQ(m_canvas.pixel(3, 2), Canvas);
}

TEST_F(DrawTest, KeyedLeavesCanvasUnderKeyPixels)
{
    DrawKeyed(m_canvas, 1, 1, m_picture, TransparentKey());
    EXPECT_EQ(m_canvas.pixel(1, 1), Ink);
    EXPECT_EQ(m_canvas.pixel(2, 1), Canvas);
    EXPECT_EQ(m_canvas.pixel(1, 2), Ink);
    EXPECT_EQ(m_canvas.pixel(2, 2), Ink);
    EXPECT_EQ(m_canvas.pixel(0, 1), Canvas);
}

TEST_F(DrawTest, PictureReachingPastTheCanvasIsClipped)
{
    DrawKeyed(m_canvas, 3, -1, m_picture, TransparentKey());
    EXPECT_EQ(m_canvas.pixel(3, 0), Ink);
    EXPECT_EQ(m_canvas.pixel(2, 0), Canvas);
    DrawOpaque(m_canvas, -1, 2, m_picture);
    EXPECT_EQ(m_canvas.pixel(0, 2), TransparentKey() | 0xFF000000);
}

}
