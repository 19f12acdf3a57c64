#include "Radio.h"

#include "ChannelRows.h"
#include "FaceSlots.h"
#include "Regions.h"
#include "SkinImage.h"
#include "SkinPicture.h"

#include <QCursor>
#include <QPainter>
#include <QWindow>

namespace {

QString MainButton(const QString& base, const char* look)
{
    return QStringLiteral("RES\\MainBtn\\") + base + QLatin1String(look) + QStringLiteral(".bmp");
}

// Neighbours a hovered control repaints in their normal look first; -1
// stands for the sixth lower button picture, which has no slot.
constexpr int SixthButton = -1;
constexpr int NoNeighbour = -2;

struct Neighbours {
    int first;
    int second;
};

Neighbours NeighboursOf(int slot)
{
    switch (slot) {
    case 3: return {4, NoNeighbour};
    case 4: return {3, 5};
    case 5: return {4, 6};
    case 6: return {5, 8};
    case 8: return {6, SixthButton};
    case 9: return {10, NoNeighbour};
    case 10: return {9, 11};
    case 11: return {10, 12};
    case 12: return {11, 13};
    case 13: return {12, NoNeighbour};
    default: return {NoNeighbour, NoNeighbour};
    }
}

} // namespace

QString TfrmRadio::PresetFilePath() const
{
    return m_state.AppDir + QStringLiteral("Solvane.cfg");
}

void TfrmRadio::DrawFacePicture(int x, int y, const QString& resPath)
{
    DrawOpaque(imgBackground->Canvas(), x, y, LoadSkinPicture(m_state.AppDir, resPath));
    imgBackground->Changed();
}

void TfrmRadio::DrawKeyedFacePicture(int x, int y, const QString& resPath)
{
    DrawKeyed(imgBackground->Canvas(), x, y, LoadSkinPicture(m_state.AppDir, resPath), TransparentKey());
    imgBackground->Changed();
}

