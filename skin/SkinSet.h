#pragma once

#include <QImage>
#include <QString>

#include <map>
#include <string>

// Every picture of the skin, drawn and ready to be written.
struct SkinSet {
    std::map<std::string, QImage> files; // by path below RES, '/' separated
};

SkinSet DrawSkin();

// Empty when the set holds exactly the files of the skin table, each of its
// size; otherwise a line per difference.
QString CompareWithTable(const SkinSet& set);

// Replaces the tree at resDir (a folder named RES) with the set: BMP files as uncompressed 24-bit
// bitmaps, the faces as JPEG. Returns an error text, empty on success.
QString WriteSkin(const SkinSet& set, const QString& resDir);
