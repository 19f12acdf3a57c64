#include "FaceArt.h"

#include "ArtKit.h"
#include "SkinPalette.h"
#include "SkinTable.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace {

const QRectF BodyRect{10, 46, 488, 282};
constexpr double BodyRadius = 40;
const QRectF HandleOuter{112, 6, 284, 64};
const QRectF HandleInner{134, 24, 240, 60};

QPainterPath RoundedRect(const QRectF& rect, double radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

void PaintHandle(QPainter& p)
{
    const QPainterPath ring = RoundedRect(HandleOuter, 28).subtracted(RoundedRect(HandleInner, 14));
    QLinearGradient shade(0, HandleOuter.top(), 0, HandleInner.top() + 4);
    shade.setColorAt(0, QColor(96, 101, 110));
    shade.setColorAt(0.45, QColor(46, 49, 56));
    shade.setColorAt(1, QColor(22, 24, 28));
    p.fillPath(ring, shade);
    // Grip texture along the top bar.
    p.save();
    p.setClipPath(ring);
    p.setPen(QPen(QColor(0, 0, 0, 60), 1));
    for (int x = 150; x < 360; x += 4)
        p.drawLine(QPointF(x + 0.5, 9), QPointF(x + 0.5, 22));
    p.restore();
    p.setPen(QPen(QColor(190, 196, 206, 110), 1.2));
    p.drawPath(RoundedRect(HandleOuter.adjusted(1.5, 1.5, -1.5, -1.5), 27));
    // Chrome hinges where the handle meets the case.
    for (double x : {113.0, 374.0}) {
        const QRectF hinge(x, 38, 21, 14);
        QLinearGradient chrome(0, hinge.top(), 0, hinge.bottom());
        chrome.setColorAt(0, QColor(250, 251, 252));
        chrome.setColorAt(0.5, QColor(170, 175, 183));
        chrome.setColorAt(1, QColor(96, 100, 108));
        p.setPen(QPen(Palette::Outline, 1));
        p.setBrush(chrome);
        p.drawRoundedRect(hinge, 5, 5);
    }
}

void PaintBody(QPainter& p)
{
    const QPainterPath body = RoundedRect(BodyRect, BodyRadius);
    p.save();
    p.setClipPath(body);
    p.drawImage(QPointF(0, 0), BrushedMetal(FaceWidth, FaceHeight, Palette::BodyLight, Palette::BodyDark, 7));
    // A soft sheen across the upper half.
    QLinearGradient sheen(0, BodyRect.top(), 0, BodyRect.bottom());
    sheen.setColorAt(0, QColor(255, 255, 255, 70));
    sheen.setColorAt(0.35, QColor(255, 255, 255, 0));
    sheen.setColorAt(1, QColor(0, 0, 0, 40));
    p.fillRect(BodyRect, sheen);
    p.restore();

    QLinearGradient bevel(0, BodyRect.top(), 0, BodyRect.bottom());
    bevel.setColorAt(0, QColor(255, 255, 255, 200));
    bevel.setColorAt(0.5, QColor(255, 255, 255, 40));
    bevel.setColorAt(1, QColor(0, 0, 0, 90));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(bevel), 1.5));
    p.drawPath(RoundedRect(BodyRect.adjusted(3, 3, -3, -3), BodyRadius - 3));
    p.setPen(QPen(Palette::Outline, 3));
    p.drawPath(body);
}