void TfrmRadio::WriteFaceText(int x, int y, const QString& text)
{
    QPainter painter(&imgBackground->Canvas());
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    painter.setFont(font);
    painter.setPen(QColor(19, 100, 149));
    painter.drawText(QRect(x, y, 508 - x, 340 - y), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    imgBackground->Changed();
}

void TfrmRadio::BuildRegions()
{
    const QImage windowMask = LoadSkinPicture(m_state.AppDir, QStringLiteral("RES\\mask.bmp"));
    m_state.WindowRegion = m_state.GetPictureRegion(&windowMask, m_state.TransparentColor, 0);
    SetWindowRgn(this, m_state.WindowRegion);

    auto build = [this](int slot, const QImage& mask) {
        const FaceSlot& place = FaceSlots[slot];
        RegionHandle region = m_state.GetPictureRegion(&mask, m_state.TransparentColor, 0);
        if (place.moved)
            OffsetRgn(region, place.x, place.y);
        m_state.ButtonRegions[slot] = region;
    };
    auto loadMask = [this](int slot) {
        return LoadSkinPicture(m_state.AppDir, QStringLiteral("RES\\MainBtn\\") + FaceSlots[slot].mask);
    };
    for (int slot : {0, 1, 2, 3, 4, 5, 6, 8})
        build(slot, loadMask(slot));
    const QImage tuneMask = loadMask(9);
    for (int slot = 9; slot <= 13; ++slot)
        build(slot, tuneMask);
    for (int slot : {14, 15, 16})
        build(slot, loadMask(slot));
    m_state.ButtonRegionCount = FaceSlotCount;
}

bool TfrmRadio::SlotHit(int slot, int x, int y) const
{
    return slot < m_state.ButtonRegionCount && m_state.ButtonRegions[slot] &&
           PtInRegion(m_state.ButtonRegions[slot], x, y);
}

bool TfrmRadio::SlotLive(int slot, int x, int y) const
{
    return SlotHit(slot, x, y) && (!FaceSlots[slot].needsPower || m_state.RadioMode != 0);
}

bool TfrmRadio::RowLive(int row) const
{
    return m_state.RadioMode != 0 && ChannelOfRow(m_state.ChannelPage, row) <= m_state.ChannelCount;
}

QString TfrmRadio::SlotBase(int slot) const
{
    if (slot == Slot::Output)
        return AudioOutput == 1 ? QStringLiteral("bu_4a") : QStringLiteral("bu_4");
    if (slot == Slot::Mute)
        return m_state.MuteOn != 0 ? QStringLiteral("bu_5") : QStringLiteral("bu_5a");
    return QString::fromLatin1(FaceSlots[slot].base);
}

void TfrmRadio::DrawSlotLook(int slot, const char* look)
{
    if (slot == SixthButton) {
        DrawFacePicture(293, 234, QStringLiteral("RES\\MainBtn\\bu_6.bmp"));
        return;
    }
    const FaceSlot& place = FaceSlots[slot];
    if (!place.base)
        return;
    DrawFacePicture(place.x, place.y, MainButton(SlotBase(slot), look));
}

void TfrmRadio::DrawRowLook(int row, const char* picture)
{
    const ChannelRowPlace place = ChannelRow(row);
    DrawFacePicture(place.pictureX, place.pictureY, QStringLiteral("RES\\MainBtn\\") + QLatin1String(picture));
    const int channel = ChannelOfRow(m_state.ChannelPage, row);
    if (channel >= 1 && channel <= RadioState::MaxChannels)
        DrawDigitText(place.textX, place.textY, m_state.ChannelFreqText[channel], QStringLiteral("S"), 6);
}

void TfrmRadio::imgBackgroundMouseDown(Qt::MouseButton button, int x, int y)
{
    bool onControl = false;
    for (int slot = 0; slot < m_state.ButtonRegionCount && !onControl; ++slot)
        onControl = SlotHit(slot, x, y);
    for (int row = 0; row < RadioState::RowCount && !onControl; ++row)
        onControl = InChannelRowArea(row, x, y) && (row < 6 || m_state.RadioMode != 0);

    if (button == Qt::LeftButton && !onControl) {
        StartWindowMove();
        return;
    }

    for (int row = 0; row < RadioState::RowCount; ++row) {
        if (InChannelRowArea(row, x, y) && RowLive(row)) {
            DrawRowLook(row, "channel_d.bmp");
            m_state.ChannelPressed[row] = 1;
            return;
        }
    }
    for (int slot = 0; slot < m_state.ButtonRegionCount; ++slot) {
        if (!SlotLive(slot, x, y))
            continue;
        if (slot == Slot::Knob) {
            if (button == Qt::LeftButton)
                m_state.ButtonPressed[slot] = 1;
        } else {
            DrawSlotLook(slot, "_d");
            m_state.ButtonPressed[slot] = 1;
        }
        return;
    }
}

void TfrmRadio::imgBackgroundMouseMove(int x, int y)
{
    if (m_windowDrag)
        return;
    for (int row = 0; row < RadioState::RowCount; ++row) {
        if (InChannelRowArea(row, x, y) && RowLive(row)) {
            DrawRowLook(row, m_state.ChannelPressed[row] ? "channel_d.bmp" : "channel_o.bmp");
            m_state.ChannelHover[row] = 1;
            RestoreChannelRows(row + 1);
            return;
        }
    }
    for (int slot = 0; slot < m_state.ButtonRegionCount; ++slot) {
        if (!SlotLive(slot, x, y))
            continue;
        if (slot == Slot::Knob || slot == Slot::Unused)
            return;
        const Neighbours neighbours = NeighboursOf(slot);
        for (int neighbour : {neighbours.first, neighbours.second})
            if (neighbour != NoNeighbour)
                DrawSlotLook(neighbour, "");
        if (slot == Slot::Output) {
            imgBackground->SetHint(AudioOutput == 1 ? QStringLiteral("Earphone") : QStringLiteral("Speaker"));
            imgBackground->SetShowHint(true);
        } else if (FaceSlots[slot].hint) {
            imgBackground->SetHint(QString::fromLatin1(FaceSlots[slot].hint));
            imgBackground->SetShowHint(true);
        }
        DrawSlotLook(slot, m_state.ButtonPressed[slot] ? "_d" : "_o");
        return;
    }

    imgBackground->SetShowHint(false);
    for (int slot : {0, 1, 2})
        DrawSlotLook(slot, "");
    if (m_state.RadioMode != 0) {
        for (int slot : {3, 4, 5, 6, SixthButton, 8, 9, 10, 11, 12, 13, 15, 16})
            DrawSlotLook(slot, "");
        RestoreChannelRows(0);
    }
}

void TfrmRadio::RestoreChannelRows(int row)
{
    for (int r = 0; r < RadioState::RowCount; ++r) {
        if (m_state.ChannelHover[r] && r != row - 1) {
            DrawRowLook(r, "channel.bmp");
            m_state.ChannelHover[r] = 0;
        }
    }
}

void TfrmRadio::StartWindowMove()
{
    if (QWindow* window = windowHandle(); window && window->startSystemMove())
        return;
    // Without a window manager that moves windows, follow the mouse until
    // the button is released.
    m_windowDrag = true;
    m_dragOffset = QCursor::pos() - pos();
}

bool TfrmRadio::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == imgBackground && m_windowDrag) {
        if (event->type() == QEvent::MouseMove) {
            move(QCursor::pos() - m_dragOffset);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            m_windowDrag = false;
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
