#pragma once

#include "RadioFixture.h"
#include "RadioState.h"
#include "SkinPicture.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>

#include <algorithm>
#include <string>
#include <vector>

// Checks on the face picture shared by the radio operation tests.
namespace FaceChecks {

// The face text and scale colour, red 19, green 100, blue 149.
inline QRgb ScaleColour()
{
    return qRgb(19, 100, 149);
}

inline QImage Picture(const QString& appDir, const QString& resPath)
{
    return LoadSkinPicture(appDir, resPath).convertToFormat(QImage::Format_RGB32);
}

// Every non-key pixel of the picture stands on the face at (x, y).
inline bool ShowsKeyed(const QImage& face, int x, int y, const QImage& picture)
{
    for (int row = 0; row < picture.height(); ++row)
        for (int column = 0; column < picture.width(); ++column) {
            const QRgb pixel = picture.pixel(column, row);
            if (pixel != TransparentKey() && face.pixel(x + column, y + row) != pixel)
                return false;
        }
    return true;
}

// The digit text as DrawDigitText lays it out: right-aligned in its cells,
// blank cells showing the blank picture.
inline bool ShowsDigits(const QImage& face, const QString& appDir, int x, int y, const QString& text,
                        bool large, int cells, bool clockBlank = false)
{
    if (text.size() > cells)
        return false;
    const QString prefix = large ? QString() : QStringLiteral("s_");
    const int advance = large ? 14 : 7;
    const QString padded = QString(cells - text.size(), QLatin1Char('*')) + text;
    for (int k = 0; k < cells; ++k) {
        const QChar c = padded.at(k);
        QString file;
        if (c == QLatin1Char('*'))
            file = prefix + (clockBlank ? QStringLiteral("n2") : QStringLiteral("n"));
        else if (c == QLatin1Char('.') || c == QLatin1Char(','))
            file = prefix + QStringLiteral("dot");
        else
            file = prefix + c;
        if (!ShowsKeyed(face, x + k * advance, y,
                        Picture(appDir, QStringLiteral("RES\\Number\\") + file + QStringLiteral(".bmp"))))
            return false;
    }
    return true;
}

// The face inside rect is exactly that part of the whole-face picture.
inline bool AreaIsPicture(const QImage& face, const QRect& rect, const QImage& wholeFace)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (face.pixel(x, y) != wholeFace.pixel(x, y))
                return false;
    return true;
}

// A point inside a control's hit region.
inline QPoint SlotPoint(const RadioState& state, int slot)
{
    const QRegion* region = state.ButtonRegions[slot];
    if (!region || region->isEmpty())
        return {-1, -1};
    // The middle of the region's largest rectangle lies well inside it.
    QRect best;
    for (const QRect& rect : *region)
        if (rect.width() * rect.height() > best.width() * best.height())
            best = rect;
    return best.center();
}

inline bool Logged(const std::vector<std::string>& log, const std::string& entry)
{
    return std::find(log.begin(), log.end(), entry) != log.end();
}

}

// The window fixture with the module installed ahead of the window, so a
// case can script the band and the tuned frequency first.
class RadioOpsFixture : public RadioFixture {
protected:
    RecordingModule& Module()
    {
        if (!module)
            module = std::make_unique<RecordingModule>(AppDir().toStdString(), moduleVariant);
        return *module;
    }

    // Shown on the tuned frequency, with the start-up calls cleared from
    // the module's log.
    TfrmRadio& Shown(int tuned)
    {
        Module().SetTunedFrequency(tuned);
        TfrmRadio& window = CreateShown();
        module->ClearLog();
        return window;
    }

    bool Readout(const QString& text) const
    {
        return FaceChecks::ShowsDigits(Face(), AppDir(), 145, 117, text, true, 6);
    }

    bool NameFieldBlank() const { return FaceShows(127, 101, QStringLiteral("RES\\MainBtn\\name_mask.bmp")); }
};
