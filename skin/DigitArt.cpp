#include "DigitArt.h"

#include "ArtKit.h"
#include "SkinPalette.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <array>
#include <string_view>

namespace {

constexpr int BigW = 14;
constexpr int BigH = 24;
constexpr int SmallW = 7;
constexpr int SmallH = 11;

// Segment order a (top), b (upper right), c (lower right), d (bottom),
// e (lower left), f (upper left), g (middle).
constexpr std::array<std::string_view, 10> SegmentsOf = {
    "abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg", "abcdfg",
};

QPainterPath Segment(char name)
{
    constexpr double x0 = 1.8, x1 = 11.9, y0 = 2.0, y1 = 21.8, t = 2.8, gap = 0.55;
    const double left = x0 + t / 2, right = x1 - t / 2;
    const double top = y0 + t / 2, bottom = y1 - t / 2, middle = (y0 + y1) / 2;
    auto horizontal = [&](double y) {
        QPainterPath path;
        const double a = left + gap, b = right - gap;
        path.moveTo(a, y);
        path.lineTo(a + t / 2, y - t / 2);
        path.lineTo(b - t / 2, y - t / 2);
        path.lineTo(b, y);
        path.lineTo(b - t / 2, y + t / 2);
        path.lineTo(a + t / 2, y + t / 2);
        path.closeSubpath();
        return path;
    };
    auto vertical = [&](double x, double ya, double yb) {
        QPainterPath path;
        const double a = ya + gap, b = yb - gap;
        path.moveTo(x, a);
        path.lineTo(x + t / 2, a + t / 2);
        path.lineTo(x + t / 2, b - t / 2);
        path.lineTo(x, b);
        path.lineTo(x - t / 2, b - t / 2);
        path.lineTo(x - t / 2, a + t / 2);
        path.closeSubpath();
        return path;
    };
    switch (name) {
    case 'a': return horizontal(top);
    case 'b': return vertical(right, top, middle);
    case 'c': return vertical(right, middle, bottom);
    case 'd': return horizontal(bottom);
    case 'e': return vertical(left, middle, bottom);
    case 'f': return vertical(left, top, middle);
    default: return horizontal(middle);
    }
}

// The figures lean forward a little, as display digits do.
QPainterPath Figure(std::string_view segments)
{
    QPainterPath figure;
    for (char s : segments)
        figure.addPath(Segment(s));
    QTransform slant;
    slant.translate(0, BigH / 2.0);
    slant.shear(-0.09, 0);
    slant.translate(0, -BigH / 2.0);
    return slant.map(figure).simplified();
}

// Pixel figures, 5 x 9, placed at (1, 1) of a small cell.
constexpr std::array<std::array<std::string_view, 9>, 10> SmallFigures = {{
    {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."},
    {"..#..", ".##..", "#.#..", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"},
    {".###.", "#...#", "....#", "....#", "...#.", "..#..", ".#...", "#....", "#####"},
    {".###.", "#...#", "....#", "....#", "..##.", "....#", "....#", "#...#", ".###."},
    {"...#.", "..##.", ".#.#.", "#..#.", "#..#.", "#####", "...#.", "...#.", "...#."},
    {"#####", "#....", "#....", "####.", "....#", "....#", "....#", "#...#", ".###."},
    {"..##.", ".#...", "#....", "####.", "#...#", "#...#", "#...#", "#...#", ".###."},
    {"#####", "....#", "...#.", "...#.", "..#..", "..#..", ".#...", ".#...", ".#..."},
    {".###.", "#...#", "#...#", "#...#", ".###.", "#...#", "#...#", "#...#", ".###."},
    {".###.", "#...#", "#...#", "#...#", ".####", "....#", "....#", "...#.", ".##.."},
}};

QImage PixelCell(int width, const std::array<std::string_view, 9>& rows, int left)
{
    QImage cell(width, SmallH, QImage::Format_RGB32);
    cell.fill(Palette::Key);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < int(rows[size_t(y)].size()); ++x) {
            if (rows[size_t(y)][size_t(x)] == '#')
                cell.setPixel(left + x, 1 + y, Palette::Ink.rgb());
        }
    }
    return cell;
}

} // namespace

QImage LargeBlank()
{
    QImage blank = NewCanvas(BigW, BigH, Palette::LcdLit);
    QPainter p(&blank);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(Figure(SegmentsOf[8]), Palette::LcdGhost);
    p.end();
    return blank.convertToFormat(QImage::Format_RGB32);
}

QImage LargePlainBlank()
{
    return NewCanvas(BigW, BigH, Palette::LcdLit).convertToFormat(QImage::Format_RGB32);
}

QImage LargeDigit(int digit)
{
    // Drawn over the blank it will land on, so the edges blend with the
    // faint segments and the backlight, never with the key colour.
    const QPainterPath figure = Figure(SegmentsOf[size_t(digit)]);
    QImage art = LargeBlank().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(figure, Palette::Ink);
    p.end();
    return KeyedFromCoverage(art, Coverage(figure, BigW, BigH));
}

QImage LargeDot()
{
    QImage dot = NewCanvas(BigW, BigH, Palette::LcdLit);
    QPainter p(&dot);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::Ink);
    p.drawRoundedRect(QRectF(4.6, 18.6, 3.2, 3.2), 0.8, 0.8);
    p.end();
    return dot.convertToFormat(QImage::Format_RGB32);
}

QImage SmallDigit(int digit)
{
    return PixelCell(SmallW, SmallFigures[size_t(digit)], 1);
}

QImage SmallDot()
{
    return PixelCell(SmallW, {".....", ".....", ".....", ".....", ".....", ".....", ".....", ".##..", ".##.."}, 1);
}

QImage SmallClearBlank()
{
    QImage blank(SmallW, SmallH, QImage::Format_RGB32);
    blank.fill(Palette::Key);
    return blank;
}

QImage SmallPlainBlank()
{
    return NewCanvas(SmallW, SmallH, Palette::LcdLit).convertToFormat(QImage::Format_RGB32);
}

QImage ClockColon()
{
    return PixelCell(6, {".....", ".....", ".##..", ".##..", ".....", ".....", ".##..", ".##..", "....."}, 1);
}
