#include "Radio.h"

#include "BarScale.h"
#include "FrequencyText.h"
#include "SkinImage.h"

#include <QTimer>

namespace {

// The colour of the scale, the same dark blue as the face text.
const QRgb ScaleColour = qRgb(19, 100, 149);

BarGeometry Geometry(const RadioState& state)
{
    return {state.BarLeft, state.BarRight, state.BarFreqLow, state.BarFreqHigh};
}

void SetPixel(QImage& canvas, int x, int y)
{
    if (canvas.rect().contains(x, y))
        canvas.setPixel(x, y, ScaleColour);
}

// A vertical stroke from top down to, but not including, bottom: the way a
// line is drawn to its end point without painting it.
void VerticalStroke(QImage& canvas, int x, int top, int bottom)
{
    for (int y = top; y < bottom; ++y)
        SetPixel(canvas, x, y);
}

}

void TfrmRadio::BarFrequency()
{
    BarGeometry geometry;
    // The face's scale was laid out for four bands; any other band still
    // gets a bar of its own so the pointer stays on the face.
    if (!TableBarGeometry(m_state.BandLow, m_state.BandHigh, geometry))
        geometry = FallbackBarGeometry(m_state.BandLow, m_state.BandHigh);
    m_state.BarLeft = geometry.BarLeft;
    m_state.BarRight = geometry.BarRight;
    m_state.BarFreqLow = geometry.BarFreqLow;
    m_state.BarFreqHigh = geometry.BarFreqHigh;
    // The line drawing leaves out its end point: the high end is set here.
    SetPixel(imgBackground->Canvas(), m_state.BarRight, ScaleLineY);
    AutoFrequency();
}

void TfrmRadio::AutoFrequency()
{
    QImage& canvas = imgBackground->Canvas();
    for (int x = m_state.BarLeft; x < m_state.BarRight; ++x)
        SetPixel(canvas, x, ScaleLineY);
    for (const ScaleTick& tick : ScaleTicks(m_state.BarLeft, m_state.BarRight))
        VerticalStroke(canvas, tick.x, tick.longTick ? 178 : 181, ScaleLineY);
    imgBackground->Changed();

    m_state.BandLowText = FrequencyText(m_state.BandLow);
    m_state.BandHighText = FrequencyText(m_state.BandHigh);
    DrawDigitText2(LowLabelX(m_state.BarLeft), LabelY, m_state.BandLowText, QStringLiteral("S"), 5);
    DrawDigitText2(HighLabelX(m_state.BarRight), LabelY, m_state.BandHighText, QStringLiteral("S"), 6);
}

void TfrmRadio::SetBarPointer()
{
    const int frequency = m_state.Radio.GetFrequency(0);
    Image1->move(PointerLeftForFrequency(Geometry(m_state), frequency), Image1->y());
}

void TfrmRadio::tmrScanTimer()
{
    int frequency = m_state.Radio.GetFrequency(0);
    const ScanCheck check =
        CheckScan(m_state.ScanDirection, m_state.ScanStartFrequency, frequency, m_state.ScanWrapped != 0);
    m_state.ScanWrapped = check.wrapped ? 1 : 0;
    if (check.ended) {
        // Once round the band without a station: back to where it began.
        tmrScan->stop();
        m_state.Radio.AutoScan(-1);
        m_state.Radio.SetFrequency(0, m_state.ScanStartFrequency);
        frequency = m_state.ScanStartFrequency;
    }
    if (m_state.RadioMode == 1) {
        ShowFrequency(frequency);
        Image1->move(PointerLeftForFrequency(Geometry(m_state), frequency), Image1->y());
    }
}

void TfrmRadio::DotDown(Qt::MouseButton, int x, int)
{
    m_state.PointerDragging = 1;
    m_state.PointerGrabX = x;
    EraseStationName();
}

void TfrmRadio::DotMove(int x, int)
{
    const BarGeometry geometry = Geometry(m_state);
    if (!m_state.PointerDragging || !PointerOnBar(geometry, Image1->x()))
        return;
    const int left = DraggedPointerLeft(geometry, Image1->x(), x - m_state.PointerGrabX);
    Image1->move(left, Image1->y());
    m_state.PointerFreqText = QString::number(FrequencyAtPointer(geometry, left));
    // The radio follows only on release; the readout follows the pointer.
    DrawDigitText(145, 117, DragReadoutText(m_state.PointerFreqText), QStringLiteral("L"), 6);
}

void TfrmRadio::DotUp(Qt::MouseButton, int, int)
{
    m_state.PointerDragging = 0;
    const int frequency = FrequencyAtPointer(Geometry(m_state), Image1->x());
    m_state.Radio.SetFrequency(0, frequency);
    ShowStationName(frequency);
}
