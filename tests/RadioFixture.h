#pragma once

#include "AcpiDeviceRecording.h"
#include "MixerMemory.h"
#include "Radio.h"
#include "RecordingModule.h"
#include "UserMessages.h"

#include <QDateTime>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// Messages the window would have shown, kept for the test to read.
class RecordedMessages : public UserMessages {
public:
    void Show(const UserMessage& message) override { shown.push_back(message); }
    std::vector<UserMessage> shown;
};

// A temporary AppDir holding the generated skin (a link to the built RES
// tree), the picture-region library and the recording radio module, with an
// in-memory mixer, a recording ACPI device and a settable clock. Each case
// builds its main window with Create() after scripting what it needs.
class RadioFixture : public ::testing::Test {
protected:
    RadioFixture();
    ~RadioFixture() override;

    // Writes the preset file before the window reads it.
    void WritePresets(const QByteArray& contents);
    QByteArray ReadPresets() const;
    QString AppDir() const;

    // Constructs the main window (construction and creation event).
    TfrmRadio& Create();
    // Constructs and shows it: the tuner is switched on and the state
    // restored, as at a normal start.
    TfrmRadio& CreateShown();
    // Closes it: the close sequence runs.
    void Close();

    // The face canvas.
    const QImage& Face() const;
    // True when every pixel of the picture (its non-key pixels when keyed)
    // is on the face at (x, y).
    bool FaceShows(int x, int y, const QString& resPath, bool keyed = false) const;
    // The picture from the skin, for comparisons.
    QImage Picture(const QString& resPath) const;

    std::vector<std::string> ModuleLog() const { return module->Log(); }

    QTemporaryDir dir;
    RadioState state;
    RecordedMessages messages;
    MixerMemory mixer;
    // The recording device outlives the window, which closes and drops its
    // handle at close.
    AcpiDeviceRecording* acpi = nullptr;
    AcpiDeviceRecording::Presence acpiPresence = AcpiDeviceRecording::Presence::Present;
    QDateTime now = QDateTime(QDate(2026, 12, 11), QTime(9, 5, 7));
    std::unique_ptr<RecordingModule> module;
    RecordingModule::Variant moduleVariant = RecordingModule::Variant::Complete;
    bool installRegionLibrary = true;
    bool installModule = true;
    std::unique_ptr<TfrmRadio> radio;

private:
    void Install();
    std::unique_ptr<AcpiDeviceRecording> m_acpiDevice;
    bool m_installed = false;
};
