#include "DialogArt.h"

#include "ArtKit.h"
#include "SkinPalette.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr QSize ButtonSize{44, 22};
constexpr QSize BarSize{248, 17};
constexpr QSize ArrowSize{28, 18};
const QRectF StoreShape{0, 0, 340, 166};
const QRectF EditShape{0, 0, 347, 286};
const QRectF ListBox{36, 38, 255, 204};

QPainterPath Rounded(const QRectF& rect, double radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

// A panel: a rounded plate with a dark rim and a title band. The rim is
// opaque and dark, so the edge pixels never mix with the key colour.
QImage Panel(int width, int height, const QRectF& shape)
{
    QImage art = NewCanvas(width, height, Palette::PanelRim);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF inner = shape.adjusted(2, 2, -2, -2);
    const QPainterPath plate = Rounded(inner, 10);
    p.fillPath(plate, Palette::PanelBody);

    QPainterPath bandArea;
    bandArea.addRect(QRectF(inner.left(), inner.top(), inner.width(), 26));
    const QPainterPath band = plate.intersected(bandArea);
    QLinearGradient title(0, inner.top(), 0, inner.top() + 26);
    title.setColorAt(0, Palette::TitleTop);
    title.setColorAt(1, Palette::TitleBottom);
    p.fillPath(band, title);
    QPainterPath glossArea;
    glossArea.addRect(QRectF(inner.left(), inner.top(), inner.width(), 12));
    QLinearGradient gloss(0, inner.top(), 0, inner.top() + 12);
    gloss.setColorAt(0, QColor(255, 255, 255, 70));
    gloss.setColorAt(1, QColor(255, 255, 255, 10));
    p.fillPath(plate.intersected(glossArea), gloss);
    p.setPen(QPen(Palette::Glow, 1));
    p.drawLine(QPointF(inner.left(), inner.top() + 26.5), QPointF(inner.right(), inner.top() + 26.5));
    p.end();
    return KeyedFromCoverage(art, Coverage(Rounded(shape, 12), width, height));
}

// An input well: the edit's own colour inside a thin sunken frame.
void Well(QPainter& p, const QRectF& rect)
{
    p.setPen(QPen(Palette::WellRim, 1));
    p.setBrush(Palette::Well);
    p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setPen(QPen(QColor(0, 0, 0, 40), 1));
    p.drawLine(QPointF(rect.left() + 2, rect.top() + 1.5), QPointF(rect.right() - 2, rect.top() + 1.5));
}

struct Finish {
    QColor top;
    QColor bottom;
    QColor rim;
    QColor ink;
};

Finish FinishFor(Look look)
{
    switch (look) {
    case Look::Hover:
        return {QColor(226, 250, 255), QColor(136, 214, 236), QColor(28, 110, 150), QColor(10, 48, 80)};
    case Look::Pressed:
        return {QColor(110, 176, 204), QColor(176, 224, 240), QColor(18, 66, 100), QColor(8, 36, 62)};
    case Look::Off:
        return {QColor(226, 229, 233), QColor(212, 216, 221), QColor(160, 168, 178), QColor(150, 157, 166)};
    case Look::Normal:
        break;
    }
    return {QColor(250, 252, 253), QColor(196, 206, 218), QColor(52, 84, 116), QColor(24, 52, 82)};
}

void PaintFinish(QPainter& p, const QRectF& r, double radius, Look look)
{
    const Finish f = FinishFor(look);
    QLinearGradient fill(0, r.top(), 0, r.bottom());
    fill.setColorAt(0, f.top);
    fill.setColorAt(1, f.bottom);
    p.setPen(QPen(f.rim, 1.2));
    p.setBrush(fill);
    p.drawPath(Rounded(r.adjusted(0.9, 0.9, -0.9, -0.9), radius));
    if (look == Look::Normal || look == Look::Hover) {
        p.setPen(QPen(QColor(255, 255, 255, 170), 1));
        p.drawLine(QPointF(r.left() + 6, r.top() + 2.5), QPointF(r.right() - 6, r.top() + 2.5));
    }
}

QPainterPath ButtonOutline()
{
    return Rounded(QRectF(0.3, 0.3, ButtonSize.width() - 0.6, ButtonSize.height() - 0.6), 7);
}

} // namespace

QImage StorePanel()
{
    return Panel(381, 258, StoreShape);
}

