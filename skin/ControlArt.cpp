#include "ControlArt.h"

#include "ArtKit.h"
#include "SkinPalette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr QSize TuneSize{31, 24};
constexpr QSize ArrowSize{16, 18};

QPainterPath Circle(double size)
{
    QPainterPath path;
    path.addEllipse(QRectF(0.4, 0.4, size - 0.8, size - 0.8));
    return path;
}

QPainterPath TuneOutline()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(0.4, 0.4, TuneSize.width() - 0.8, TuneSize.height() - 0.8), 7, 7);
    return path;
}

QPainterPath ArrowOutline()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, ArrowSize.width(), ArrowSize.height()), 4, 4);
    return path;
}

// Paints 'frame' (identical in every look) and then 'look' on a piece of the
// face; pixels outside the shape keep the frame's result, so the looks agree
// everywhere but inside the control.
QImage Compose(const QImage& face, QPoint at, const QImage& shape, const std::function<void(QPainter&)>& frame,
               const std::function<void(QPainter&)>& look)
{
    QImage base = face.copy(QRect(at, shape.size())).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&base);
        p.setRenderHint(QPainter::Antialiasing);
        frame(p);
    }
    QImage painted = base;
    {
        QPainter p(&painted);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        look(p);
    }
    return MergeInside(base, painted, shape);
}

void Triangle(QPainter& p, const QPointF& tip, double w, double h, bool left)
{
    const double dir = left ? 1 : -1;
    QPainterPath t;
    t.moveTo(tip);
    t.lineTo(tip + QPointF(dir * w, -h / 2));
    t.lineTo(tip + QPointF(dir * w, h / 2));
    t.closeSubpath();
    p.fillPath(t, p.pen().color());
}

void SpeakerCone(QPainter& p, const QPointF& c, const QColor& ink)
{
    QPainterPath cone;
    cone.moveTo(c + QPointF(-6, -2));
    cone.lineTo(c + QPointF(-3, -2));
    cone.lineTo(c + QPointF(1, -6));
    cone.lineTo(c + QPointF(1, 6));
    cone.lineTo(c + QPointF(-3, 2));
    cone.lineTo(c + QPointF(-6, 2));
    cone.closeSubpath();
    p.fillPath(cone, ink);
}

} // namespace

