#include "SkinTable.h"

#include <QDirIterator>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const QString ResDir = QStringLiteral(SOLVANE_APPDIR_BUILT "/RES");

// Mean difference per channel between a picture and the JPEG face under it.
constexpr double JpegTolerance = 5.0;

QString Str(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

bool IsKey(QRgb pixel)
{
    return qRed(pixel) == SkinKeyRed && qGreen(pixel) == SkinKeyGreen && qBlue(pixel) == SkinKeyBlue;
}

// Colours a blend with the key colour would produce: close to it, not it.
bool IsNearKey(QRgb pixel)
{
    return !IsKey(pixel) && std::abs(qRed(pixel) - SkinKeyRed) <= 20 &&
           std::abs(qGreen(pixel) - SkinKeyGreen) <= 20 && std::abs(qBlue(pixel) - SkinKeyBlue) <= 20;
}

// Every picture of the generated tree, read once for all cases.
class SkinTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        for (const SkinFile& file : SkinFiles()) {
            QImage image(ResDir + "/" + Str(file.path));
            pictures()[std::string(file.path)] = image.convertToFormat(QImage::Format_RGB32);
        }
    }

    static std::map<std::string, QImage>& pictures()
    {
        static std::map<std::string, QImage> loaded;
        return loaded;
    }

    static const QImage& Picture(std::string_view path)
    {
        return pictures()[std::string(path)];
    }

    // The pixels a place covers on the face: its mask's inside, or its
    // whole rectangle when it has no mask.
    static std::vector<QPoint> Covered(const FacePlace& place)
    {
        std::vector<QPoint> points;
        const QImage& shape = place.shape.empty() ? QImage() : Picture(place.shape);
        const bool faceSized = shape.width() == FaceWidth && shape.height() == FaceHeight;
        for (int y = 0; y < place.height; ++y) {
            for (int x = 0; x < place.width; ++x) {
                const QPoint onFace(place.x + x, place.y + y);
                if (!shape.isNull() && IsKey(faceSized ? shape.pixel(onFace) : shape.pixel(x, y)))
                    continue;
                points.push_back(onFace);
            }
        }
        return points;
    }

    // The mask that gives a picture its outline, cut to the picture's size.
    static QImage OutlineOf(const SkinFile& file)
    {
        const QImage& mask = Picture(file.outline);
        if (mask.width() != FaceWidth || mask.height() != FaceHeight)
            return mask;
        for (const FacePlace& place : FacePlaces()) {
            if (place.shape == file.outline)
                return mask.copy(place.x, place.y, place.width, place.height);
        }
        return {};
    }

    static double MeanDifference(const QImage& a, const QImage& b)
    {
        double sum = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
            }
        }
        return sum / (3.0 * a.width() * a.height());
    }
};