// A recess: darker floor with a shadow along its upper edge and light along
// the lower, as if pressed into the case.
void PaintRecess(QPainter& p, const QRectF& rect, double radius, const QColor& floor)
{
    const QPainterPath path = RoundedRect(rect, radius);
    p.fillPath(path, floor);
    p.save();
    p.setClipPath(path);
    QLinearGradient shadow(0, rect.top(), 0, rect.top() + 6);
    shadow.setColorAt(0, QColor(0, 0, 0, 90));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(rect, shadow);
    p.restore();
    QLinearGradient rim(0, rect.top(), 0, rect.bottom());
    rim.setColorAt(0, QColor(0, 0, 0, 120));
    rim.setColorAt(1, QColor(255, 255, 255, 170));
    p.setPen(QPen(QBrush(rim), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(RoundedRect(rect.adjusted(-0.6, -0.6, 0.6, 0.6), radius + 0.6));
}

void PaintBezel(QPainter& p, const QRectF& glass, double margin, double radius)
{
    const QRectF outer = glass.adjusted(-margin, -margin, margin, margin);
    QLinearGradient gloss(0, outer.top(), 0, outer.bottom());
    gloss.setColorAt(0, QColor(70, 75, 84));
    gloss.setColorAt(0.08, Palette::Bezel);
    gloss.setColorAt(1, QColor(16, 18, 22));
    p.setPen(QPen(QColor(0, 0, 0, 160), 1));
    p.setBrush(gloss);
    p.drawRoundedRect(outer, radius, radius);
    // Light catching the lower lip.
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.drawLine(QPointF(outer.left() + radius, outer.bottom() + 0.5),
               QPointF(outer.right() - radius, outer.bottom() + 0.5));
}

void PaintGlass(QPainter& p, const QRectF& glass, bool lit)
{
    if (lit) {
        p.fillRect(glass, Palette::LcdLit);
    } else {
        QLinearGradient dark(glass.topLeft(), glass.bottomRight());
        dark.setColorAt(0, QColor(64, 75, 78));
        dark.setColorAt(1, Palette::LcdOff.darker(125));
        p.fillRect(glass, dark);
        // A faint reflection on the dark glass.
        QPainterPath band;
        band.moveTo(glass.left() + glass.width() * 0.18, glass.top());
        band.lineTo(glass.left() + glass.width() * 0.42, glass.top());
        band.lineTo(glass.left() + glass.width() * 0.26, glass.bottom());
        band.lineTo(glass.left() + glass.width() * 0.02, glass.bottom());
        band.closeSubpath();
        p.save();
        p.setClipRect(glass);
        p.fillPath(band, QColor(255, 255, 255, 14));
        p.restore();
    }
    // Inner shadow of the window frame, kept within four pixels of the edge
    // so every field the program draws on sits on the plain backlight.
    p.save();
    p.setClipRect(glass);
    QLinearGradient top(0, glass.top(), 0, glass.top() + 4);
    top.setColorAt(0, QColor(0, 0, 0, 90));
    top.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(glass.left(), glass.top(), glass.width(), 4), top);
    QLinearGradient left(glass.left(), 0, glass.left() + 3, 0);
    left.setColorAt(0, QColor(0, 0, 0, 60));
    left.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(glass.left(), glass.top(), 3, glass.height()), left);
    p.restore();
}

QFont SansFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void PaintStereoIcon(QPainter& p, const QPointF& at, const QColor& ink)
{
    p.setPen(QPen(ink, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(at + QPointF(4.5, 4.5), 4, 4);
    p.drawEllipse(at + QPointF(10.5, 4.5), 4, 4);
}

void PaintLcdMarks(QPainter& p)
{
    const QColor ink = Palette::Ink;
    // Band tag and stereo sign at the top left of the display.
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(62, 71, 22, 11), 2.5, 2.5);
    p.setFont(SansFont(9, true));
    p.setPen(Palette::LcdLit);
    p.drawText(QRectF(62, 71, 22, 11), Qt::AlignCenter, QStringLiteral("FM"));
    PaintStereoIcon(p, QPointF(90, 72), ink);
    p.setPen(ink);
    p.setFont(SansFont(8, true));
    p.drawText(QPointF(108, 80), QStringLiteral("ST"));

    // Signal strength bars beside the readout.
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (int i = 0; i < 5; ++i) {
        const double h = 4 + i * 3;
        p.drawRect(QRectF(66 + i * 6, 138 - h, 4, h));
    }
    p.setPen(ink);
    p.setFont(SansFont(8, false));
    p.drawText(QPointF(64, 112), QStringLiteral("SIGNAL"));

    // Unit after the readout.
    p.setFont(SansFont(10, true));
    p.drawText(QPointF(233, 139), QStringLiteral("MHz"));

    // Station mark in front of the name.
    p.setPen(QPen(ink, 1.4));
    p.drawLine(QPointF(137, 103.5), QPointF(142, 102));
    p.drawLine(QPointF(137.5, 103.5), QPointF(137.5, 111));
    p.drawLine(QPointF(142.5, 102), QPointF(142.5, 109.5));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(135.6, 111.2), 2, 1.6);
    p.drawEllipse(QPointF(140.6, 109.7), 2, 1.6);

    // Hairlines parting the readout, the dial and the preset list.
    p.setPen(QPen(WithAlpha(ink, 70), 1, Qt::DotLine));
    p.drawLine(QPointF(268.5, 70), QPointF(268.5, 160));
    p.drawLine(QPointF(60, 155.5), QPointF(264, 155.5));
    p.drawLine(QPointF(407.5, 90), QPointF(407.5, 142));
}

