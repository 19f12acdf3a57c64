#include "Radio.h"

#include "ChannelRows.h"
#include "FaceSlots.h"
#include "FrequencyText.h"
#include "PresetFile.h"
#include "Regions.h"
#include "SkinImage.h"

#include <QTimer>

#include <algorithm>

namespace {


const QString Large = QStringLiteral("L");
const QString Small = QStringLiteral("S");

// Whatever a release did, and also when a drawing failed half-way, no
// control may stay marked as pressed. A list row pressed and let go
// elsewhere counts too: left marked, it would show its pressed look on
// every later hover.
class PressedFlagsReset {
public:
    explicit PressedFlagsReset(RadioState& state) : m_state(state) {}
    ~PressedFlagsReset()
    {
        const int count = std::clamp(m_state.ButtonRegionCount, 0, RadioState::SlotCount);
        std::fill_n(m_state.ButtonPressed.begin(), count, std::uint8_t{0});
        m_state.ChannelPressed.fill(0);
    }
    PressedFlagsReset(const PressedFlagsReset&) = delete;
    PressedFlagsReset& operator=(const PressedFlagsReset&) = delete;

private:
    RadioState& m_state;
};

class ScanDepth {
public:
    explicit ScanDepth(int& depth) : m_depth(depth) { ++m_depth; }
    ~ScanDepth() { --m_depth; }
    ScanDepth(const ScanDepth&) = delete;
    ScanDepth& operator=(const ScanDepth&) = delete;

private:
    int& m_depth;
};

}

void TfrmRadio::imgBackgroundMouseUp(Qt::MouseButton, int x, int y)
{
    PressedFlagsReset reset(m_state);

    if (m_state.RadioMode != 0) {
        for (int row = 0; row < RadioState::RowCount; ++row) {
            const int channel = ChannelOfRow(m_state.ChannelPage, row);
            if (InChannelRowArea(row, x, y) && channel >= 1 && channel <= m_state.ChannelCount &&
                channel <= RadioState::MaxChannels) {
                SelectChannel(row, channel);
                return;
            }
        }
    }

    int slot = -1;
    for (int candidate = 0; candidate < std::min(m_state.ButtonRegionCount, RadioState::SlotCount); ++candidate) {
        if (FaceSlots[candidate].needsPower && m_state.RadioMode == 0)
            break;
        if (m_state.ButtonRegions[candidate] && PtInRegion(m_state.ButtonRegions[candidate], x, y)) {
            slot = candidate;
            break;
        }
    }

    switch (slot) {
    case Slot::Power:
        PowerCommand();
        break;
    case Slot::Minimise:
        DrawFacePicture(462, 114, QStringLiteral("RES\\MainBtn\\bu_scale.bmp"));
        showMinimized();
        break;
    case Slot::Exit:
        close();
        break;
    case Slot::Store:
        StoreCommand();
        break;
    case Slot::Edit:
        EditCommand();
        break;
    case Slot::Output: {
        AudioOutput = 3 - AudioOutput;
        int result = 255;
        CallAcpiMethod("SNDO", AudioOutput, result);
        DrawFacePicture(225, 249,
                        AudioOutput == 1 ? QStringLiteral("RES\\MainBtn\\bu_4a.bmp")
                                         : QStringLiteral("RES\\MainBtn\\bu_4.bmp"));
        break;
    }
    case Slot::Mute: {
        m_state.MuteOn = 1 - m_state.MuteOn;
        const int muted = m_state.MuteOn != 0 ? 1 : 0;
        MixerControl(4, muted);
        MixerControl(6, muted);
        MixerControl(8, muted);
        break;
    }
    case Slot::TuneDown:
    case Slot::TuneUp: {
        m_state.Radio.OneStep(slot == Slot::TuneUp ? 1 : 0);
        const int frequency = m_state.Radio.GetFrequency(0);
        if (m_state.RadioMode == 1)
            ShowFrequency(frequency);
        EraseStationName();
        ShowStationName(frequency);
        SetBarPointer();
        break;
    }
    case Slot::ScanDown:
    case Slot::ScanUp:
        ScanCommand(slot == Slot::ScanUp ? 1 : 0);
        break;
    case Slot::Stop: {
        tmrScan->stop();
        m_state.Radio.AutoScan(-1);
        const int frequency = m_state.Radio.GetFrequency(0);
        EraseStationName();
        ShowStationName(frequency);
        break;
    }
    case Slot::Knob:
        if (m_state.ButtonPressed[Slot::Knob])
            SetVolumeFromPoint(x, y);
        break;
    case Slot::NextPage:
        m_state.ChannelPageCount = m_state.ChannelCount / 12 + (m_state.ChannelCount % 12 != 0 ? 1 : 0);
        if (m_state.ChannelPage < m_state.ChannelPageCount) {
            ++m_state.ChannelPage;
            ClearChannelList();
            DrawChannelPage(m_state.ChannelPage);
        }
        break;
    case Slot::PreviousPage:
        if (m_state.ChannelPage > 1) {
            --m_state.ChannelPage;
            ClearChannelList();
            DrawChannelPage(m_state.ChannelPage);
        }
        break;
    default:
        // The first lower button has no command; elsewhere nothing was hit.
        break;
    }
}

