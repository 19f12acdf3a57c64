#include "SessionEvents.h"

#include "SessionMessages.h"

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
        switch (ClassifySessionMessage(msg->message, msg->wParam)) {
        case SessionMessage::EndSession:
            emit m_events.SessionEnding();
            *result = 1;
            return true;
        case SessionMessage::Resumed:
            emit m_events.Resumed();
            *result = 0;
            return true;
        case SessionMessage::OtherPowerEvent:
            *result = 0;
            return true;
        case SessionMessage::Other:
            break;
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
