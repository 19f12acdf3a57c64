#include "ModuleExport.h"
#include "SkinHandles.h"

#include <QImage>
#include <QRect>
#include <QRegion>

#include <utility>
#include <vector>

namespace {

using Run = std::pair<int, int>;

// Compared without alpha, as every pixel is.
QRgb KeyAsRgb(std::uint32_t keyColor)
{
    return qRgb(static_cast<int>(keyColor & 0xFF), static_cast<int>((keyColor >> 8) & 0xFF),
                static_cast<int>((keyColor >> 16) & 0xFF)) &
           RGB_MASK;
}

void CollectRuns(const QRgb* line, int width, QRgb key, std::vector<Run>& runs)
{
    runs.clear();
    int x = 0;
    while (x < width) {
        while (x < width && (line[x] & RGB_MASK) == key) {
            ++x;
        }
        const int start = x;
        while (x < width && (line[x] & RGB_MASK) != key) {
            ++x;
        }
        if (x > start) {
            runs.emplace_back(start, x);
        }
    }
}

// One rectangle per run of non-key pixels; a scanline whose runs repeat the
// line above only makes that line's rectangles taller. The rectangles come
// out sorted by y then x, in bands of equal height and never touching side
// by side, which is the form QRegion keeps internally, so the region is
// taken over as it is instead of being merged rectangle by rectangle.
QRegion RegionOfNonKeyPixels(const QImage& bitmap, QRgb key)
{
    const bool direct = bitmap.format() == QImage::Format_RGB32 || bitmap.format() == QImage::Format_ARGB32;
    const QImage image = direct ? bitmap : bitmap.convertToFormat(QImage::Format_RGB32);

    std::vector<QRect> rects;
    std::vector<Run> runs;
    std::vector<Run> previousRuns;
    std::size_t bandStart = 0;
    for (int y = 0; y < image.height(); ++y) {
        CollectRuns(reinterpret_cast<const QRgb*>(image.constScanLine(y)), image.width(), key, runs);
        if (!runs.empty() && runs == previousRuns) {
            for (std::size_t i = bandStart; i < rects.size(); ++i) {
                rects[i].setBottom(y);
            }
        } else {
            bandStart = rects.size();
            for (const auto& [start, end] : runs) {
                rects.emplace_back(QPoint(start, y), QPoint(end - 1, y));
            }
        }
        std::swap(runs, previousRuns);
    }

    QRegion region;
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

}

// The third argument is reserved; callers pass 0 and any value is accepted.
// Every call returns a new region of its own, even for the same bitmap; a
// missing or empty bitmap gives an empty region rather than no region.
extern "C" SOLVANE_MODULE_EXPORT RegionHandle SOLVANE_STDCALL GetPictureRegion(BitmapHandle bitmap,
                                                                               std::uint32_t keyColor,
                                                                               std::int32_t)
{
    if (!bitmap || bitmap->isNull()) {
        return new QRegion();
    }
    return new QRegion(RegionOfNonKeyPixels(*bitmap, KeyAsRgb(keyColor)));
}
