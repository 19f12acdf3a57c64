#pragma once

#include "RadioServices.h"
#include "RadioState.h"
#include "UserMessages.h"

#include <QString>
#include <QWidget>

#include <memory>

class QTimer;
class SkinImage;
class TfrmStore;
class TfrmEdit;

// The main window: the radio face. Its controls are areas of one face
// picture, found by hit regions; commands run on the release of a mouse
// button. Methods are spread over files by concern: RadioLifecycle.cpp
// (start-up, close, session), RadioSkin.cpp (regions, press and hover),
// RadioCommands.cpp (the release dispatch and the display steps),
// RadioDigits.cpp (digit pictures and the clock), RadioTuning.cpp (scale,
// pointer, scan timer), RadioVolume.cpp (mixer and knob), RadioRestore.cpp
// (power-on restore and the channel list).
class TfrmRadio : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 575;
    static constexpr int ClientHeight = 404;
    // The mixer's change notification, as the hidden mixer window gets it.
    static constexpr unsigned MM_MIXM_CONTROL_CHANGE = 0x3D1;

    // Construction binds the outside libraries, shapes the window, checks
    // for a tuner and reads the band; the creation event follows at once.
    TfrmRadio(RadioState& state, RadioServices services, QWidget* parent = nullptr);
    ~TfrmRadio() override;

    // Start-up could not complete (a library missing, no tuner, no ACPI
    // device): the program is to end without running its message loop.
    bool TerminateRequested() const { return m_terminateRequested; }

    void SetDialogs(TfrmStore* store, TfrmEdit* edit);

    // Components.
    SkinImage* imgBackground = nullptr;
    SkinImage* imgVolDot = nullptr;
    SkinImage* imgPlus = nullptr;
    SkinImage* imgMin = nullptr;
    SkinImage* Image1 = nullptr;
    QTimer* tmrScan = nullptr;
    QTimer* tmrTime = nullptr;

    // Form events.
    void FormCreate();
    void FormShow();
    void FormActivate();
    void FormClose();

    // The session is ending: close (the close sequence runs once).
    void QueryEndSession();
    // The computer resumed from suspend: the tuner gets its power state back.
    void ResumeFromSuspend();

    // Skin, press and hover.
    void imgBackgroundMouseDown(Qt::MouseButton button, int x, int y);
    void imgBackgroundMouseMove(int x, int y);
    void RestoreChannelRows(int row);

    // Commands and display steps.
    void imgBackgroundMouseUp(Qt::MouseButton button, int x, int y);
    void DrawChannelPage(int page);
    void ShowFrequency(int frequency);
    void EraseStationName();
    void ShowStationName(int frequency);
    void StoreCommand();
    void EditCommand();

    // Digit pictures and the clock. size is "L" or "S" in either case;
    // any other size draws nothing.
    void DrawDigitText(int x, int y, const QString& text, const QString& size, int cells);
    void DrawDigitText2(int x, int y, const QString& text, const QString& size, int cells);
    void tmrTimeTimer();

    // Scale, pointer and scan timer.
    void BarFrequency();
    void AutoFrequency();
    void SetBarPointer();
    void tmrScanTimer();
    void DotDown(Qt::MouseButton button, int x, int y);
    void DotMove(int x, int y);
    void DotUp(Qt::MouseButton button, int x, int y);

    // Volume and mixer.
    int MixerControl(int selector, int value);
    void MixerWndProc(unsigned message);
    void PlaceVolumeDot();
    void SetVolumeFromPoint(int x, int y);
    void StepVolume(int direction);
    void imgPlusClick();
    void imgMinClick();
    void imgPlusDblClick();
    void imgMinDblClick();
    void imgVolDotMouseDown(Qt::MouseButton button, int x, int y);
    void imgVolDotMouseMove(int x, int y);
    void imgVolDotMouseUp(Qt::MouseButton button, int x, int y);

    // Power-on restore and the channel list.
    void RestoreRadioState();
    void ClearChannelList();

    // ACPI audio switch.
    int OpenAcpiDevice();
    int CallAcpiMethod(const char* method, int argument, int& result);

    // Fields.
    std::unique_ptr<Mixer> MixerHandle;
    int AudioOutput = 0;
    unsigned MixerVolume = 0;
    unsigned MixerMin = 0;
    unsigned MixerMax = 0;
    unsigned VolumeUnit = 0;

    // Drawing on the face: a picture from AppDir + a "RES\..." path, opaque
    // or with the key colour left out.
    void DrawFacePicture(int x, int y, const QString& resPath);
    void DrawKeyedFacePicture(int x, int y, const QString& resPath);
    // Writes text in the face font (Arial 8 pt, dark blue, no background).
    void WriteFaceText(int x, int y, const QString& text);
    QString PresetFilePath() const;

    RadioState& State() { return m_state; }
    const RadioServices& Services() const { return m_services; }
    // True while the window follows the mouse after a press on empty face.
    bool MovingWindow() const { return m_windowDrag; }
    // True while a scan command waits inside the module's AutoScan.
    bool Scanning() const { return m_scanDepth > 0; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildComponents();
    void BuildRegions();
    void BindRegionLibrary();
    void BindRadioModule();
    void StartupMessage(const QString& text, const QString& caption, MessageIcon icon);
    void RequestTerminate();
    void ScanCommand(int direction);
    void PowerCommand();
    void PowerOn();
    void PowerOff();
    void SelectChannel(int row, int channel);
    bool SlotHit(int slot, int x, int y) const;
    bool SlotLive(int slot, int x, int y) const;
    bool RowLive(int row) const;
    QString SlotBase(int slot) const;
    void DrawSlotLook(int slot, const char* look);
    void DrawRowLook(int row, const char* picture);
    void StartWindowMove();
    void ReleaseLibraries();

    RadioState& m_state;
    RadioServices m_services;
    std::unique_ptr<AcpiDevice> m_acpi;
    TfrmStore* m_store = nullptr;
    TfrmEdit* m_edit = nullptr;

    bool m_terminateRequested = false;
    bool m_activated = false;
    bool m_shown = false;
    bool m_closed = false;
    // Moving the window by hand where the window system has no move of its own.
    bool m_windowDrag = false;
    QPoint m_dragOffset;
    // A close or power-off asked for while a scan waits inside AutoScan is
    // carried out once AutoScan has returned: the module is never closed
    // under its own running call.
    int m_scanDepth = 0;
    bool m_closeAfterScan = false;
    bool m_powerOffAfterScan = false;
};
