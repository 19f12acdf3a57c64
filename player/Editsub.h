#pragma once

#include "SkinDialog.h"

#include <cstdint>

class QLineEdit;

// The channel entry dialog: adds one channel at the end of the preset list
// (EntryMode 1) or changes the frequency of the channel SelectedChannel
// (EntryMode 2), and stores the station name of the entered frequency at
// once. Only frequencies inside the tuner's band are taken; the list itself
// reaches the preset file only through the station list editor's Save.
class TfrmEditSub : public SkinDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 416;
    static constexpr int ClientHeight = 339;

    TfrmEditSub(RadioState& state, UserMessages* messages, QWidget* parent = nullptr);

    // Components.
    QLineEdit* edtStation = nullptr;
    QLineEdit* edtFreq = nullptr;

    // Form events and handlers; x and y are picture coordinates and the
    // mouse button is not looked at.
    void FormCreate();
    void FormShow() override;
    void imgBackgroundMouseMove(int x, int y);
    void imgBackgroundMouseDown(Qt::MouseButton button, int x, int y);
    void imgBackgroundMouseUp(Qt::MouseButton button, int x, int y);

    // The frequency field's value: its five digit positions, an unfilled
    // one a blank.
    QString FrequencyValue() const;

    // State of the dialog.
    QRegion EntryOkRegion;
    QRegion EntryCancelRegion;
    std::uint8_t EntryOkPressed = 0;
    std::uint8_t EntryCancelPressed = 0;

protected:
    void OkKey() override;
    void Cancel() override;
    void FocusFirstField() override;

private:
    void BuildComponents();
    void DrawBackground();
    void SetFrequencyValue(const QString& value);
    void SelectFrequency();
    void TakeEntry();

    // This showing added the channel at the end of the list: only then
    // does Cancel take one away.
    bool m_addedChannel = false;
};