void PaintGlyph(QPainter& p, Glyph glyph, const QPointF& c, const QColor& ink)
{
    p.save();
    QPen pen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case Glyph::Band: {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(10);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(c.x() - 8, c.y() - 6, 16, 12), Qt::AlignCenter, QStringLiteral("FM"));
        break;
    }
    case Glyph::Store: {
        // A bookmark ribbon with a plus: keep this station.
        QPainterPath ribbon;
        ribbon.moveTo(c + QPointF(-4.5, -6));
        ribbon.lineTo(c + QPointF(4.5, -6));
        ribbon.lineTo(c + QPointF(4.5, 6.5));
        ribbon.lineTo(c + QPointF(0, 3));
        ribbon.lineTo(c + QPointF(-4.5, 6.5));
        ribbon.closeSubpath();
        p.setPen(QPen(ink, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(ribbon);
        p.drawLine(c + QPointF(-2, -1.5), c + QPointF(2, -1.5));
        p.drawLine(c + QPointF(0, -3.5), c + QPointF(0, 0.5));
        break;
    }
    case Glyph::EditList:
        for (int i = -1; i <= 1; ++i) {
            p.drawPoint(c + QPointF(-5, i * 4));
            p.drawLine(c + QPointF(-2, i * 4), c + QPointF(5.5, i * 4));
        }
        break;
    case Glyph::Speaker: {
        // A loudspeaker cabinet.
        p.setPen(QPen(ink, 1.3));
        p.drawRoundedRect(QRectF(c.x() - 5, c.y() - 7, 10, 14), 1.5, 1.5);
        p.drawEllipse(c + QPointF(0, 2.5), 2.6, 2.6);
        p.setBrush(ink);
        p.drawEllipse(c + QPointF(0, -3.5), 1.1, 1.1);
        break;
    }
    case Glyph::Earphone: {
        p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(c.x() - 6, c.y() - 6.5, 12, 12), 0, 180 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawRoundedRect(QRectF(c.x() - 7, c.y() - 0.5, 3.6, 6.5), 1.3, 1.3);
        p.drawRoundedRect(QRectF(c.x() + 3.4, c.y() - 0.5, 3.6, 6.5), 1.3, 1.3);
        break;
    }
    case Glyph::Muted:
        SpeakerCone(p, c + QPointF(-1.5, 0), ink);
        p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(2.5, -3), c + QPointF(7, 3));
        p.drawLine(c + QPointF(2.5, 3), c + QPointF(7, -3));
        break;
    case Glyph::Sound:
        SpeakerCone(p, c + QPointF(-2.5, 0), ink);
        p.setPen(QPen(ink, 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(c.x() - 4, c.y() - 4, 8, 8), -50 * 16, 100 * 16);
        p.drawArc(QRectF(c.x() - 7, c.y() - 7, 14, 14), -50 * 16, 100 * 16);
        break;
    case Glyph::TuneDown:
        Triangle(p, c + QPointF(-3.5, 0), 6.5, 9, true);
        p.drawLine(c + QPointF(-4.5, -4.5), c + QPointF(-4.5, 4.5));
        break;
    case Glyph::ScanDown:
        Triangle(p, c + QPointF(-6, 0), 6, 9, true);
        Triangle(p, c + QPointF(0, 0), 6, 9, true);
        break;
    case Glyph::Stop:
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawRoundedRect(QRectF(c.x() - 4, c.y() - 4, 8, 8), 1.2, 1.2);
        break;
    case Glyph::ScanUp:
        Triangle(p, c + QPointF(6, 0), 6, 9, false);
        Triangle(p, c + QPointF(0, 0), 6, 9, false);
        break;
    case Glyph::TuneUp:
        Triangle(p, c + QPointF(3.5, 0), 6.5, 9, false);
        p.drawLine(c + QPointF(4.5, -4.5), c + QPointF(4.5, 4.5));
        break;
    case Glyph::Power:
        p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(c.x() - 5.5, c.y() - 5, 11, 11), 125 * 16, 290 * 16);
        p.drawLine(c + QPointF(0, -7), c + QPointF(0, -0.5));
        break;
    case Glyph::Minimise:
        p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(-3, 0.5), c + QPointF(3, 0.5));
        break;
    case Glyph::Close:
        p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(-2.8, -2.8), c + QPointF(2.8, 2.8));
        p.drawLine(c + QPointF(-2.8, 2.8), c + QPointF(2.8, -2.8));
        break;
    case Glyph::PageUp:
    case Glyph::PageDown: {
        const double dir = glyph == Glyph::PageUp ? -1 : 1;
        QPainterPath t;
        t.moveTo(c + QPointF(0, dir * 3.5));
        t.lineTo(c + QPointF(-4.5, -dir * 2.5));
        t.lineTo(c + QPointF(4.5, -dir * 2.5));
        t.closeSubpath();
        p.fillPath(t, ink);
        break;
    }
    }
    p.restore();
}

