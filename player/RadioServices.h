#pragma once

#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>

class AcpiDevice;
class Mixer;
class UserMessages;

// What the main window takes from its surroundings. The program passes the
// real services; tests pass recording ones.
struct RadioServices {
    // The program's folder with a trailing separator.
    QString AppDir;
    UserMessages* Messages = nullptr;
    // The ACPI control device of this machine (opened by the window).
    std::function<std::unique_ptr<AcpiDevice>()> CreateAcpiDevice;
    // The system's mixer device 0, or null when the system has none.
    std::function<std::unique_ptr<Mixer>()> OpenMixer;
    // The wall clock shown on the face.
    std::function<QDateTime()> Now = [] { return QDateTime::currentDateTime(); };
};
