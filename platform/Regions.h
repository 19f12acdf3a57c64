#pragma once

#include "SkinHandles.h"

class QWidget;

// The region operations the windows use on handles from GetPictureRegion.
void OffsetRgn(RegionHandle region, int dx, int dy);
bool PtInRegion(RegionHandle region, int x, int y);

// Gives the window its shape: it then shows, and receives the mouse, only
// inside the region. The window keeps its own copy.
void SetWindowRgn(QWidget* window, RegionHandle region);
