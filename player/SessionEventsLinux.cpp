#include "SessionEvents.h"

#include <QDBusConnection>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// SIGTERM arrives at any moment; the handler only writes one byte to this
// socket pair, and the event loop turns it into a normal event.
int terminatePipe[2] = {-1, -1};

void OnTerminateSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(terminatePipe[1], &byte, 1);
}

// logind announces suspend and resume on the system bus.
class SleepWatcher : public QObject {
    Q_OBJECT
public:
    explicit SleepWatcher(SessionEvents& events) : QObject(&events), m_events(events)
    {
        // Without a system bus (a container, a bare X session) the program
        // runs on; it just does not hear of suspend and resume.
        QDBusConnection bus = QDBusConnection::systemBus();
        if (!bus.isConnected())
            return;
        bus.connect(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                    QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
                    SLOT(OnPrepareForSleep(bool)));
    }

private slots:
    void OnPrepareForSleep(bool sleeping)
    {
        if (!sleeping)
            emit m_events.Resumed();
    }

private:
    SessionEvents& m_events;
};

void WatchTerminateSignal(SessionEvents& events)
{
    if (terminatePipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, terminatePipe) != 0)
        return;
    ::fcntl(terminatePipe[1], F_SETFL, O_NONBLOCK);
    auto* notifier = new QSocketNotifier(terminatePipe[0], QSocketNotifier::Read, &events);
    QObject::connect(notifier, &QSocketNotifier::activated, &events, [&events] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(terminatePipe[0], &byte, 1);
        emit events.SessionEnding();
    });
    struct sigaction action {};
    action.sa_handler = OnTerminateSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
}

} // namespace

SessionEvents::SessionEvents(QObject* parent) : QObject(parent)
{
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { emit SessionEnding(); });
    WatchTerminateSignal(*this);
    new SleepWatcher(*this);
}

SessionEvents::~SessionEvents() = default;

#include "SessionEventsLinux.moc"
