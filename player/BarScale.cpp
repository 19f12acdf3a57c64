#include "BarScale.h"

#include <algorithm>
#include <array>
#include <climits>

namespace {

struct BandRow {
    int bandLow;
    int bandHigh;
    BarGeometry geometry;
};

// The bands the face artwork was drawn for; one pixel is 100 kHz on each.
constexpr std::array<BandRow, 4> BandTable{{
    {8750, 10800, {80, 285, 8750, 10800}},
    {8810, 10790, {87, 285, 8810, 10790}},
    {7600, 9000, {90, 230, 7600, 9000}},
    {6500, 7400, {110, 200, 6500, 7400}},
}};

constexpr int FallbackRight = 285;
constexpr long long FallbackMaxLength = 205;
constexpr long long TableUnitsPerPixel = 10;

int ClampToInt(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

long long Units(const BarGeometry& geometry)
{
    const long long pixels = static_cast<long long>(geometry.BarRight) - geometry.BarLeft;
    const long long span = static_cast<long long>(geometry.BarFreqHigh) - geometry.BarFreqLow;
    if (pixels <= 0 || span <= 0)
        return TableUnitsPerPixel;
    return std::max<long long>(1, span / pixels);
}

}

bool TableBarGeometry(int bandLow, int bandHigh, BarGeometry& geometry)
{
    for (const BandRow& row : BandTable) {
        if (row.bandLow == bandLow && row.bandHigh == bandHigh) {
            geometry = row.geometry;
            return true;
        }
    }
    return false;
}

BarGeometry FallbackBarGeometry(int bandLow, int bandHigh)
{
    BarGeometry geometry;
    geometry.BarRight = FallbackRight;
    if (bandHigh <= bandLow) {
        geometry.BarLeft = FallbackRight - 1;
        geometry.BarFreqLow = bandLow;
        geometry.BarFreqHigh = ClampToInt(static_cast<long long>(bandLow) + TableUnitsPerPixel);
        return geometry;
    }
    const long long span = static_cast<long long>(bandHigh) - bandLow;
    const long long units =
        std::max(TableUnitsPerPixel, (span + FallbackMaxLength - 1) / FallbackMaxLength);
    const long long length = (span + units - 1) / units;
    geometry.BarLeft = FallbackRight - static_cast<int>(length);
    geometry.BarFreqHigh = bandHigh;
    geometry.BarFreqLow = ClampToInt(static_cast<long long>(bandHigh) - units * length);
    return geometry;
}

int UnitsPerPixel(const BarGeometry& geometry)
{
    return ClampToInt(Units(geometry));
}

int PointerLeftForFrequency(const BarGeometry& geometry, int frequency)
{
    const long long offset = (static_cast<long long>(frequency) - geometry.BarFreqLow) / Units(geometry);
    return ClampToInt(offset + geometry.BarLeft - PointerTipColumn);
}

int FrequencyAtPointer(const BarGeometry& geometry, int pointerLeft)
{
    const long long pixelsFromRight =
        static_cast<long long>(geometry.BarRight) - (static_cast<long long>(pointerLeft) + PointerTipColumn);
    return ClampToInt(geometry.BarFreqHigh - Units(geometry) * pixelsFromRight);
}

bool PointerOnBar(const BarGeometry& geometry, int pointerLeft)
{
    return geometry.BarLeft - PointerTipColumn <= pointerLeft && pointerLeft <= geometry.BarRight - PointerTipColumn;
}

int DraggedPointerLeft(const BarGeometry& geometry, int pointerLeft, int dx)
{
    long long left = static_cast<long long>(pointerLeft) + dx;
    if (left >= geometry.BarRight - PointerTipColumn)
        left = geometry.BarRight - PointerTipColumn;
    if (left <= geometry.BarLeft - PointerTipColumn)
        left = geometry.BarLeft - PointerTipColumn;
    return ClampToInt(left);
}

QString DragReadoutText(const QString& frequencyText)
{
    const qsizetype whole = std::max<qsizetype>(0, frequencyText.size() - 2);
    return frequencyText.left(whole) + QLatin1Char('.') + frequencyText.mid(whole);
}

std::vector<ScaleTick> ScaleTicks(int barLeft, int barRight)
{
    std::vector<ScaleTick> ticks;
    for (long long k = 0, x = barRight; x >= barLeft; ++k, x -= 5)
        ticks.push_back({static_cast<int>(x), k % 4 == 0});
    return ticks;
}

ScanCheck CheckScan(int direction, int startFrequency, int frequency, bool wrapped)
{
    ScanCheck check;
    const bool movedBack = direction == 0 ? frequency > startFrequency : frequency < startFrequency;
    check.wrapped = wrapped || movedBack;
    const bool backAtStart = direction == 0 ? frequency <= startFrequency : frequency >= startFrequency;
    check.ended = check.wrapped && backAtStart;
    return check;
}
