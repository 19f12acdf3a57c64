#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRect>

// The radio body without its controls: case, handle, display windows,
// speaker, knob and printed marks. Controls and fields are drawn over it.

// The window's outline: body and carrying handle.
QPainterPath FaceOutline();

// The face behind the controls; lit shows the backlit display with its
// fixed marks, unlit shows the display dark.
QImage PaintFaceBase(bool lit);

// Geometry the controls and fields are fitted to.
namespace FaceGeometry {
inline const QRect Lcd{52, 63, 373, 142};      // backlit display area
inline const QRect ClockWindow{250, 219, 62, 18};
inline const QPointF KnobCentre{370.5, 263.5};
} // namespace FaceGeometry
