#include "Regions.h"

#include <QRegion>
#include <QWidget>

void OffsetRgn(RegionHandle region, int dx, int dy)
{
    if (region) {
        region->translate(dx, dy);
    }
}

bool PtInRegion(RegionHandle region, int x, int y)
{
    return region && region->contains(QPoint(x, y));
}

void SetWindowRgn(QWidget* window, RegionHandle region)
{
    if (!window) {
        return;
    }
    // No region means no shape: the whole window, as on Windows.
    window->setMask(region ? *region : QRegion());
}