void PaintClockWindow(QPainter& p, bool lit)
{
    const QRectF glass = FaceGeometry::ClockWindow;
    PaintBezel(p, glass, 3, 5);
    PaintGlass(p, glass, lit);
}

void PaintSpeaker(QPainter& p)
{
    const QPointF centre(446, 250);
    QRadialGradient well(centre, 41);
    well.setColorAt(0.85, QColor(40, 43, 48));
    well.setColorAt(1, QColor(120, 124, 132));
    p.setPen(Qt::NoPen);
    p.setBrush(well);
    p.drawEllipse(centre, 40, 40);
    QRadialGradient plate(centre - QPointF(10, 12), 48);
    plate.setColorAt(0, QColor(150, 155, 163));
    plate.setColorAt(1, QColor(88, 92, 100));
    p.setBrush(plate);
    p.drawEllipse(centre, 35, 35);
    // Perforations on a hexagonal grid.
    constexpr double step = 5.2;
    for (int row = -7; row <= 7; ++row) {
        const double y = centre.y() + row * step * 0.866;
        const double shift = (row % 2 != 0) ? step / 2 : 0;
        for (int col = -7; col <= 7; ++col) {
            const QPointF hole(centre.x() + col * step + shift, y);
            if (std::hypot(hole.x() - centre.x(), hole.y() - centre.y()) > 31)
                continue;
            p.setBrush(QColor(255, 255, 255, 70));
            p.drawEllipse(hole + QPointF(0, 0.7), 1.5, 1.5);
            p.setBrush(QColor(14, 15, 18));
            p.drawEllipse(hole, 1.45, 1.45);
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    p.drawArc(QRectF(centre.x() - 40, centre.y() - 40, 80, 80), 200 * 16, 140 * 16);
}

void PaintKnob(QPainter& p)
{
    const QPointF c = FaceGeometry::KnobCentre;
    // Scale of dots from quiet (lower left) over the top to loud (right).
    p.setPen(Qt::NoPen);
    for (int deg = 145; deg <= 355; deg += 15) {
        const double a = deg * std::numbers::pi / 180.0;
        const double r = (deg - 145) / 210.0 * 0.7 + 0.8;
        p.setBrush(QColor(48, 52, 58));
        p.drawEllipse(c + QPointF(23 * std::cos(a), 23 * std::sin(a)), r, r);
    }
    // Plus and minus at the two ends, over their small hot areas.
    for (const auto& [offset, colour] : {std::pair{QPointF(0, 1), QColor(255, 255, 255, 170)},
                                         std::pair{QPointF(0, 0), QColor(30, 33, 38)}}) {
        p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(393.5, 262) + offset, QPointF(400.5, 262) + offset);
        p.drawLine(QPointF(397, 258.5) + offset, QPointF(397, 265.5) + offset);
        p.drawLine(QPointF(351.5, 282) + offset, QPointF(358.5, 282) + offset);
    }

    QRadialGradient shadow(c + QPointF(1.5, 3), 22);
    shadow.setColorAt(0.7, QColor(0, 0, 0, 110));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setBrush(shadow);
    p.drawEllipse(c + QPointF(1.5, 3), 22, 22);
    // Knurled skirt.
    QRadialGradient skirt(c - QPointF(6, 8), 30);
    skirt.setColorAt(0, QColor(110, 116, 126));
    skirt.setColorAt(1, QColor(28, 30, 35));
    p.setBrush(skirt);
    p.setPen(QPen(QColor(12, 13, 16), 1));
    p.drawEllipse(c, 18, 18);
    p.setPen(QPen(QColor(0, 0, 0, 110), 1));
    for (int deg = 0; deg < 360; deg += 10) {
        const double a = deg * std::numbers::pi / 180.0;
        p.drawLine(c + QPointF(14.5 * std::cos(a), 14.5 * std::sin(a)),
                   c + QPointF(17.5 * std::cos(a), 17.5 * std::sin(a)));
    }
    // Dished cap the volume dot travels on.
    QConicalGradient brushed(c, 60);
    brushed.setColorAt(0, QColor(92, 97, 106));
    brushed.setColorAt(0.25, QColor(40, 43, 49));
    brushed.setColorAt(0.5, QColor(88, 93, 102));
    brushed.setColorAt(0.75, QColor(36, 39, 44));
    brushed.setColorAt(1, QColor(92, 97, 106));
    p.setBrush(brushed);
    p.setPen(QPen(QColor(150, 156, 166), 1));
    p.drawEllipse(c, 14, 14);
    QRadialGradient dish(c + QPointF(0, 2), 13);
    dish.setColorAt(0, QColor(0, 0, 0, 0));
    dish.setColorAt(0.8, QColor(0, 0, 0, 30));
    dish.setColorAt(1, QColor(0, 0, 0, 90));
    p.setBrush(dish);
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, 13.5, 13.5);
}

