#include "VolumeKnob.h"

#include <algorithm>

std::array<QPoint, 25> VolumeKnobPoints()
{
    return {{{363, 270}, {362, 269}, {361, 267}, {360, 266}, {360, 264}, {360, 263}, {360, 261},
             {360, 259}, {361, 258}, {362, 256}, {363, 255}, {364, 254}, {366, 253}, {368, 253},
             {369, 253}, {371, 253}, {373, 253}, {375, 254}, {376, 255}, {377, 256}, {378, 257},
             {379, 259}, {379, 261}, {380, 262}, {379, 264}}};
}

int NearestKnobStep(const std::array<QPoint, 25>& points, int x, int y)
{
    // Wide enough for any point a mouse can report, even far off the knob.
    auto distance = [x, y](const QPoint& p) {
        const long long dx = static_cast<long long>(x) - p.x();
        const long long dy = static_cast<long long>(y) - p.y();
        return dx * dx + dy * dy;
    };
    int best = 0;
    long long bestDistance = distance(points[0]);
    for (int i = 1; i < static_cast<int>(points.size()); ++i) {
        const long long d = distance(points[i]);
        if (d <= bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

int KnobStepForVolume(long long volume, unsigned unit)
{
    if (unit == 0 || volume < 0)
        return 0;
    return static_cast<int>(std::min<long long>(volume / unit, 24));
}
