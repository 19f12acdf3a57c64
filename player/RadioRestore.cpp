#include "Radio.h"

#include "BarScale.h"
#include "ChannelRows.h"
#include "FrequencyText.h"
#include "PresetFile.h"
#include "SkinImage.h"
#include "VolumeKnob.h"

#include <QTimer>

#include <algorithm>

namespace {

const QString Channel = QStringLiteral("Channel");
const QString Small = QStringLiteral("S");

// A hand-edited "Num" may lie outside the preset slots 1..60.
int ChannelCountFrom(const PresetFile& presets)
{
    return std::clamp(presets.ReadInteger(Channel, QStringLiteral("Num"), 9), 0, RadioState::MaxChannels);
}

// "LastChannel" as a decimal integer; anything else counts as missing, so a
// damaged file cannot stop the face from coming up whole.
int LastChannelFrom(const PresetFile& presets, int current)
{
    const QString text =
        presets.ReadString(QStringLiteral("LastOne"), QStringLiteral("LastChannel"), QString::number(current));
    bool ok = false;
    const int frequency = text.toInt(&ok, 10);
    return ok ? frequency : current;
}

}

void TfrmRadio::RestoreRadioState()
{
    m_state.CurrentFrequency = m_state.Radio.GetFrequency(0);
    m_state.ChannelPage = 1;

    const PresetFile presets(PresetFilePath());
    m_state.ChannelCount = ChannelCountFrom(presets);
    m_state.CurrentFrequency = LastChannelFrom(presets, m_state.CurrentFrequency);
    m_state.Radio.SetFrequency(0, m_state.CurrentFrequency);

    ShowFrequency(m_state.CurrentFrequency);
    // Without a mixer the window's creation leaves the scale unlaid; the
    // pointer needs it to land on the face.
    if (m_state.BarLeft == m_state.BarRight)
        BarFrequency();
    const BarGeometry geometry{m_state.BarLeft, m_state.BarRight, m_state.BarFreqLow, m_state.BarFreqHigh};
    Image1->move(PointerLeftForFrequency(geometry, m_state.CurrentFrequency), Image1->y());

    // The name comes from the first page's channels only.
    const int firstPage = std::min(m_state.ChannelCount, RadioState::RowCount);
    for (int channel = 1; channel <= firstPage; ++channel) {
        const int frequency = presets.ReadInteger(Channel, QString::number(channel), m_state.BandLow);
        if (frequency == m_state.CurrentFrequency)
            WriteFaceText(147, 100,
                          presets.ReadString(QStringLiteral("Station"), QString::number(frequency), QString()));
    }

    for (int channel = 1; channel <= m_state.ChannelCount; ++channel) {
        m_state.ChannelFreq[channel] = presets.ReadInteger(Channel, QString::number(channel), m_state.BandLow);
        m_state.ChannelFreqText[channel] = FrequencyText(m_state.ChannelFreq[channel]);
    }
    for (int channel = 1; channel <= firstPage; ++channel) {
        const ChannelRowPlace place = ChannelRow(channel - 1);
        DrawDigitText(place.numberX, place.textY, QString::number(channel), Small, 2);
        DrawDigitText(place.textX, place.textY, m_state.ChannelFreqText[channel], Small, 6);
    }

    DrawKeyedFacePicture(268, 223, QStringLiteral("RES\\Number\\clock_symbol.bmp"));
    DrawKeyedFacePicture(288, 223, QStringLiteral("RES\\Number\\clock_symbol.bmp"));
    DrawKeyedFacePicture(258, 242,
                         m_state.MuteOn != 0 ? QStringLiteral("RES\\MainBtn\\bu_5.bmp")
                                             : QStringLiteral("RES\\MainBtn\\bu_5a.bmp"));

    tmrTimeTimer();
    tmrTime->start();

    // Without a mixer, or when the volume cannot be read, the knob keeps
    // its step: there is nothing to derive a new one from.
    const int volume = MixerControl(1, 0);
    if (volume >= 0) {
        MixerVolume = static_cast<unsigned>(volume);
        m_state.VolumeStep = KnobStepForVolume(volume, VolumeUnit);
    }
    imgVolDot->show();
    imgPlus->setEnabled(true);
    imgMin->setEnabled(true);
    PlaceVolumeDot();
}

void TfrmRadio::ClearChannelList()
{
    for (int row = 0; row < RadioState::RowCount; ++row) {
        const ChannelRowPlace place = ChannelRow(row);
        DrawFacePicture(place.indexX, place.pictureY, QStringLiteral("RES\\MainBtn\\index.bmp"));
    }
    for (int row = 0; row < RadioState::RowCount; ++row) {
        const ChannelRowPlace place = ChannelRow(row);
        DrawFacePicture(place.pictureX, place.pictureY, QStringLiteral("RES\\MainBtn\\channel.bmp"));
    }
}