// Round buttons sit in shallow wells pressed into the case.
void PaintButtonWells(QPainter& p)
{
    const struct {
        QPointF centre;
        double radius;
    } wells[] = {
        {{124, 284}, 16.5}, {{171, 278}, 16.5}, {{205, 270}, 16.5}, {{240, 264}, 16.5}, {{273, 257}, 16.5},
        {{478, 103}, 9.5},  {{470, 122}, 9.5},  {{462, 150}, 15},
    };
    for (const auto& [centre, radius] : wells) {
        QLinearGradient rim(0, centre.y() - radius, 0, centre.y() + radius);
        rim.setColorAt(0, QColor(60, 64, 72, 150));
        rim.setColorAt(0.5, QColor(120, 126, 134, 60));
        rim.setColorAt(1, QColor(255, 255, 255, 190));
        p.setPen(Qt::NoPen);
        p.setBrush(rim);
        p.drawEllipse(centre, radius, radius);
    }
}

void PaintBrand(QPainter& p)
{
    QFont brand = SansFont(15, true);
    brand.setItalic(true);
    brand.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    p.setFont(brand);
    const QPointF at(26, 272);
    p.setPen(QColor(255, 255, 255, 170));
    p.drawText(at + QPointF(0, 1), QStringLiteral("SOLVANE"));
    p.setPen(QColor(52, 56, 63));
    p.drawText(at, QStringLiteral("SOLVANE"));
    QFont small = SansFont(8, true);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(small);
    p.setPen(QColor(70, 75, 84));
    p.drawText(QPointF(28, 285), QStringLiteral("FM STEREO"));
}

} // namespace

QPainterPath FaceOutline()
{
    const QPainterPath body = RoundedRect(BodyRect, BodyRadius);
    const QPainterPath handle = RoundedRect(HandleOuter, 28).subtracted(RoundedRect(HandleInner, 14));
    return body.united(handle);
}

QImage PaintFaceBase(bool lit)
{
    QImage face = NewCanvas(FaceWidth, FaceHeight, Palette::Outline);
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    PaintHandle(p);
    PaintBody(p);

    const QRectF lcd = FaceGeometry::Lcd;
    PaintBezel(p, lcd, 8, 12);
    PaintGlass(p, lcd, lit);
    if (lit)
        PaintLcdMarks(p);

    PaintRecess(p, QRectF(62, 217, 176, 31), 8, QColor(120, 125, 133));
    PaintButtonWells(p);
    PaintClockWindow(p, lit);
    PaintSpeaker(p);
    PaintKnob(p);
    PaintBrand(p);
    return face;
}