namespace {

// A lit icon gets a soft halo, the way a backlit legend glows.
void PaintLitGlyph(QPainter& p, Glyph glyph, const QPointF& c, const QColor& ink, bool halo)
{
    if (halo) {
        for (const auto& [offset, alpha] : {std::pair{QPointF(0.8, 0), 40}, std::pair{QPointF(-0.8, 0), 40},
                                            std::pair{QPointF(0, 0.8), 40}, std::pair{QPointF(0, -0.8), 40}})
            PaintGlyph(p, glyph, c + offset, WithAlpha(ink, alpha));
    }
    PaintGlyph(p, glyph, c, ink);
}

QColor IconColour(Glyph glyph, Look look)
{
    if (look == Look::Off)
        return Palette::IconOff;
    const bool window = glyph == Glyph::Power || glyph == Glyph::Minimise || glyph == Glyph::Close;
    if (window)
        return look == Look::Normal ? QColor(222, 228, 234) : QColor(255, 255, 255);
    const QColor base = glyph == Glyph::Muted ? Palette::IconWarn : Palette::IconLit;
    return look == Look::Hover ? base.lighter(118) : base;
}

struct CapColours {
    QColor top;
    QColor bottom;
    QColor ringTop;
    QColor ringBottom;
};

CapColours CapFor(Glyph glyph, Look look)
{
    const bool close = glyph == Glyph::Close;
    switch (look) {
    case Look::Hover:
        if (close)
            return {QColor(226, 84, 70), QColor(140, 36, 28), QColor(255, 190, 180), QColor(120, 30, 24)};
        return {QColor(104, 112, 124), QColor(54, 58, 66), QColor(190, 246, 255), QColor(36, 150, 190)};
    case Look::Pressed:
        if (close)
            return {QColor(110, 28, 22), QColor(186, 60, 48), QColor(120, 30, 24), QColor(255, 170, 160)};
        return {QColor(26, 28, 33), QColor(66, 71, 80), QColor(30, 120, 160), QColor(150, 236, 255)};
    case Look::Normal:
    case Look::Off:
        break;
    }
    return {Palette::CapTop, Palette::CapBottom, QColor(214, 218, 224), QColor(86, 90, 98)};
}

void PaintCap(QPainter& p, const QPainterPath& ring, const QPainterPath& cap, const QRectF& bounds,
              const CapColours& colours, bool pressed)
{
    QLinearGradient ringShade(0, bounds.top(), 0, bounds.bottom());
    ringShade.setColorAt(0, colours.ringTop);
    ringShade.setColorAt(1, colours.ringBottom);
    p.fillPath(ring, ringShade);
    QLinearGradient capShade(0, bounds.top(), 0, bounds.bottom());
    capShade.setColorAt(0, colours.top);
    capShade.setColorAt(1, colours.bottom);
    p.fillPath(cap, capShade);
    p.save();
    p.setClipPath(cap);
    if (pressed) {
        QLinearGradient inset(0, bounds.top(), 0, bounds.top() + 5);
        inset.setColorAt(0, QColor(0, 0, 0, 120));
        inset.setColorAt(1, QColor(0, 0, 0, 0));
        p.fillRect(bounds, inset);
    } else {
        // Gloss on the upper half of the cap.
        QLinearGradient gloss(0, bounds.top(), 0, bounds.center().y());
        gloss.setColorAt(0, QColor(255, 255, 255, 70));
        gloss.setColorAt(1, QColor(255, 255, 255, 8));
        p.fillRect(QRectF(bounds.left(), bounds.top(), bounds.width(), bounds.height() / 2), gloss);
    }
    p.restore();
}

} // namespace

QImage RoundButtonShape(int size)
{
    return ShapeFromCoverage(Coverage(Circle(size), size, size));
}

QImage RoundButton(const QImage& face, QPoint at, int size, Glyph glyph, Look look)
{
    const double s = size;
    const QRectF bounds(0, 0, s, s);
    const QPointF c(s / 2, s / 2);
    auto frame = [&](QPainter& p) {
        // Soft drop shadow and a dark rim that every look shares.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawEllipse(c + QPointF(0, 0.8), s / 2 - 0.4, s / 2 - 0.8);
        p.setBrush(Palette::Outline);
        p.drawEllipse(c, s / 2 - 0.9, s / 2 - 0.9);
    };
    auto paint = [&](QPainter& p) {
        QPainterPath ring;
        ring.addEllipse(c, s / 2 - 1.8, s / 2 - 1.8);
        QPainterPath cap;
        const double capRadius = s / 2 - (size >= 24 ? 3.6 : 2.8);
        cap.addEllipse(c, capRadius, capRadius);
        PaintCap(p, ring, cap, bounds, CapFor(glyph, look), look == Look::Pressed);
        const QPointF iconAt = look == Look::Pressed ? c + QPointF(0, 0.8) : c;
        PaintLitGlyph(p, glyph, iconAt, IconColour(glyph, look), look != Look::Off);
    };
    return Compose(face, at, RoundButtonShape(size), frame, paint);
}

QImage TuneKeyShape()
{
    return ShapeFromCoverage(Coverage(TuneOutline(), TuneSize.width(), TuneSize.height()));
}

