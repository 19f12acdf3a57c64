#pragma once

#include <QPoint>

#include <array>

// The 25 places of the volume dot on the knob, one per volume step, on a
// circle of radius 10 around (370, 263) from lower left over the top to the
// right. The table is authoritative where it differs from the circle by
// rounding.
std::array<QPoint, 25> VolumeKnobPoints();

// The step whose dot place is nearest to (x, y); a tie goes to the higher
// step.
int NearestKnobStep(const std::array<QPoint, 25>& points, int x, int y);

// The knob step for a raw master volume. Without a mixer (unit 0) or with a
// failed read (-1) there is no meaningful step: the result is clamped to
// 0..24 so the dot table is never read out of range.
int KnobStepForVolume(long long volume, unsigned unit);
