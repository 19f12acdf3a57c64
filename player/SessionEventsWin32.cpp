#include "SessionEvents.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include <windows.h>

namespace {

// The window messages of the session: its end, and resume from suspend.
class SessionMessageFilter : public QAbstractNativeEventFilter {
public:
    explicit SessionMessageFilter(SessionEvents& events) : m_events(events) {}

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override
    {
        if (eventType != "windows_generic_MSG")
            return false;
        const MSG* msg = static_cast<const MSG*>(message);
        if (msg->message == WM_QUERYENDSESSION) {
            emit m_events.SessionEnding();
            *result = 1;
            return true;
        }
        if (msg->message == WM_POWERBROADCAST) {
            if (msg->wParam == PBT_APMRESUMESUSPEND)
                emit m_events.Resumed();
            *result = 0;
            return true;
        }
        return false;
    }

private:
    SessionEvents& m_events;
};

} // namespace

SessionEvents::SessionEvents(QObject* parent) : QObject(parent)
{
    auto* filter = new SessionMessageFilter(*this);
    QCoreApplication::instance()->installNativeEventFilter(filter);
    connect(this, &QObject::destroyed, [filter] {
        QCoreApplication::instance()->removeNativeEventFilter(filter);
        delete filter;
    });
}

SessionEvents::~SessionEvents() = default;
