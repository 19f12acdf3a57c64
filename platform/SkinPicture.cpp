#include "SkinPicture.h"

#include "PlatformError.h"

#include <QImageReader>
#include <QPainter>

QString SkinFilePath(const QString& appDir, const QString& resPath)
{
    QString path = appDir;
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('/'))) {
        path += QLatin1Char('/');
    }
    QString relative = resPath;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path + relative;
}

QImage LoadSkinPicture(const QString& appDir, const QString& resPath)
{
    const QString path = SkinFilePath(appDir, resPath);
    QImageReader reader(path);
    QImage picture;
    if (!reader.read(&picture)) {
        throw PlatformError("Cannot read picture " + path.toStdString());
    }
    // One pixel format for every skin picture, so the key colour compares
    // the same way whether the file was a palette BMP, 24-bit BMP or JPEG.
    return picture.convertToFormat(QImage::Format_RGB32);
}

void DrawOpaque(QImage& canvas, int x, int y, const QImage& picture)
{
    QPainter painter(&canvas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(x, y, picture);
}

void DrawKeyed(QImage& canvas, int x, int y, const QImage& picture, QRgb key)
{
    // Key pixels become fully transparent and everything else fully opaque,
    // so the painter copies the rest unchanged and leaves the canvas under
    // the key alone.
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb keyColour = key & RGB_MASK;
    for (int row = 0; row < keyed.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(row));
        for (int column = 0; column < keyed.width(); ++column) {
            line[column] = (line[column] & RGB_MASK) == keyColour ? 0u : (line[column] | 0xFF000000u);
        }
    }
    QPainter painter(&canvas);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(x, y, keyed);
}

QRgb TransparentKey()
{
    return qRgb(255, 189, 255);
}