QImage TuneKey(const QImage& face, QPoint at, Glyph glyph, Look look)
{
    const QRectF bounds(QPointF(0, 0), QSizeF(TuneSize));
    auto frame = [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::Outline);
        p.drawRoundedRect(bounds.adjusted(0.5, 0.5, -0.5, -0.5), 6.6, 6.6);
    };
    auto paint = [&](QPainter& p) {
        QPainterPath ring;
        ring.addRoundedRect(bounds.adjusted(1.4, 1.4, -1.4, -1.4), 5.8, 5.8);
        QPainterPath cap;
        cap.addRoundedRect(bounds.adjusted(2.6, 2.6, -2.6, -3.2), 4.6, 4.6);
        PaintCap(p, ring, cap, bounds, CapFor(glyph, look), look == Look::Pressed);
        const QPointF c = bounds.center() + QPointF(0, look == Look::Pressed ? 0.3 : -0.5);
        PaintLitGlyph(p, glyph, c, IconColour(glyph, look), look != Look::Off);
    };
    return Compose(face, at, TuneKeyShape(), frame, paint);
}

QImage PageArrowShape()
{
    return ShapeFromCoverage(Coverage(ArrowOutline(), ArrowSize.width(), ArrowSize.height()));
}

QImage PageArrow(const QImage& face, QPoint at, Glyph glyph, Look look)
{
    const QRectF bounds(QPointF(0, 0), QSizeF(ArrowSize));
    auto frame = [&](QPainter& p) {
        p.setPen(QPen(WithAlpha(Palette::Ink, 170), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(bounds.adjusted(0.5, 0.5, -0.5, -0.5), 3.5, 3.5);
    };
    auto paint = [&](QPainter& p) {
        const QRectF inner = bounds.adjusted(1, 1, -1, -1);
        QColor fill = Palette::LcdLit;
        QColor ink = Palette::Ink;
        if (look == Look::Hover) {
            fill = Palette::RowHover;
        } else if (look == Look::Pressed) {
            fill = Palette::Ink;
            ink = Palette::LcdLit;
        }
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(inner, 2.5, 2.5);
        PaintGlyph(p, glyph, bounds.center() + QPointF(0, look == Look::Pressed ? 0.5 : 0), ink);
    };
    return Compose(face, at, PageArrowShape(), frame, paint);
}

QImage StereoLamp(const QImage& face, QPoint at, bool lit)
{
    QImage lamp = face.copy(QRect(at, QSize(24, 16))).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&lamp);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(8, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 22, 26));
    p.drawEllipse(c, 4.2, 4.2);
    if (lit) {
        QRadialGradient led(c - QPointF(0.8, 0.8), 4);
        led.setColorAt(0, QColor(235, 255, 250));
        led.setColorAt(0.5, QColor(80, 240, 200));
        led.setColorAt(1, QColor(20, 140, 120));
        p.setBrush(led);
    } else {
        QRadialGradient led(c - QPointF(0.8, 0.8), 4);
        led.setColorAt(0, QColor(110, 120, 118));
        led.setColorAt(1, QColor(38, 44, 44));
        p.setBrush(led);
    }
    p.drawEllipse(c, 3.2, 3.2);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(8);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(58, 62, 70));
    p.drawText(QPointF(14, 13.5), QStringLiteral("ST"));
    p.end();
    return lamp.convertToFormat(QImage::Format_RGB32);
}

QImage ListNumberField()
{
    QImage field = NewCanvas(16, 13, Palette::LcdLit);
    QPainter p(&field);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::IndexTag);
    p.drawRoundedRect(QRectF(0, 0, 16, 13), 3, 3);
    p.end();
    return field.convertToFormat(QImage::Format_RGB32);
}

QImage ListFrequencyField(Look look)
{
    QImage field = NewCanvas(44, 13, Palette::LcdLit);
    QPainter p(&field);
    p.setRenderHint(QPainter::Antialiasing);
    if (look == Look::Normal) {
        p.setPen(QPen(WithAlpha(Palette::Ink, 45), 1, Qt::DotLine));
        p.drawLine(QPointF(1, 12.5), QPointF(43, 12.5));
    } else {
        p.setPen(QPen(WithAlpha(Palette::Ink, look == Look::Pressed ? 230 : 150), 1));
        p.setBrush(look == Look::Pressed ? Palette::RowPressed : Palette::RowHover);
        p.drawRoundedRect(QRectF(0.5, 0.5, 43, 12), 3, 3);
    }
    p.end();
    return field.convertToFormat(QImage::Format_RGB32);
}
