#pragma once

#include <QObject>

// The desktop session's messages to the program: the session is ending
// (logout, shutdown, or the service manager's SIGTERM) and the computer
// has resumed from suspend. One source file per OS listens for them.
class SessionEvents : public QObject {
    Q_OBJECT
public:
    explicit SessionEvents(QObject* parent = nullptr);
    ~SessionEvents() override;

signals:
    void SessionEnding();
    void Resumed();
};
