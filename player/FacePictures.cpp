#include "FacePictures.h"

#include <QHash>

namespace {

constexpr QRgb Key = qRgb(255, 189, 255);

QImage PictureFromRows(const char* const* rows, int height, const QHash<char, QRgb>& colours)
{
    const int width = static_cast<int>(qstrlen(rows[0]));
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, colours.value(rows[y][x], Key));
    return picture;
}

} // namespace

QImage VolumeDotPicture()
{
    static const char* const rows[] = {".AA.", "ABBC", "ABBD", ".AD."};
    return PictureFromRows(rows, 4,
                           {{'A', qRgb(70, 146, 159)},
                            {'B', qRgb(41, 255, 255)},
                            {'C', qRgb(43, 204, 204)},
                            {'D', qRgb(42, 203, 203)}});
}

QImage PointerPicture()
{
    static const char* const rows[] = {
        "..B.................B..", ".B..C.............C..B.", "CC.CB.............BC.CC",
        "B..B..BBBBBBBBBBB..B..B", "B..B..B....B....B..B..B", "CC.CB..B...B...B..BC.CC",
        ".B..C...B..B..B...C..B.", "..B......B.B.B......B..", "..........BBB..........",
        "...........B...........", "...........B...........", "...........B...........",
        "...........B...........",
    };
    return PictureFromRows(rows, 13, {{'B', qRgb(0, 47, 143)}, {'C', qRgb(15, 183, 197)}});
}
