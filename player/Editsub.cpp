#include "Editsub.h"

#include "EntryFrequency.h"
#include "PlatformError.h"
#include "PresetFile.h"
#include "Regions.h"
#include "SkinImage.h"
#include "SkinPicture.h"

#include <QLineEdit>

#include <algorithm>

namespace {

constexpr QChar ShownBlank = u'_';

QLineEdit* EntryField(QWidget* parent, QRect box)
{
    auto* field = new QLineEdit(parent);
    field->setGeometry(box);
    field->setFrame(false);
    field->setTextMargins(0, 0, 0, 0);
    return field;
}

}

TfrmEditSub::TfrmEditSub(RadioState& state, UserMessages* messages, QWidget* parent)
    : SkinDialog(state, messages, parent, QSize(ClientWidth, ClientHeight))
{
    setWindowTitle(QStringLiteral("Channel"));
    BuildComponents();

    DrawBackground();
    ShapeWindow();
    const QImage mask = LoadSkinPicture(m_state.AppDir, QStringLiteral("RES\\Extend\\bu_mask.bmp"));
    EntryOkRegion = ControlRegion(mask, OkPlace.x(), OkPlace.y());
    EntryCancelRegion = ControlRegion(mask, CancelPlace.x(), CancelPlace.y());

    FormCreate();
}

void TfrmEditSub::BuildComponents()
{
    imgBackground->OnMouseDown = [this](Qt::MouseButton b, int x, int y) { imgBackgroundMouseDown(b, x, y); };
    imgBackground->OnMouseMove = [this](int x, int y) { imgBackgroundMouseMove(x, y); };
    imgBackground->OnMouseUp = [this](Qt::MouseButton b, int x, int y) { imgBackgroundMouseUp(b, x, y); };

    edtStation = EntryField(this, QRect(105, 111, 129, 14));
    edtStation->setMaxLength(StationNameLength);

    edtFreq = EntryField(this, QRect(185, 79, 49, 15));
    edtFreq->setInputMask(QString::fromLatin1(EntryFieldMask));
    edtFreq->setMaxLength(EntryDigitPositions + 1);

    // Tab goes from the frequency to the name and back, so the whole entry
    // can be made from the keyboard.
    setTabOrder(edtFreq, edtStation);
}

void TfrmEditSub::FormCreate()
{
    for (QLineEdit* field : {edtFreq, edtStation}) {
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, LightCyan);
        palette.setColor(QPalette::Text, DarkBlue);
        field->setPalette(palette);
    }
}

void TfrmEditSub::DrawBackground()
{
    LoadBackground(QStringLiteral("RES\\Extend\\panel_bg.bmp"));
    DrawPicture(75, 72, QStringLiteral("RES\\Extend\\field_editchannel.bmp"));
    // The background holds no buttons: they stand in their normal look
    // from the start, not only once the pointer has crossed the dialog.
    DrawOkNormal();
    DrawCancelNormal();
}

void TfrmEditSub::FormShow()
{
    // The list and the fields come first: a picture missing from the skin
    // stops the drawing, and OK and Cancel must still find the channel this
    // showing opened.
    edtFreq->setText(QString());
    edtStation->setText(QString());
    edtStation->setMaxLength(StationNameLength);
    m_addedChannel = m_state.EntryMode == 1;
    int channel = m_state.SelectedChannel;
    if (m_addedChannel) {
        // The new channel exists from now on; Cancel takes it back.
        channel = ++m_state.ChannelCount;
    } else {
        const int frequency = m_state.ChannelFreq[m_state.SelectedChannel];
        SetFrequencyValue(EntryFieldText(frequency));
        const PresetFile presets(m_state.AppDir + QStringLiteral("Solvane.cfg"));
        const QString name = presets.ReadString(QStringLiteral("Station"), QString::number(frequency), QString());
        // The limit is for typing: a longer name written into the file by
        // hand is shown and kept whole, not cut by an OK that leaves it be.
        edtStation->setMaxLength(std::max<int>(StationNameLength, name.size()));
        edtStation->setText(name);
    }

    DrawBackground();
    WriteText(142, 9, m_state.EntryMode == 1 ? QStringLiteral("Add Channel") : QStringLiteral("Edit Channel"),
              ArialFont(12, true), PaleCyan);
    const QFont labels = ArialFont(11);
    WriteText(33, 78, QStringLiteral("Channel"), labels, Qt::black);
    WriteText(125, 78, QStringLiteral("Frequency"), labels, Qt::black);
    WriteText(33, 110, QStringLiteral("Station Name"), labels, Qt::black);
    WriteText(89, 78, QString::number(channel), labels, DarkBlue);
}

void TfrmEditSub::FocusFirstField()
{
    // The frequency is what the user types first; typing replaces it whole.
    SelectFrequency();
}

void TfrmEditSub::SelectFrequency()
{
    edtFreq->setFocus();
    edtFreq->setSelection(0, EntryDigitPositions + 1);
}

QString TfrmEditSub::FrequencyValue() const
{
    return EntryFieldValue(edtFreq->displayText(), ShownBlank);
}

void TfrmEditSub::SetFrequencyValue(const QString& value)
{
    // Position by position: the mask would close up a leading blank.
    edtFreq->setText(QString());
    for (int position = 0; position < EntryDigitPositions && position < value.size(); ++position) {
        if (!value.at(position).isDigit())
            continue;
        edtFreq->setCursorPosition(position < 3 ? position : position + 1);
        edtFreq->insert(value.at(position));
    }
}

void TfrmEditSub::imgBackgroundMouseMove(int x, int y)
{
    FollowOkCancel({EntryOkRegion, EntryOkPressed, EntryCancelRegion, EntryCancelPressed}, x, y);
}

void TfrmEditSub::imgBackgroundMouseDown(Qt::MouseButton, int x, int y)
{
    PressOkCancel({EntryOkRegion, EntryOkPressed, EntryCancelRegion, EntryCancelPressed}, x, y);
}

void TfrmEditSub::imgBackgroundMouseUp(Qt::MouseButton, int x, int y)
{
    if (PtInRegion(&EntryOkRegion, x, y)) {
        EntryOkPressed = 0;
        // The entry is taken before the button is redrawn: a picture
        // missing from the skin cannot stop it.
        TakeEntry();
        DrawOkNormal();
    } else if (PtInRegion(&EntryCancelRegion, x, y)) {
        EntryCancelPressed = 0;
        Cancel();
    }
}

void TfrmEditSub::TakeEntry()
{
    const int frequency = ParseEntryFrequency(FrequencyValue());
    if (frequency < m_state.BandLow || frequency > m_state.BandHigh) {
        SelectFrequency();
        return;
    }
    try {
        PresetFile presets(m_state.AppDir + QStringLiteral("Solvane.cfg"));
        presets.WriteString(QStringLiteral("Station"), QString::number(frequency), edtStation->text());
    } catch (const PlatformError& error) {
        // The channel keeps its frequency and the dialog stays open.
        ShowError(error);
        return;
    }
    if (m_state.EntryMode == 1)
        m_state.ChannelFreq[m_state.ChannelCount] = frequency;
    else
        m_state.ChannelFreq[m_state.SelectedChannel] = frequency;
    m_addedChannel = false;
    Close();
}

void TfrmEditSub::OkKey()
{
    TakeEntry();
}

void TfrmEditSub::Cancel()
{
    if (m_addedChannel) {
        --m_state.ChannelCount;
        m_addedChannel = false;
    }
    Close();
    // Drawn once closed: a picture missing from the skin cannot keep the
    // dialog open.
    DrawCancelNormal();
}
