#pragma once

#include "CallingConvention.h"

#include <cstdint>

class QImage;
class QRegion;

// What crosses the boundary to the picture-region library. A bitmap handle
// is a loaded picture; a region handle is a heap region that the callers
// keep (they move it, test points against it, hand it to a window) and
// never free.
using BitmapHandle = const QImage*;
using RegionHandle = QRegion*;

// The key colour of every skin picture, as 0x00BBGGRR: red 255, green 189,
// blue 255. Pixels of this colour are see-through and outside regions.
inline constexpr std::uint32_t TransparentColorValue = 0x00FFBDFF;

extern "C" {
using GetPictureRegionFn = RegionHandle(SOLVANE_STDCALL*)(BitmapHandle bitmap, std::uint32_t keyColor,
                                                          std::int32_t reserved);
}
