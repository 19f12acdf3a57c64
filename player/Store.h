#pragma once

#include "SkinDialog.h"

#include <cstdint>

class QLabel;
class QLineEdit;
class UpDown;

// The store dialog: stores the playing frequency under a channel number
// with a station name. It proposes the next free channel; OK writes the
// preset to memory and to the preset file and tells the main window through
// StoreResult (1 stored, 2 cancelled) and StoredChannel.
class TfrmStore : public SkinDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 496;
    static constexpr int ClientHeight = 307;

    TfrmStore(RadioState& state, UserMessages* messages, QWidget* parent = nullptr);

    // Components.
    QLabel* lblStore = nullptr;
    QLabel* lblChannel = nullptr;
    QLabel* lblFrequency = nullptr;
    QLabel* lblStation = nullptr;
    QLabel* lblFreq = nullptr;
    QLineEdit* edtStation = nullptr;
    QLineEdit* edtChannel = nullptr;
    UpDown* UDChannel = nullptr;

    // Form events and handlers; x and y are picture coordinates and the
    // mouse button is not looked at.
    void FormCreate();
    void FormShow() override;
    void imgBackgroundMouseMove(int x, int y);
    void imgBackgroundMouseDown(Qt::MouseButton button, int x, int y);
    void imgBackgroundMouseUp(Qt::MouseButton button, int x, int y);

    // State of the dialog.
    QRegion StoreOkRegion;
    QRegion StoreCancelRegion;
    std::uint8_t StoreOkPressed = 0;
    std::uint8_t StoreCancelPressed = 0;
    int StoreFrequency = 0;
    QString StoreFrequencyText;

protected:
    void OkKey() override;
    void Cancel() override;
    void FocusFirstField() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildComponents();
    void StoreChannel();
};
