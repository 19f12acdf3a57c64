#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPointF>

class QPainter;

// Pictures of the main window's controls. Each picture is cut from the face
// at the control's place and the control painted over it, so it is drawn
// opaque without a seam; only the pixels inside the control's mask differ
// between its looks.

enum class Look { Normal, Hover, Pressed, Off };

enum class Glyph {
    Band, Store, EditList, Speaker, Earphone, Muted, Sound,
    TuneDown, ScanDown, Stop, ScanUp, TuneUp,
    Power, Minimise, Close, PageUp, PageDown,
};

// Paints an icon about 14 px across, centred on c.
void PaintGlyph(QPainter& p, Glyph glyph, const QPointF& c, const QColor& ink);

// Round buttons: the arc of lower buttons (30 px) and the window buttons.
QImage RoundButtonShape(int size);
QImage RoundButton(const QImage& face, QPoint at, int size, Glyph glyph, Look look);

// The five keys of the tuning row, one shape.
QImage TuneKeyShape();
QImage TuneKey(const QImage& face, QPoint at, Glyph glyph, Look look);

// Paging arrows printed on the display beside the preset list.
QImage PageArrowShape();
QImage PageArrow(const QImage& face, QPoint at, Glyph glyph, Look look);

// The stereo lamp beside the clock; it has no looks of its own.
QImage StereoLamp(const QImage& face, QPoint at, bool lit);

// Fields of the preset list: the number tag and the frequency field in
// its blank, hover and pressed looks.
QImage ListNumberField();
QImage ListFrequencyField(Look look);
