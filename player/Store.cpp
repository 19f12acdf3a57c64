#include "Store.h"

#include "FrequencyText.h"
#include "PlatformError.h"
#include "PresetFile.h"
#include "Regions.h"
#include "SkinImage.h"
#include "SkinPicture.h"
#include "UpDown.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

void SetColours(QWidget* widget, const QColor& text, const QColor& base)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    if (base.isValid())
        palette.setColor(QPalette::Base, base);
    widget->setPalette(palette);
}

QLabel* Caption(QWidget* parent, const QString& text, QRect box)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(box);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    label->setFont(font);
    return label;
}

}

TfrmStore::TfrmStore(RadioState& state, UserMessages* messages, QWidget* parent)
    : SkinDialog(state, messages, parent, QSize(ClientWidth, ClientHeight))
{
    setWindowTitle(QStringLiteral("Store Channel"));
    BuildComponents();

    LoadBackground(QStringLiteral("RES\\Extend\\panel_bg.bmp"));
    DrawPicture(105, 60, QStringLiteral("RES\\Extend\\field_store.bmp"));
    ShapeWindow();
    // The background holds no buttons: they stand in their normal look
    // from the start, not only once the pointer has crossed the dialog.
    DrawOkNormal();
    DrawCancelNormal();
    const QImage mask = LoadSkinPicture(m_state.AppDir, QStringLiteral("RES\\Extend\\bu_mask.bmp"));
    StoreOkRegion = ControlRegion(mask, OkPlace.x(), OkPlace.y());
    StoreCancelRegion = ControlRegion(mask, CancelPlace.x(), CancelPlace.y());

    FormCreate();
}

void TfrmStore::BuildComponents()
{
    imgBackground->OnMouseDown = [this](Qt::MouseButton b, int x, int y) { imgBackgroundMouseDown(b, x, y); };
    imgBackground->OnMouseMove = [this](int x, int y) { imgBackgroundMouseMove(x, y); };
    imgBackground->OnMouseUp = [this](Qt::MouseButton b, int x, int y) { imgBackgroundMouseUp(b, x, y); };

    lblStore = new QLabel(QStringLiteral("Store Channel"), this);
    lblStore->move(133, 8);
    lblStore->setFont(ArialFont(12, true));
    lblStore->adjustSize();

    lblChannel = Caption(this, QStringLiteral("Channel"), QRect(28, 66, 74, 14));
    lblFrequency = Caption(this, QStringLiteral("Frequency"), QRect(29, 94, 74, 14));
    lblStation = Caption(this, QStringLiteral("Station Name"), QRect(29, 126, 74, 14));

    lblFreq = new QLabel(this);
    lblFreq->move(111, 95);
    lblFreq->setFont(ArialFont(11));

    edtStation = new QLineEdit(this);
    edtStation->setGeometry(111, 127, 129, 14);
    edtStation->setFrame(false);
    edtStation->setMaxLength(StationNameLength);
    edtStation->setTextMargins(0, 0, 0, 0);

    edtChannel = new QLineEdit(this);
    edtChannel->setGeometry(110, 64, 17, 17);
    edtChannel->setReadOnly(true);
    edtChannel->setMaxLength(2);
    edtChannel->setFrame(false);
    edtChannel->setTextMargins(0, 0, 0, 0);
    edtChannel->setFont(ArialFont(11));

    UDChannel = new UpDown(edtChannel, this);
    UDChannel->setGeometry(127, 64, 17, 17);
    UDChannel->SetMin(1);

    setTabOrder(edtStation, UDChannel);
    setTabOrder(UDChannel, edtChannel);
}

void TfrmStore::FormCreate()
{
    SetColours(lblStore, PaleCyan, QColor());
    SetColours(edtChannel, DarkBlue, LightCyan);
    SetColours(lblFreq, DarkBlue, QColor());
    SetColours(edtStation, palette().color(QPalette::WindowText), LightCyan);
}

void TfrmStore::FormShow()
{
    // The store command opens the dialog only below 60 presets, so the
    // next free channel is always a preset slot.
    const int nextFree = std::min(m_state.ChannelCount + 1, RadioState::MaxChannels);
    UDChannel->SetMax(nextFree);
    UDChannel->SetPosition(nextFree);
    StoreFrequency = m_state.Radio.GetFrequency(0);
    StoreFrequencyText = FrequencyText(StoreFrequency);
    lblFreq->setText(StoreFrequencyText);
    lblFreq->adjustSize();
    edtStation->setText(QString());
}

void TfrmStore::FocusFirstField()
{
    // The name is what the user types; the arrow keys pick the channel.
    edtStation->setFocus();
}

void TfrmStore::imgBackgroundMouseMove(int x, int y)
{
    FollowOkCancel({StoreOkRegion, StoreOkPressed, StoreCancelRegion, StoreCancelPressed}, x, y);
}

void TfrmStore::imgBackgroundMouseDown(Qt::MouseButton, int x, int y)
{
    PressOkCancel({StoreOkRegion, StoreOkPressed, StoreCancelRegion, StoreCancelPressed}, x, y);
}

void TfrmStore::imgBackgroundMouseUp(Qt::MouseButton, int x, int y)
{
    if (PtInRegion(&StoreOkRegion, x, y)) {
        StoreOkPressed = 0;
        StoreChannel();
    } else if (PtInRegion(&StoreCancelRegion, x, y)) {
        StoreCancelPressed = 0;
        Cancel();
    }
    DrawOkNormal();
    DrawCancelNormal();
}

void TfrmStore::StoreChannel()
{
    const int channel = UDChannel->Position();
    PresetFile presets(m_state.AppDir + QStringLiteral("Solvane.cfg"));
    try {
        presets.WriteInteger(QStringLiteral("Channel"), QString::number(channel), StoreFrequency);
        presets.WriteString(QStringLiteral("Station"), QString::number(StoreFrequency), edtStation->text());
        if (channel == m_state.ChannelCount + 1)
            presets.WriteInteger(QStringLiteral("Channel"), QStringLiteral("Num"), channel);
    } catch (const PlatformError& error) {
        // Nothing is taken into memory and the dialog stays open, so the
        // user can retry or cancel.
        ShowError(error);
        return;
    }
    if (channel == m_state.ChannelCount + 1)
        m_state.ChannelCount = channel;
    m_state.ChannelFreq[channel] = StoreFrequency;

    m_state.SavedChannelCount = m_state.ChannelCount;
    for (int i = 1; i <= m_state.ChannelCount; ++i)
        m_state.SavedChannelFreq[i] = m_state.ChannelFreq[i];

    m_state.StoredChannel = channel;
    m_state.StoreResult = 1;
    if (channel >= 1 && channel <= 9)
        m_state.Radio.SetFrequency(channel, m_state.ChannelFreq[channel]);
    Close();
}

void TfrmStore::OkKey()
{
    StoreChannel();
}

void TfrmStore::Cancel()
{
    m_state.StoreResult = 2;
    Close();
}

void TfrmStore::keyPressEvent(QKeyEvent* event)
{
    // The arrow keys pick the channel wherever the focus is.
    switch (event->key()) {
    case Qt::Key_Up:
        UDChannel->StepUp();
        break;
    case Qt::Key_Down:
        UDChannel->StepDown();
        break;
    default:
        SkinDialog::keyPressEvent(event);
    }
}