TEST_F(SkinTest, TreeHoldsExactlyTheFilesOfTheTable)
{
    std::set<std::string> onDisk;
    QDirIterator it(ResDir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        onDisk.insert(it.next().mid(ResDir.size() + 1).toStdString());
    std::set<std::string> listed;
    for (const SkinFile& file : SkinFiles())
        listed.insert(std::string(file.path));
    EXPECT_EQ(onDisk, listed);
}

TEST_F(SkinTest, EveryFileHasTheSizeOfTheTable)
{
    for (const SkinFile& file : SkinFiles()) {
        SCOPED_TRACE(std::string(file.path));
        const QImage& picture = Picture(file.path);
        ASSERT_FALSE(picture.isNull()) << "unreadable";
        EXPECT_EQ(picture.width(), file.width);
        EXPECT_EQ(picture.height(), file.height);
    }
}

// Uncompressed 24-bit bitmaps with the plain 40-byte header are what both Qt
// and the Windows loaders read without surprises.
TEST_F(SkinTest, BitmapsAreUncompressedTwentyFourBit)
{
    auto word = [](const QByteArray& b, int at) { return quint8(b[at]) | quint8(b[at + 1]) << 8; };
    auto dword = [&](const QByteArray& b, int at) { return quint32(word(b, at)) | quint32(word(b, at + 2)) << 16; };
    for (const SkinFile& file : SkinFiles()) {
        SCOPED_TRACE(std::string(file.path));
        QFile disk(ResDir + "/" + Str(file.path));
        ASSERT_TRUE(disk.open(QIODevice::ReadOnly));
        const QByteArray bytes = disk.readAll();
        ASSERT_GE(bytes.size(), 54);
        if (file.kind == SkinKind::Face) {
            EXPECT_EQ(quint8(bytes[0]), 0xFF);
            EXPECT_EQ(quint8(bytes[1]), 0xD8) << "not a JPEG file";
            continue;
        }
        EXPECT_EQ(bytes.left(2), QByteArray("BM"));
        EXPECT_EQ(dword(bytes, 14), 40U) << "header size";
        EXPECT_EQ(qint32(dword(bytes, 18)), file.width);
        EXPECT_EQ(std::abs(qint32(dword(bytes, 22))), file.height);
        EXPECT_EQ(word(bytes, 28), 24U) << "bits per pixel";
        EXPECT_EQ(dword(bytes, 30), 0U) << "compression";
        const int stride = (file.width * 3 + 3) / 4 * 4;
        EXPECT_EQ(qint64(bytes.size()), qint64(dword(bytes, 10)) + qint64(stride) * file.height);
    }
}

TEST_F(SkinTest, KeyColourIsExactAndOnlyWhereNothingIsDrawn)
{
    for (const SkinFile& file : SkinFiles()) {
        if (file.kind == SkinKind::Face)
            continue;
        SCOPED_TRACE(std::string(file.path));
        const QImage& picture = Picture(file.path);
        int key = 0, nearKey = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                key += IsKey(picture.pixel(x, y)) ? 1 : 0;
                nearKey += IsNearKey(picture.pixel(x, y)) ? 1 : 0;
            }
        }
        EXPECT_EQ(nearKey, 0) << "edges blended with the key colour";
        if (file.kind == SkinKind::Opaque) {
            EXPECT_EQ(key, 0) << "an opaque picture would show the key colour";
        }
        if (file.kind == SkinKind::Shape || file.kind == SkinKind::Panel) {
            EXPECT_GT(key, 0) << "nothing outside";
            EXPECT_LT(key, picture.width() * picture.height()) << "nothing inside";
        }
    }
}

TEST_F(SkinTest, KeyedPicturesHaveTheOutlineOfTheirMask)
{
    for (const SkinFile& file : SkinFiles()) {
        if (file.kind != SkinKind::Keyed || file.outline.empty())
            continue;
        SCOPED_TRACE(std::string(file.path));
        const QImage& picture = Picture(file.path);
        const QImage outline = OutlineOf(file);
        ASSERT_EQ(picture.size(), outline.size());
        int disagree = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                disagree += IsKey(picture.pixel(x, y)) != IsKey(outline.pixel(x, y)) ? 1 : 0;
        }
        EXPECT_EQ(disagree, 0);
    }
}

// Opaque looks are cut from the face around the control: outside the mask
// every look of one control is the same, inside hover and pressed differ.
TEST_F(SkinTest, LooksOfOneControlDifferOnlyInsideItsMask)
{
    std::map<std::string, std::vector<const SkinFile*>> controls;
    for (const SkinFile& file : SkinFiles()) {
        if (file.kind != SkinKind::Opaque || file.outline.empty())
            continue;
        std::string base(file.path.substr(0, file.path.size() - 4));
        for (const char* ending : {"_o", "_d", "_off", "_n"}) {
            const std::string e(ending);
            if (base.size() > e.size() && base.compare(base.size() - e.size(), e.size(), e) == 0)
                base.resize(base.size() - e.size());
        }
        controls[base].push_back(&file);
    }
    ASSERT_FALSE(controls.empty());
    for (const auto& [base, looks] : controls) {
        SCOPED_TRACE(base);
        const QImage outline = OutlineOf(*looks.front());
        const QImage& first = Picture(looks.front()->path);
        ASSERT_EQ(first.size(), outline.size());
        for (const SkinFile* look : looks) {
            const QImage& other = Picture(look->path);
            int outside = 0, inside = 0;
            for (int y = 0; y < first.height(); ++y) {
                for (int x = 0; x < first.width(); ++x) {
                    if (first.pixel(x, y) != other.pixel(x, y))
                        (IsKey(outline.pixel(x, y)) ? outside : inside) += 1;
                }
            }
            EXPECT_EQ(outside, 0) << look->path;
            if (look != looks.front()) {
                EXPECT_GT(inside, 20) << look->path << " looks like " << looks.front()->path;
            }
        }
    }
}

