#pragma once

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// A private X server (Xvfb) for tests that start the real program and
// drive it with xdotool. The test program itself connects to the same
// display to look at the screen.
class DesktopSession {
public:
    // Starts Xvfb on a free display and points DISPLAY at it.
    DesktopSession();
    ~DesktopSession();

    // The session of this test program.
    static DesktopSession& Current();

    bool Running() const { return m_xvfb.state() == QProcess::Running; }
    QString Display() const { return m_display; }

    // Runs xdotool with the arguments; returns its standard output.
    QString XdoTool(const QStringList& arguments) const;

private:
    QProcess m_xvfb;
    QString m_display;
};

// A point inside a control: the non-key pixel of its mask nearest the
// mask's centre, moved to the control's place on the face.
QPoint ControlPoint(const QString& maskResPath, int x, int y);

// A copy of the program's folder (the player, both outside libraries and a
// link to the skin) in a temporary folder, so the test's presets never
// touch the build, and a private runtime folder for the single-instance
// lock.
class PlayerInstall {
public:
    PlayerInstall();

    bool Ready() const { return m_ready; }
    QString AppDir() const { return m_dir.path(); }
    QString PresetFile() const { return m_dir.filePath(QStringLiteral("Solvane.cfg")); }
    void WritePresets(const QByteArray& contents) const;
    QByteArray ReadPresets() const;

    // Starts the player on the session's display.
    std::unique_ptr<QProcess> Start(const DesktopSession& session) const;

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_runtime;
    bool m_ready = false;
};

// The whole screen as the display shows it now.
QImage GrabScreen();

// Waits, processing events, until the condition holds or the time is up.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs);

// The top-left corner of the player's window on the screen, found through
// xdotool by its title; (-1, -1) when it is not there.
QPoint PlayerWindowOrigin(const DesktopSession& session);
