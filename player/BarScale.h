#pragma once

#include <QString>

#include <vector>

// The frequency scale under the readout: where the bar lies on the face,
// which frequencies its ends stand for, and the mapping between the tip of
// the pointer and a frequency. Frequencies are in 10 kHz units, pixels in
// face coordinates.
struct BarGeometry {
    int BarLeft = 0;
    int BarRight = 0;
    int BarFreqLow = 0;
    int BarFreqHigh = 0;
};

// The line the scale is drawn on, and the column of the pointer picture
// that marks the frequency.
inline constexpr int ScaleLineY = 185;
inline constexpr int PointerTipColumn = 11;

// The geometry for one of the four bands the face was laid out for, or
// false when the band is not one of them.
bool TableBarGeometry(int bandLow, int bandHigh, BarGeometry& geometry);

// A geometry for any other band: the bar ends at x 285 like the table's
// long bands and grows to the left, 10 units a pixel while the band fits in
// 205 pixels (x 80 and up), else as many whole units a pixel as make it
// fit. The low end is moved down to a whole pixel, so the band lies inside
// the bar. A band whose edges are not in order gets a one-pixel bar at its
// low edge.
BarGeometry FallbackBarGeometry(int bandLow, int bandHigh);

// Frequency units per pixel of the bar: 10 for every table band.
int UnitsPerPixel(const BarGeometry& geometry);

// Left of the pointer picture for a frequency (truncating toward zero).
int PointerLeftForFrequency(const BarGeometry& geometry, int frequency);

// The frequency under the tip of a pointer whose picture stands at left.
int FrequencyAtPointer(const BarGeometry& geometry, int pointerLeft);

// Whether a drag may move a pointer standing at left: only while its tip is
// on the bar.
bool PointerOnBar(const BarGeometry& geometry, int pointerLeft);

// The pointer's left after a drag by dx, kept on the bar.
int DraggedPointerLeft(const BarGeometry& geometry, int pointerLeft, int dx);

// The readout text while dragging: the decimal frequency text with a point
// before its last two digits ("9800" -> "98.00").
QString DragReadoutText(const QString& frequencyText);

struct ScaleTick {
    int x = 0;
    bool longTick = false;
};

// Ticks every 5 pixels counted from the high end, every fourth one long,
// down to the low end.
std::vector<ScaleTick> ScaleTicks(int barLeft, int barRight);

// First cell of the band-edge labels under the ends of the bar.
inline int LowLabelX(int barLeft) { return barLeft - 12; }
inline int HighLabelX(int barRight) { return barRight - 24; }
inline constexpr int LabelY = 187;

// One tick of the scan timer. The scan has wrapped once the frequency moved
// against the scan's direction from its start; a wrapped scan that comes
// back to its start has gone once round the band and must be ended there.
struct ScanCheck {
    bool wrapped = false;
    bool ended = false;
};
ScanCheck CheckScan(int direction, int startFrequency, int frequency, bool wrapped);
