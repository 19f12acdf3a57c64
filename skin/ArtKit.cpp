#include "ArtKit.h"

#include "SkinPalette.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

QImage NewCanvas(int width, int height, const QColor& fill)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

QImage Coverage(const QPainterPath& path, int width, int height)
{
    QImage cover(width, height, QImage::Format_Alpha8);
    cover.fill(0);
    QPainter p(&cover);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(path, Qt::black);
    return cover;
}

QImage ShapeFromCoverage(const QImage& coverage)
{
    QImage mask(coverage.size(), QImage::Format_RGB32);
    for (int y = 0; y < coverage.height(); ++y) {
        const uchar* in = coverage.constScanLine(y);
        auto* out = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < coverage.width(); ++x)
            out[x] = in[x] >= 128 ? qRgb(0, 0, 0) : Palette::Key.rgb();
    }
    return mask;
}

QImage KeyedFromCoverage(const QImage& art, const QImage& coverage)
{
    QImage keyed = art.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        const uchar* in = coverage.constScanLine(y);
        auto* out = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if (in[x] < 128)
                out[x] = Palette::Key.rgb();
        }
    }
    return keyed;
}

QImage MergeInside(const QImage& base, const QImage& look, const QImage& shape)
{
    QImage out = base.convertToFormat(QImage::Format_RGB32);
    const QImage inside = look.convertToFormat(QImage::Format_RGB32);
    const QRgb key = Palette::Key.rgb() & 0xFFFFFF;
    for (int y = 0; y < out.height(); ++y) {
        const auto* s = reinterpret_cast<const QRgb*>(shape.constScanLine(y));
        const auto* l = reinterpret_cast<const QRgb*>(inside.constScanLine(y));
        auto* o = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((s[x] & 0xFFFFFF) != key)
                o[x] = l[x];
        }
    }
    return out;
}

QImage BrushedMetal(int width, int height, const QColor& top, const QColor& bottom, unsigned seed)
{
    std::mt19937 random(seed);
    std::normal_distribution<float> streak(0.0F, 1.0F);
    QImage image(width, height, QImage::Format_RGB32);
    std::vector<float> line(static_cast<size_t>(width));
    for (int y = 0; y < height; ++y) {
        const double t = height > 1 ? double(y) / (height - 1) : 0.0;
        const QColor base = Mix(top, bottom, t);
        // Long streaks: noise smoothed along the row.
        float running = streak(random);
        for (int x = 0; x < width; ++x) {
            running = running * 0.93F + streak(random) * 0.35F;
            line[static_cast<size_t>(x)] = running;
        }
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        const float rowShade = streak(random) * 1.6F;
        for (int x = 0; x < width; ++x) {
            const float d = line[static_cast<size_t>(x)] * 2.2F + rowShade;
            auto channel = [d](int c) { return std::clamp(int(std::lround(c + d)), 0, 255); };
            out[x] = qRgb(channel(base.red()), channel(base.green()), channel(base.blue()));
        }
    }
    return image;
}

QImage ToBitmap(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB888);
}

QColor Mix(const QColor& a, const QColor& b, double t)
{
    auto lerp = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

QColor WithAlpha(const QColor& color, int alpha)
{
    QColor c = color;
    c.setAlpha(alpha);
    return c;
}