QImage EditPanel()
{
    QImage panel = Panel(347, 297, EditShape);
    QPainter p(&panel);
    p.setRenderHint(QPainter::Antialiasing);
    // List box with a heading strip and faint lines between the rows.
    p.setPen(QPen(QColor(140, 158, 176), 1));
    p.setBrush(Palette::ListBox);
    p.drawRoundedRect(ListBox.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    QLinearGradient heading(0, ListBox.top(), 0, ListBox.top() + 20);
    heading.setColorAt(0, QColor(232, 238, 244));
    heading.setColorAt(1, QColor(208, 218, 230));
    p.setPen(Qt::NoPen);
    p.setBrush(heading);
    p.drawRoundedRect(QRectF(ListBox.left() + 1, ListBox.top() + 1, ListBox.width() - 2, 19), 3, 3);
    p.fillRect(QRectF(ListBox.left() + 1, ListBox.top() + 12, ListBox.width() - 2, 8), heading);
    p.setPen(QPen(QColor(170, 186, 202), 1));
    p.drawLine(QPointF(ListBox.left() + 1, 58.5), QPointF(ListBox.right() - 1, 58.5));
    p.setPen(QPen(QColor(228, 233, 239), 1));
    // Rows' bars cover y 61 + 18k to 77 + 18k; the line runs in the gap.
    for (int k = 0; k < 9; ++k) {
        const double y = 78.5 + 18 * k;
        p.drawLine(QPointF(ListBox.left() + 6, y), QPointF(ListBox.right() - 6, y));
    }
    p.end();
    return panel;
}

QImage StoreFields(const QImage& panel)
{
    QImage fields = panel.copy(105, 60, 141, 87).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&fields);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(-105, -60);
    Well(p, QRectF(108, 62, 38, 21));   // channel number and its arrows
    Well(p, QRectF(108, 92, 56, 19));   // frequency
    Well(p, QRectF(108, 124, 136, 20)); // station name
    p.end();
    return fields.convertToFormat(QImage::Format_RGB32);
}

QImage EntryFields(const QImage& panel)
{
    QImage fields = panel.copy(75, 72, 166, 60).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&fields);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(-75, -72);
    Well(p, QRectF(84, 75, 28, 20));    // channel number
    Well(p, QRectF(181, 76, 57, 21));   // frequency
    Well(p, QRectF(101, 108, 137, 20)); // station name
    p.end();
    return fields.convertToFormat(QImage::Format_RGB32);
}

QImage DialogButtonShape()
{
    return ShapeFromCoverage(Coverage(ButtonOutline(), ButtonSize.width(), ButtonSize.height()));
}

QImage DialogButton(const QString& text, Look look)
{
    QImage art = NewCanvas(ButtonSize.width(), ButtonSize.height(), Palette::PanelBody);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF r(0, 0, ButtonSize.width(), ButtonSize.height());
    PaintFinish(p, r, 6.4, look);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(FinishFor(look).ink);
    p.drawText(r.translated(0, look == Look::Pressed ? 1 : 0), Qt::AlignCenter, text);
    p.end();
    return KeyedFromCoverage(art, Coverage(ButtonOutline(), ButtonSize.width(), ButtonSize.height()));
}

QImage SelectionBarShape()
{
    return ShapeFromCoverage(Coverage(Rounded(QRectF(0, 0, BarSize.width(), BarSize.height()), 4),
                                      BarSize.width(), BarSize.height()));
}

QImage SelectionBar(const QImage& editPanel)
{
    QImage bar = editPanel.copy(QRect(QPoint(41, 61), BarSize)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&bar);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, BarSize.height());
    fill.setColorAt(0, QColor(200, 240, 250));
    fill.setColorAt(1, QColor(150, 220, 240));
    p.setPen(QPen(QColor(60, 150, 190), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, BarSize.width() - 1, BarSize.height() - 1), 3.5, 3.5);
    p.end();
    return bar.convertToFormat(QImage::Format_RGB32);
}

QImage EditorArrowShape()
{
    return ShapeFromCoverage(Coverage(Rounded(QRectF(0, 0, ArrowSize.width(), ArrowSize.height()), 5),
                                      ArrowSize.width(), ArrowSize.height()));
}

QImage EditorArrow(const QImage& editPanel, QPoint at, Glyph glyph, Look look)
{
    const QImage base = editPanel.copy(QRect(at, ArrowSize));
    QImage arrow = base.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&arrow);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, ArrowSize.width(), ArrowSize.height());
    PaintFinish(p, r, 4.5, look);
    PaintGlyph(p, glyph, r.center() + QPointF(0, look == Look::Pressed ? 1 : 0), FinishFor(look).ink);
    p.end();
    return MergeInside(base, arrow, EditorArrowShape());
}
