#pragma once

#include <QObject>

// The desktop session's messages to the program: the session is ending
// (logout, shutdown, or the service manager's SIGTERM) and the computer
// has resumed from suspend.
class SessionEvents : public QObject {
    Q_OBJECT
public:
    explicit SessionEvents(QObject* parent = nullptr);
    ~SessionEvents() override;

signals:
    void SessionEnding();
    void Resumed();

private slots:
    void OnPrepareForSleep(bool sleeping);

private:
    void WatchTerminateSignal();
    void WatchSleep();
};