TEST_F(SkinTest, PicturesAndMasksHaveTheSizeOfTheirPlace)
{
    for (const FacePlace& place : FacePlaces()) {
        SCOPED_TRACE(std::string(place.name));
        if (!place.picture.empty()) {
            EXPECT_EQ(Picture(place.picture).size(), QSize(place.width, place.height));
        }
        const QImage& shape = place.shape.empty() ? QImage() : Picture(place.shape);
        if (!shape.isNull() && shape.width() != FaceWidth) {
            EXPECT_EQ(shape.size(), QSize(place.width, place.height));
        }
    }
}

TEST_F(SkinTest, NoTwoPlacesOnTheFaceOverlap)
{
    std::vector<std::string_view> owner(size_t(FaceWidth * FaceHeight));
    for (const FacePlace& place : FacePlaces()) {
        for (const QPoint& p : Covered(place)) {
            ASSERT_TRUE(QRect(0, 0, FaceWidth, FaceHeight).contains(p)) << place.name;
            std::string_view& cell = owner[size_t(p.y() * FaceWidth + p.x())];
            EXPECT_TRUE(cell.empty()) << place.name << " overlaps " << cell << " at " << p.x() << "," << p.y();
            if (!cell.empty())
                break;
            cell = place.name;
        }
    }
}

TEST_F(SkinTest, EveryPlaceLiesInsideTheWindowShape)
{
    const QImage& window = Picture("mask.bmp");
    for (const FacePlace& place : FacePlaces()) {
        int outside = 0;
        for (const QPoint& p : Covered(place))
            outside += IsKey(window.pixel(p)) ? 1 : 0;
        EXPECT_EQ(outside, 0) << place.name;
    }
}

// The lit face already shows every control in its normal look, so the
// first hover or redraw changes nothing around it. JPEG leaves small errors
// (its colour subsampling smears the lit icons); a picture one pixel off its
// place differs far more.
TEST_F(SkinTest, LitFaceShowsEveryNormalPictureInPlace)
{
    const QImage& face = Picture("main_on.jpg");
    for (const FacePlace& place : FacePlaces()) {
        if (place.picture.empty())
            continue;
        SCOPED_TRACE(std::string(place.name));
        const QImage& picture = Picture(place.picture);
        EXPECT_LT(MeanDifference(face.copy(QRect(QPoint(place.x, place.y), picture.size())), picture), JpegTolerance);
    }
    const QImage& blank = Picture("Number/n.bmp");
    for (int cell = 0; cell < 6; ++cell) {
        const QImage onFace = face.copy(145 + 14 * cell, 117, 14, 24);
        EXPECT_LT(MeanDifference(onFace, blank), JpegTolerance) << "readout cell " << cell;
    }
}

TEST_F(SkinTest, UnlitFaceShowsTheWindowButtonsAndTheOffMute)
{
    const QImage& face = Picture("main_off.jpg");
    const struct {
        const char* picture;
        QPoint at;
    } shown[] = {
        {"MainBtn/bu_power.bmp", {449, 137}},
        {"MainBtn/bu_scale.bmp", {462, 114}},
        {"MainBtn/bu_close.bmp", {470, 95}},
        {"MainBtn/bu_5a_off.bmp", {258, 242}},
    };
    for (const auto& [path, at] : shown) {
        const QImage& picture = Picture(path);
        EXPECT_LT(MeanDifference(face.copy(QRect(at, picture.size())), picture), JpegTolerance) << path;
    }
    // The display is dark: far from the lit backlight of the blank cell.
    const QImage& lit = Picture("Number/n2.bmp");
    EXPECT_GT(MeanDifference(face.copy(145, 117, 14, 24), lit), 60.0);
}

