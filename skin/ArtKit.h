#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>

// Small drawing helpers the artwork shares.

// A blank picture of the given size filled with one colour.
QImage NewCanvas(int width, int height, const QColor& fill);

// How much of each pixel a path covers, 0 to 255, antialiased.
QImage Coverage(const QPainterPath& path, int width, int height);

// A mask: key colour where the coverage is below half, black elsewhere.
QImage ShapeFromCoverage(const QImage& coverage);

// A keyed picture: the art where the coverage reaches half, the key colour
// elsewhere. The art must have been drawn against the colour that will lie
// around the picture, so no edge pixel ever mixes with the key.
QImage KeyedFromCoverage(const QImage& art, const QImage& coverage);

// The look inside the shape, the base everywhere else: keeps the looks of
// one control identical outside its mask.
QImage MergeInside(const QImage& base, const QImage& look, const QImage& shape);

// Fine horizontal brushing over a vertical gradient, deterministic.
QImage BrushedMetal(int width, int height, const QColor& top, const QColor& bottom, unsigned seed);

// Writable 24-bit copy for saving as an uncompressed Windows bitmap.
QImage ToBitmap(const QImage& image);

QColor Mix(const QColor& a, const QColor& b, double t);
QColor WithAlpha(const QColor& color, int alpha);