void TfrmRadio::SelectChannel(int row, int channel)
{
    const int frequency = m_state.ChannelFreq[channel];
    m_state.Radio.SetFrequency(0, frequency);
    DrawDigitText(145, 117, m_state.ChannelFreqText[channel], Large, 6);
    m_state.ChannelPressed[row] = 0;
    EraseStationName();
    ShowStationName(frequency);
    SetBarPointer();
}

void TfrmRadio::PowerCommand()
{
    if (Scanning()) {
        // The tuner must not be switched off under the module's running
        // AutoScan: stop the scan, and the scan command switches off once
        // AutoScan has returned.
        if (!m_powerOffAfterScan) {
            m_powerOffAfterScan = true;
            tmrScan->stop();
            m_state.Radio.AutoScan(-1);
        }
        return;
    }
    m_state.RadioMode = 1 - m_state.RadioMode;
    m_state.Radio.SetMode(m_state.RadioMode);
    if (m_state.RadioMode != 0)
        PowerOn();
    else
        PowerOff();
}

void TfrmRadio::PowerOn()
{
    DrawFacePicture(0, 0, QStringLiteral("RES\\main_on.jpg"));
    m_state.RadioMode = 1;
    RestoreRadioState();
    BarFrequency();
    Image1->show();
    MixerControl(6, 0);
    MixerControl(8, 0);
}

void TfrmRadio::PowerOff()
{
    tmrTime->stop();
    DrawFacePicture(0, 0, QStringLiteral("RES\\main_off.jpg"));
    m_state.RadioMode = 0;
    DrawFacePicture(258, 242,
                    m_state.MuteOn != 0 ? QStringLiteral("RES\\MainBtn\\bu_5_off.bmp")
                                        : QStringLiteral("RES\\MainBtn\\bu_5a_off.bmp"));
    imgVolDot->hide();
    imgPlus->setEnabled(false);
    imgMin->setEnabled(false);
    Image1->hide();
    MixerControl(6, 1);
    MixerControl(8, 1);
}

void TfrmRadio::ScanCommand(int direction)
{
    // One scan at a time: the module's AutoScan already waits for its scan,
    // and a second wait nested inside it could only end after the first.
    // Stop the running scan to start another.
    if (Scanning())
        return;

    m_state.ScanStartFrequency = m_state.Radio.GetFrequency(0);
    m_state.ScanDirection = direction;
    m_state.ScanWrapped = 0;
    EraseStationName();
    tmrScan->start();
    {
        ScanDepth depth(m_scanDepth);
        m_state.Radio.AutoScan(direction);
    }
    tmrScan->stop();

    // An exit or power-off asked for during the wait is carried out now
    // that the module has left AutoScan.
    if (m_closeAfterScan) {
        m_closeAfterScan = false;
        m_powerOffAfterScan = false;
        close();
        return;
    }
    if (m_powerOffAfterScan) {
        m_powerOffAfterScan = false;
        PowerCommand();
        return;
    }

    const int frequency = m_state.Radio.GetFrequency(0);
    if (m_state.RadioMode == 1)
        ShowFrequency(frequency);
    ShowStationName(frequency);
    SetBarPointer();
}

void TfrmRadio::DrawChannelPage(int page)
{
    const int first = std::max(1, (page - 1) * 12 + 1);
    const int last = std::min({m_state.ChannelCount, page * 12, RadioState::MaxChannels});
    const int leftLast = last - first + 1 > 6 ? first + 5 : last;
    auto drawRow = [this](int channel, int row) {
        const ChannelRowPlace place = ChannelRow(row);
        m_state.ChannelFreqText[channel] = FrequencyText(m_state.ChannelFreq[channel]);
        DrawDigitText(place.numberX, place.textY, QString::number(channel), Small, 2);
        DrawDigitText(place.textX, place.textY, m_state.ChannelFreqText[channel], Small, 6);
    };
    for (int channel = first; channel <= leftLast; ++channel)
        drawRow(channel, channel - first);
    for (int channel = first + 6; channel <= last; ++channel)
        drawRow(channel, channel - first);
}

void TfrmRadio::ShowFrequency(int frequency)
{
    DrawDigitText(145, 117, FrequencyText(frequency), Large, 6);
}

void TfrmRadio::EraseStationName()
{
    DrawFacePicture(127, 101, QStringLiteral("RES\\MainBtn\\name_mask.bmp"));
}

void TfrmRadio::ShowStationName(int frequency)
{
    const PresetFile presets(PresetFilePath());
    const QString name =
        presets.ReadString(QStringLiteral("Station"), QString::number(frequency), QString());
    if (!name.isEmpty())
        WriteFaceText(147, 100, name);
}
