#include "Radio.h"

#include "Mixer.h"
#include "SkinImage.h"
#include "VolumeKnob.h"

#include <algorithm>

namespace {

QString MuteButtonPicture(int radioMode, int muteOn)
{
    if (radioMode != 0)
        return muteOn != 0 ? QStringLiteral("RES\\MainBtn\\bu_5.bmp") : QStringLiteral("RES\\MainBtn\\bu_5a.bmp");
    return muteOn != 0 ? QStringLiteral("RES\\MainBtn\\bu_5_off.bmp")
                       : QStringLiteral("RES\\MainBtn\\bu_5a_off.bmp");
}

}

int TfrmRadio::MixerControl(int selector, int value)
{
    return ApplyMixerControl(MixerHandle.get(), selector, value);
}

void TfrmRadio::MixerWndProc(unsigned message)
{
    if (message != MM_MIXM_CONTROL_CHANGE)
        return;
    // A volume that cannot be read leaves the knob where it is.
    const int volume = MixerControl(1, 0);
    if (volume >= 0) {
        MixerVolume = static_cast<unsigned>(volume);
        if (m_state.RadioMode != 0) {
            m_state.VolumeStep = KnobStepForVolume(volume, VolumeUnit);
            PlaceVolumeDot();
        }
    }
    m_state.MuteOn = MixerControl(3, 0) != 0 ? 1 : 0;
    DrawFacePicture(258, 242, MuteButtonPicture(m_state.RadioMode, m_state.MuteOn));
}

void TfrmRadio::PlaceVolumeDot()
{
    const int step = std::clamp(m_state.VolumeStep, 0, RadioState::KnobStepCount - 1);
    imgVolDot->move(m_state.KnobPoints[step]);
}

void TfrmRadio::SetVolumeFromPoint(int x, int y)
{
    const int best = NearestKnobStep(m_state.KnobPoints, x, y);
    imgVolDot->move(m_state.KnobPoints[best]);
    m_state.VolumeStep = best;
    const long long volume = static_cast<long long>(VolumeUnit) * best;
    MixerVolume = static_cast<unsigned>(std::clamp<long long>(volume, MixerMin, std::max(MixerMin, MixerMax)));
    MixerControl(2, static_cast<int>(MixerVolume));
}

void TfrmRadio::StepVolume(int direction)
{
    const int top = RadioState::KnobStepCount - 1;
    m_state.VolumeStep += direction;
    if (m_state.VolumeStep > top || m_state.VolumeStep < 0) {
        m_state.VolumeStep = std::clamp(m_state.VolumeStep, 0, top);
        return;
    }
    PlaceVolumeDot();
    // One unit from the mixer's present value, whoever set it last. Without
    // a value to start from the mixer is left alone.
    const int current = MixerControl(1, 0);
    if (current < 0)
        return;
    const long long volume = static_cast<long long>(current) + static_cast<long long>(direction) * VolumeUnit;
    MixerVolume = static_cast<unsigned>(std::clamp<long long>(volume, MixerMin, std::max(MixerMin, MixerMax)));
    MixerControl(2, static_cast<int>(MixerVolume));
}

void TfrmRadio::imgPlusClick()
{
    StepVolume(1);
}

void TfrmRadio::imgMinClick()
{
    StepVolume(-1);
}

void TfrmRadio::imgPlusDblClick()
{
    StepVolume(1);
    StepVolume(1);
}

void TfrmRadio::imgMinDblClick()
{
    StepVolume(-1);
    StepVolume(-1);
}

void TfrmRadio::imgVolDotMouseDown(Qt::MouseButton button, int, int)
{
    if (button != Qt::LeftButton)
        return;
    m_state.VolDotOrigin = imgVolDot->pos();
    if (imgVolDot->isVisible())
        imgVolDot->grabMouse();
}

void TfrmRadio::imgVolDotMouseMove(int, int)
{
    // The dot does not follow the pointer: only its release sets the volume.
}

void TfrmRadio::imgVolDotMouseUp(Qt::MouseButton button, int x, int y)
{
    if (button != Qt::LeftButton)
        return;
    SetVolumeFromPoint(m_state.VolDotOrigin.x() + x, m_state.VolDotOrigin.y() + y);
    if (QWidget::mouseGrabber() == imgVolDot)
        imgVolDot->releaseMouse();
}