TEST_F(SkinTest, BlanksCoverTheirWholeCell)
{
    for (const char* path : {"Number/n.bmp", "Number/n2.bmp", "Number/s_n2.bmp", "Number/dot.bmp"}) {
        const QImage& blank = Picture(path);
        int key = 0;
        for (int y = 0; y < blank.height(); ++y) {
            for (int x = 0; x < blank.width(); ++x)
                key += IsKey(blank.pixel(x, y)) ? 1 : 0;
        }
        EXPECT_EQ(key, 0) << path;
    }
}

TEST_F(SkinTest, EveryFigureIsDistinctAndDrawsSomething)
{
    for (const std::string prefix : {"Number/", "Number/s_"}) {
        std::vector<std::string> names = {"dot"};
        for (int d = 0; d <= 9; ++d)
            names.push_back(std::to_string(d));
        for (size_t i = 0; i < names.size(); ++i) {
            const QImage& figure = Picture(prefix + names[i] + ".bmp");
            int ink = 0;
            for (int y = 0; y < figure.height(); ++y) {
                for (int x = 0; x < figure.width(); ++x)
                    ink += IsKey(figure.pixel(x, y)) ? 0 : 1;
            }
            EXPECT_GT(ink, 0) << prefix << names[i];
            for (size_t j = i + 1; j < names.size(); ++j)
                EXPECT_NE(figure, Picture(prefix + names[j] + ".bmp")) << prefix << names[i] << " and " << names[j];
        }
    }
}

TEST_F(SkinTest, DialogPicturesLieInsideTheirPanelAndApart)
{
    std::map<std::string_view, std::vector<std::string_view>> owners;
    for (const DialogPlace& place : DialogPlaces()) {
        const QImage& panel = Picture(PanelOf(place.dialog));
        const QImage& picture = Picture(place.picture);
        auto& owner = owners[place.dialog];
        owner.resize(size_t(panel.width() * panel.height()));
        int outside = 0, overlap = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                if (IsKey(picture.pixel(x, y)))
                    continue;
                const QPoint p(place.x + x, place.y + y);
                if (!panel.rect().contains(p) || IsKey(panel.pixel(p))) {
                    ++outside;
                    continue;
                }
                std::string_view& cell = owner[size_t(p.y() * panel.width() + p.x())];
                overlap += cell.empty() ? 0 : 1;
                cell = place.name;
            }
        }
        EXPECT_EQ(outside, 0) << place.dialog << " " << place.name;
        EXPECT_EQ(overlap, 0) << place.dialog << " " << place.name;
    }
}

// The store dialog shows the shared panel in a 381-pixel picture, the entry
// dialog in a 378-pixel one: the shape must end before the narrower edge.
TEST_F(SkinTest, SharedPanelFitsBothDialogs)
{
    const QImage& panel = Picture("Extend/panel_bg.bmp");
    for (int y = 0; y < panel.height(); ++y) {
        for (int x = 378; x < panel.width(); ++x)
            ASSERT_TRUE(IsKey(panel.pixel(x, y))) << x << "," << y;
    }
}

TEST_F(SkinTest, StationNameFieldHoldsTwentyCharacters)
{
    static int argc = 1;
    static char name[] = "SkinTest";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    const FacePlace* field = nullptr;
    for (const FacePlace& place : FacePlaces()) {
        if (place.name == "station name")
            field = &place;
    }
    ASSERT_NE(field, nullptr);
    const int room = field->x + field->width - 147;
    EXPECT_LE(QFontMetrics(font).horizontalAdvance(QStringLiteral("Radio Nordwelle Kult")), room);
}

} // namespace
