#pragma once

#include <QImage>
#include <QRgb>
#include <QString>

// Skin pictures live under AppDir in a tree named with Windows separators
// ("RES\MainBtn\bu_tuneL.bmp"); the separators are mapped to the OS's.
QString SkinFilePath(const QString& appDir, const QString& resPath);

// Reads a BMP or JPEG picture. Throws PlatformError naming the full path
// when the file is missing or unreadable.
QImage LoadSkinPicture(const QString& appDir, const QString& resPath);

// Draws every pixel of the picture with its top-left corner at (x, y).
void DrawOpaque(QImage& canvas, int x, int y, const QImage& picture);

// Draws the picture at (x, y), leaving the canvas untouched where the
// picture has the key colour.
void DrawKeyed(QImage& canvas, int x, int y, const QImage& picture, QRgb key);

// The key colour as Qt sees it.
QRgb TransparentKey();
